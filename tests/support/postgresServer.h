#ifndef QCM_TESTS_POSTGRESSERVER_H
#define QCM_TESTS_POSTGRESSERVER_H

// A throwaway PostgreSQL server for the tests and benchmarks of the history:
// initdb into a temporary folder, the server listening only on a Unix socket
// in that folder, a database "history" owned by the role "qcm" (local
// connections are trusted, so no password is needed), and a role "locked"
// that must give a password it never has (to provoke an authentication
// failure).  Share one per test program: a start takes a second or two.
//
//     postgresServer server;
//     QString error;
//     QVERIFY2(server.start(&error), qPrintable(error));
//     historyStore store(server.connection());
//     ...
//     server.stop();   // the server goes away as if switched off
//     server.start();  // and comes back with its data, on the same socket
//
// PostgreSQL refuses to run as root, so under root (the CI runs as root) the
// server programs run as "nobody" through runuser, in a folder nobody owns.
// The destructor stops the server and removes the folder.  POSIX only.

#include "historyConnection.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <memory>
#include <unistd.h>

class postgresServer
{
public:
    postgresServer() = default;
    ~postgresServer() { remove(); }
    postgresServer(const postgresServer &) = delete;
    postgresServer &operator=(const postgresServer &) = delete;

    // The folder of PostgreSQL's server programs (the newest installed), or
    // empty when none is installed.
    static QString binaries()
    {
        const QDir root(QStringLiteral("/usr/lib/postgresql"));
        QStringList versions = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        std::sort(versions.begin(), versions.end(),
                  [](const QString &a, const QString &b) { return a.toDouble() < b.toDouble(); });
        for (int i = versions.size() - 1; i >= 0; --i) {
            const QString bin = root.filePath(versions.at(i) + QStringLiteral("/bin"));
            if (QFile::exists(bin + QStringLiteral("/initdb")) &&
                QFile::exists(bin + QStringLiteral("/pg_ctl")))
                return bin;
        }
        return {};
    }

    // The first call makes the cluster, later calls start it again.  Returns
    // once the server accepts connections (pg_ctl -w waits for that).
    bool start(QString *error = nullptr)
    {
        QString ignored;
        QString &why = error ? *error : ignored;
        if (m_running)
            return true;
        if (!m_folder && !create(&why))
            return false;
        if (!run(QStringLiteral("pg_ctl"),
                 {QStringLiteral("-D"), dataDir(), QStringLiteral("-l"), logFile(),
                  QStringLiteral("-w"), QStringLiteral("-t"), QStringLiteral("60"),
                  QStringLiteral("start")},
                 &why)) {
            why += QStringLiteral("\n") + logTail();
            return false;
        }
        m_running = true;
        if (!m_prepared) {
            if (!superuserSql(QStringLiteral("CREATE ROLE qcm LOGIN"), &why) ||
                !superuserSql(QStringLiteral("CREATE ROLE locked LOGIN PASSWORD 'secret'"), &why) ||
                !superuserSql(QStringLiteral("CREATE DATABASE history OWNER qcm"), &why))
                return false;
            m_prepared = true;
        }
        return true;
    }

    // Stops the server at once, as a crash or a switched-off machine would;
    // the data stay for the next start().
    bool stop(QString *error = nullptr)
    {
        QString ignored;
        if (!m_running)
            return true;
        m_running = false;
        return run(QStringLiteral("pg_ctl"),
                   {QStringLiteral("-D"), dataDir(), QStringLiteral("-m"),
                    QStringLiteral("immediate"), QStringLiteral("-w"), QStringLiteral("stop")},
                   error ? error : &ignored);
    }

    bool isRunning() const { return m_running; }

    // Runs SQL as the superuser through psql; `output` gets the rows, one a
    // line, fields separated by "|".
    bool superuserSql(const QString &sql, QString *error = nullptr, QString *output = nullptr,
                      const QString &database = QStringLiteral("postgres"))
    {
        QString ignored;
        return run(QStringLiteral("psql"),
                   {QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-A"),
                    QStringLiteral("-t"), QStringLiteral("-v"), QStringLiteral("ON_ERROR_STOP=1"),
                    QStringLiteral("-h"), socketDir(), QStringLiteral("-p"),
                    QString::number(port()), QStringLiteral("-U"), QStringLiteral("postgres"),
                    QStringLiteral("-d"), database, QStringLiteral("-c"), sql},
                   error ? error : &ignored, output, false);
    }

    // The folder holding the server's socket, the host of a connection.
    QString socketDir() const { return m_folder ? m_folder->path() : QString(); }
    int port() const { return 54329; }

