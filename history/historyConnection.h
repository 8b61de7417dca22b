#ifndef QCM_HISTORYCONNECTION_H
#define QCM_HISTORYCONNECTION_H

#include <QString>

class QSettings;

// Where the measurement history lives: an SQLite file (the default, beside
// the journal) or a PostgreSQL server shared by the stations of a lab.  The
// password is never kept here: libpq finds it in ~/.pgpass or PGPASSWORD.
struct historyConnection
{
    enum class Driver
    {
        SQLite,
        PostgreSQL
    };
    Driver driver = Driver::SQLite;
    QString sqlitePath; // empty: defaultSqlitePath()
    QString host;       // empty or a folder: the local Unix socket
    int port = 5432;
    QString database;
    QString user;

    // "postgresql://[user@]host[:port]/database" or a file path; false with
    // a plain reason for a text that is neither.
    static bool fromText(const QString &text, historyConnection *connection, QString *error);
    QString toText() const;

    // Settings keys "historyDriver", "historyHost", "historyPort",
    // "historyDatabase", "historyUser", "historySqlitePath".
    static historyConnection fromSettings(const QSettings &settings);
    void toSettings(QSettings &settings) const;

    // "history.sqlite" in the application-data folder, beside the journal.
    static QString defaultSqlitePath();

    bool operator==(const historyConnection &o) const;
    bool operator!=(const historyConnection &o) const { return !(*this == o); }
};

#endif
