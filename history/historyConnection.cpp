#include "historyConnection.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

namespace {

const int defaultPort = 5432;

QString decoded(const QString &part)
{
    return QUrl::fromPercentEncoding(part.toUtf8());
}

QString encoded(const QString &part)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(part));
}

bool startsWithScheme(const QString &text, int *schemeLength)
{
    for (const char *scheme : {"postgresql://", "postgres://"}) {
        if (text.startsWith(QLatin1String(scheme), Qt::CaseInsensitive)) {
            *schemeLength = int(qstrlen(scheme));
            return true;
        }
    }
    return false;
}

// "host", "host:port", "[v6]:port" or "" (the local socket).
bool splitHostPort(const QString &text, QString *host, int *port, QString *error)
{
    QString portText;
    if (text.startsWith('[')) {
        const int close = text.indexOf(']');
        if (close < 0) {
            *error = QCoreApplication::translate(
                         "historyConnection", "The server address \"%1\" lacks its closing \"]\".")
                         .arg(text);
            return false;
        }
        *host = text.mid(1, close - 1);
        const QString rest = text.mid(close + 1);
        if (!rest.isEmpty() && !rest.startsWith(':')) {
            *error = QCoreApplication::translate("historyConnection",
                                                 "Unexpected text after the server address \"%1\".")
                         .arg(text);
            return false;
        }
        portText = rest.mid(1);
        if (rest.startsWith(':') && portText.isEmpty())
            portText = QStringLiteral(" "); // "[::1]:" names no port: refused below
    } else {
        const int colon = text.lastIndexOf(':');
        *host = decoded(colon < 0 ? text : text.left(colon));
        if (colon >= 0)
            portText = colon + 1 < text.size() ? text.mid(colon + 1) : QStringLiteral(" ");
    }
    *port = defaultPort;
    if (portText.isEmpty())
        return true;
    bool digits = !portText.isEmpty();
    for (const QChar c : portText)
        digits = digits && c >= '0' && c <= '9';
    const int value = digits && portText.size() <= 5 ? portText.toInt() : 0;
    if (value < 1 || value > 65535) {
        *error = QCoreApplication::translate("historyConnection",
                                             "The port \"%1\" is not a number from 1 to 65535.")
                     .arg(portText.trimmed());
        return false;
    }
    *port = value;
    return true;
}

bool parsePostgres(const QString &text, int schemeLength, historyConnection *out, QString *error)
{
    const QString rest = text.mid(schemeLength);
    if (rest.contains('?') || rest.contains('#')) {
        *error = QCoreApplication::translate(
            "historyConnection",
            "Connection options after \"?\" are not taken; the password belongs in "
            "~/.pgpass or PGPASSWORD, never in QCM's settings.");
        return false;
    }
    const int slash = rest.indexOf('/');
    const QString database = slash < 0 ? QString() : rest.mid(slash + 1);
    if (database.isEmpty()) {
        *error =
            QCoreApplication::translate(
                "historyConnection", "\"%1\" names no database: write postgresql://host/database.")
                .arg(text);
        return false;
    }
    if (database.contains('/')) {
        *error = QCoreApplication::translate("historyConnection",
                                             "The database name \"%1\" holds a \"/\".")
                     .arg(database);
        return false;
    }
    QString authority = rest.left(slash);
    QString user;
    const int at = authority.lastIndexOf('@');
    if (at >= 0) {
        const QString userInfo = authority.left(at);
        if (userInfo.contains(':')) {
            *error = QCoreApplication::translate(
                "historyConnection",
                "A password does not belong in the connection text; keep it in "
                "~/.pgpass or PGPASSWORD.");
            return false;
        }
        user = decoded(userInfo);
        if (user.isEmpty()) {
            *error = QCoreApplication::translate("historyConnection",
                                                 "The user name before \"@\" is empty.");
            return false;
        }
        authority = authority.mid(at + 1);
    }
    historyConnection c;
    c.driver = historyConnection::Driver::PostgreSQL;
    if (!splitHostPort(authority, &c.host, &c.port, error))
        return false;
    c.database = decoded(database);
    c.user = user;
    *out = c;
    return true;
}

} // namespace

bool historyConnection::fromText(const QString &text, historyConnection *connection, QString *error)
{
    const QString trimmed = text.trimmed();
    QString reason;
    int schemeLength = 0;
    if (trimmed.isEmpty()) {
        reason = QCoreApplication::translate("historyConnection", "No history database is named.");
    } else if (startsWithScheme(trimmed, &schemeLength)) {
        if (parsePostgres(trimmed, schemeLength, connection, &reason))
            return true;
    } else if (trimmed.contains(QLatin1String("://"))) {
        reason = QCoreApplication::translate(
                     "historyConnection",
                     "\"%1\" is neither a PostgreSQL connection (postgresql://host/database) nor "
                     "a file.")
                     .arg(trimmed);
    } else {
        historyConnection c;
        c.sqlitePath = trimmed;
        *connection = c;
        return true;
    }
    if (error)
        *error = reason;
    return false;
}

QString historyConnection::toText() const
{
    if (driver == Driver::SQLite)
        return sqlitePath.isEmpty() ? defaultSqlitePath() : sqlitePath;
    QString text = QStringLiteral("postgresql://");
    if (!user.isEmpty())
        text += encoded(user) + '@';
    text += host.contains(':') ? '[' + host + ']' : encoded(host);
    if (port != defaultPort)
        text += ':' + QString::number(port);
    return text + '/' + encoded(database);
}

historyConnection historyConnection::fromSettings(const QSettings &settings)
{
    historyConnection c;
    if (settings.value(QStringLiteral("historyDriver")).toString() == QLatin1String("postgresql"))
        c.driver = Driver::PostgreSQL;
    c.sqlitePath = settings.value(QStringLiteral("historySqlitePath")).toString();
    c.host = settings.value(QStringLiteral("historyHost")).toString();
    bool ok = false;
    const int port = settings.value(QStringLiteral("historyPort"), defaultPort).toInt(&ok);
    c.port = ok && port >= 1 && port <= 65535 ? port : defaultPort;
    c.database = settings.value(QStringLiteral("historyDatabase")).toString();
    c.user = settings.value(QStringLiteral("historyUser")).toString();
    return c;
}

void historyConnection::toSettings(QSettings &settings) const
{
    settings.setValue(QStringLiteral("historyDriver"), driver == Driver::PostgreSQL
                                                           ? QStringLiteral("postgresql")
                                                           : QStringLiteral("sqlite"));
    settings.setValue(QStringLiteral("historySqlitePath"), sqlitePath);
    settings.setValue(QStringLiteral("historyHost"), host);
    settings.setValue(QStringLiteral("historyPort"), port);
    settings.setValue(QStringLiteral("historyDatabase"), database);
    settings.setValue(QStringLiteral("historyUser"), user);
}

QString historyConnection::defaultSqlitePath()
{
    // The journal keeps its folder "journal" here; the history sits beside it.
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/history.sqlite");
}

bool historyConnection::operator==(const historyConnection &o) const
{
    return driver == o.driver && sqlitePath == o.sqlitePath && host == o.host && port == o.port &&
           database == o.database && user == o.user;
}