    // The database "history" as the role "qcm".
    historyConnection connection(const QString &database = QStringLiteral("history"),
                                 const QString &user = QStringLiteral("qcm")) const
    {
        historyConnection c;
        c.driver = historyConnection::Driver::PostgreSQL;
        c.host = socketDir();
        c.port = port();
        c.database = database;
        c.user = user;
        return c;
    }

private:
    static bool asRoot() { return ::geteuid() == 0; }
    QString dataDir() const { return socketDir() + QStringLiteral("/data"); }
    QString logFile() const { return socketDir() + QStringLiteral("/server.log"); }

    QString logTail() const
    {
        QFile log(logFile());
        if (!log.open(QIODevice::ReadOnly))
            return {};
        return QString::fromLocal8Bit(log.readAll().right(2000));
    }

    bool create(QString *error)
    {
        m_bin = binaries();
        if (m_bin.isEmpty()) {
            *error = QStringLiteral("PostgreSQL's server programs are not installed "
                                    "(tools/setup.sh installs the package postgresql)");
            return false;
        }
        // A short path under /tmp: a socket path is limited to about 100
        // bytes, and the folders of root's own temporary path may be closed
        // to "nobody".
        m_folder = std::make_unique<QTemporaryDir>(QStringLiteral("/tmp/qcm-pg-XXXXXX"));
        if (!m_folder->isValid()) {
            *error =
                QStringLiteral("cannot make a folder for the server: ") + m_folder->errorString();
            m_folder.reset();
            return false;
        }
        QFile::setPermissions(m_folder->path(), QFile::ReadOwner | QFile::WriteOwner |
                                                    QFile::ExeOwner | QFile::ReadGroup |
                                                    QFile::ExeGroup | QFile::ReadOther |
                                                    QFile::ExeOther);
        if (asRoot() && !runPlain(QStringLiteral("chown"),
                                  {QStringLiteral("nobody:"), m_folder->path()}, error))
            return false;
        if (!run(QStringLiteral("initdb"),
                 {QStringLiteral("-D"), dataDir(), QStringLiteral("-U"), QStringLiteral("postgres"),
                  QStringLiteral("-A"), QStringLiteral("trust"), QStringLiteral("-E"),
                  QStringLiteral("UTF8"), QStringLiteral("--locale=C"), QStringLiteral("-N")},
                 error))
            return false;
        // Only the socket in our folder; no durability needed for a test.
        QFile conf(dataDir() + QStringLiteral("/postgresql.conf"));
        QFile hba(dataDir() + QStringLiteral("/pg_hba.conf"));
        if (!conf.open(QIODevice::Append) ||
            !hba.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            *error = QStringLiteral("cannot write the server's configuration");
            return false;
        }
        QTextStream(&conf) << "\nlisten_addresses = ''\nunix_socket_directories = '" << socketDir()
                           << "'\nport = " << port()
                           << "\nfsync = off\nsynchronous_commit = off\nfull_page_writes = off\n"
                              "max_connections = 60\n";
        QTextStream(&hba) << "local all locked scram-sha-256\nlocal all all trust\n";
        return true;
    }

    // A server program as the unprivileged user when we are root.
    bool run(const QString &program, const QStringList &arguments, QString *error,
             QString *output = nullptr, bool serverSide = true)
    {
        const QString path = m_bin + '/' + program;
        if (asRoot() && serverSide)
            return runPlain(QStringLiteral("runuser"),
                            QStringList{QStringLiteral("-u"), QStringLiteral("nobody"),
                                        QStringLiteral("--"), path} +
                                arguments,
                            error, output);
        return runPlain(path, arguments, error, output);
    }

    static bool runPlain(const QString &program, const QStringList &arguments, QString *error,
                         QString *output = nullptr)
    {
        QProcess process;
        process.setProcessChannelMode(output ? QProcess::SeparateChannels
                                             : QProcess::MergedChannels);
        process.setWorkingDirectory(QStringLiteral("/"));
        process.start(program, arguments);
        if (!process.waitForStarted(10000) || !process.waitForFinished(120000)) {
            *error = program + QStringLiteral(" did not run: ") + process.errorString();
            process.kill();
            process.waitForFinished(5000);
            return false;
        }
        const QString out = QString::fromLocal8Bit(process.readAllStandardOutput());
        if (output)
            *output = out;
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
            *error = program + ' ' + arguments.join(' ') + QStringLiteral(" failed: ") + out +
                     QString::fromLocal8Bit(process.readAllStandardError());
            return false;
        }
        return true;
    }

    void remove()
    {
        stop();
        m_folder.reset();
    }

    QString m_bin;
    std::unique_ptr<QTemporaryDir> m_folder;
    bool m_running = false;
    bool m_prepared = false;
};

#endif
