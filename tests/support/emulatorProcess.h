#ifndef QCM_TESTS_EMULATORPROCESS_H
#define QCM_TESTS_EMULATORPROCESS_H

// One instrument emulator process for end-to-end tests; its terminal path is
// the first line of its output and every request it accepts is logged on its
// standard error ("<- 55 AA ...").

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QProcess>
#include <QStringList>

class emulatorProcess
{
public:
    ~emulatorProcess() { stop(); }

    bool start(const QStringList &options)
    {
        stop();
        requests.clear();
        requestFrames.clear();
        requestTimes.clear();
        stderrText.clear();
        QObject::disconnect(&process, nullptr, nullptr, nullptr);
        QObject::connect(&process, &QProcess::readyReadStandardError, [this] {
            stderrText += QString::fromLatin1(process.readAllStandardError());
            parseLog();
        });
        process.start(QString::fromLocal8Bit(qgetenv("QCM_BUILD_DIR")) + "/qcm-emulator",
                      QStringList{"--log"} + options);
        if (!process.waitForStarted(5000))
            return false;
        QByteArray line;
        while (!line.contains('\n')) {
            if (!process.waitForReadyRead(5000))
                return false;
            line += process.readAllStandardOutput();
        }
        path = QString::fromLocal8Bit(line.left(line.indexOf('\n'))).trimmed();
        return path.startsWith('/');
    }

    void stop()
    {
        if (process.state() == QProcess::NotRunning)
            return;
        process.terminate();
        if (!process.waitForFinished(5000)) {
            process.kill();
            process.waitForFinished(5000);
        }
    }

    // How many requests of a code (0xC0 ...) the emulator accepted.
    int count(int code) const { return requests.count(code); }

    QList<int> requests;
    QStringList requestFrames; // "55 AA 0B C4 ..." as logged
    // When the emulator read each request, in milliseconds of its own clock.
    QList<qint64> requestTimes;

    // The times of the requests of a code.
    QList<qint64> timesOf(int code) const
    {
        QList<qint64> times;
        for (int i = 0; i < requests.size(); ++i) {
            if (requests.at(i) == code)
                times << requestTimes.at(i);
        }
        return times;
    }
    QString path;

private:
    void parseLog()
    {
        int end;
        while ((end = stderrText.indexOf('\n')) >= 0) {
            const QString line = stderrText.left(end);
            stderrText.remove(0, end + 1);
            const int arrow = line.indexOf(QLatin1String("<- "));
            if (arrow < 0)
                continue;
            const QString frame = line.mid(arrow + 3).trimmed();
            const QStringList bytes = frame.split(' ');
            if (bytes.size() >= 4) {
                requests << bytes.at(3).toInt(nullptr, 16);
                requestFrames << frame;
                // "[   1234 ms] <- 55 AA ..."
                const int open = line.indexOf('[');
                const int ms = line.indexOf(QLatin1String(" ms]"));
                requestTimes << (open >= 0 && ms > open
                                     ? line.mid(open + 1, ms - open - 1).trimmed().toLongLong()
                                     : -1);
            }
        }
    }

    QProcess process;
    QString stderrText;
};

#endif
