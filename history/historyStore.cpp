#include "historyStore.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QtSql/QSqlDatabase>
#include <QtSql/QSqlError>
#include <QtSql/QSqlQuery>

#include <algorithm>
#include <cmath>

namespace {

// One step of the schema: the statements that bring a database from the
// version before it to its own.  A later version of QCM appends a step and
// never edits one that was released, since stations may stand at any step.
// "%SERIAL%" is the auto-numbered key of the dialect.
struct SchemaStep
{
    QStringList statements;
};

const QVector<SchemaStep> &schemaSteps()
{
    static const QVector<SchemaStep> steps{
        // 1: the records, the distinct Type names and the indexes for the
        // history window's questions.  The Type names are few (a lab keeps
        // hundreds to thousands of standards), so a substring search runs over
        // them and the records are found through (name_key, time_ms).
        {{QStringLiteral("CREATE TABLE history_type_names ("
                         " id %SERIAL%,"
                         " name TEXT NOT NULL UNIQUE,"
                         " folded TEXT NOT NULL)"),
          QStringLiteral("CREATE TABLE history_records ("
                         " seq %SERIAL%,"
                         " id TEXT NOT NULL UNIQUE,"
                         " event TEXT NOT NULL,"
                         " item_id TEXT NOT NULL,"
                         " kind TEXT NOT NULL,"
                         " name TEXT NOT NULL,"
                         " type_id TEXT,"
                         " type_name TEXT NOT NULL,"
                         " name_key BIGINT REFERENCES history_type_names (id),"
                         " c0 TEXT NOT NULL, c1 TEXT NOT NULL, c2 TEXT NOT NULL,"
                         " c3 TEXT NOT NULL, c4 TEXT NOT NULL, c5 TEXT NOT NULL,"
                         " c6 TEXT NOT NULL, c7 TEXT NOT NULL, c8 TEXT NOT NULL,"
                         " raw_l DOUBLE PRECISION, raw_a DOUBLE PRECISION,"
                         " raw_b DOUBLE PRECISION,"
                         " shown1 TEXT NOT NULL, shown2 TEXT NOT NULL, shown3 TEXT NOT NULL,"
                         " formula TEXT NOT NULL,"
                         " delta_e DOUBLE PRECISION,"
                         " verdict TEXT NOT NULL,"
                         " tolerance TEXT NOT NULL,"
                         " time_ms BIGINT,"
                         " time_zone TEXT NOT NULL,"
                         " station TEXT NOT NULL,"
                         " operator_name TEXT NOT NULL,"
                         " instrument_model TEXT NOT NULL,"
                         " port TEXT NOT NULL,"
                         " file_path TEXT NOT NULL,"
                         " origin TEXT NOT NULL)"),
          // The record indexes hold only what entered the tree (the queries
          // ask for nothing else) and end in seq, the tie-break of the
          // order, so that a page is chosen from the index alone and only
          // its rows are read from the table.
          QStringLiteral("CREATE INDEX history_records_name_time"
                         " ON history_records (name_key, time_ms, seq) WHERE event = 'entered'"),
          QStringLiteral("CREATE INDEX history_records_time"
                         " ON history_records (time_ms, seq) WHERE event = 'entered'"),
          QStringLiteral("CREATE INDEX history_records_station"
                         " ON history_records (station, time_ms, seq) WHERE event = 'entered'"),
          QStringLiteral("CREATE INDEX history_records_operator ON history_records"
                         " (operator_name, time_ms, seq) WHERE event = 'entered'"),
          QStringLiteral("CREATE INDEX history_records_verdict"
                         " ON history_records (verdict, time_ms, seq) WHERE event = 'entered'"),
          QStringLiteral("CREATE INDEX history_records_file"
                         " ON history_records (file_path, time_ms, seq) WHERE event = 'entered'"),
          QStringLiteral("CREATE INDEX history_records_type"
                         " ON history_records (type_id, time_ms) WHERE event = 'entered'"),
          // Renames and deletions are few: only they are indexed by item.
          QStringLiteral("CREATE INDEX history_records_events ON history_records (item_id)"
                         " WHERE event <> 'entered'")}},
    };
    return steps;
}

const char recordColumns[] =
    "r.id, r.event, r.item_id, r.kind, r.name, r.type_id, r.type_name,"
    " r.c0, r.c1, r.c2, r.c3, r.c4, r.c5, r.c6, r.c7, r.c8,"
    " r.raw_l, r.raw_a, r.raw_b, r.shown1, r.shown2, r.shown3,"
    " r.formula, r.delta_e, r.verdict, r.tolerance, r.time_ms, r.time_zone,"
    " r.station, r.operator_name, r.instrument_model, r.port, r.file_path, r.origin";
const int recordColumnCount = 34;

// The latest name and the deletion of the item of an Entered record `r`;
// the repeated "event <> 'entered'" lets the partial index serve.
const char eventColumns[] =
    ", (SELECT e.name FROM history_records e WHERE e.item_id = r.id AND e.event <> 'entered'"
    " AND e.event = 'renamed' ORDER BY e.time_ms DESC, e.seq DESC LIMIT 1)"
    ", EXISTS (SELECT 1 FROM history_records e WHERE e.item_id = r.id"
    " AND e.event <> 'entered' AND e.event = 'deleted')";

QString idText(const QUuid &id)
{
    return id.toString(QUuid::WithoutBraces);
}

QVariant idValue(const QUuid &id)
{
    return id.isNull() ? QVariant(QVariant::String) : QVariant(idText(id));
}

// Not a number (or an infinity, which is no reading either) is stored as NULL.
QVariant numberValue(double value)
{
    return std::isfinite(value) ? QVariant(value) : QVariant(QVariant::Double);
}

double numberOf(const QVariant &value)
{
    return value.isNull() ? std::numeric_limits<double>::quiet_NaN() : value.toDouble();
}

QString toleranceText(const QStringList &tolerance)
{
    return QString::fromUtf8(
        QJsonDocument(QJsonArray::fromStringList(tolerance)).toJson(QJsonDocument::Compact));
}

QStringList toleranceOf(const QString &text)
{
    QStringList list;
    for (const QJsonValue &v : QJsonDocument::fromJson(text.toUtf8()).array())
        list << v.toString();
    return list;
}

QString folded(const QString &name)
{
    return name.toCaseFolded();
}

HistoryRecord recordOf(const QSqlQuery &q)
{
    HistoryRecord r;
    int c = 0;
    r.id = QUuid(q.value(c++).toString());
    history::eventFromText(q.value(c++).toString(), &r.event);
    r.itemId = QUuid(q.value(c++).toString());
    history::kindFromText(q.value(c++).toString(), &r.kind);
    r.name = q.value(c++).toString();
    const QVariant typeId = q.value(c++);
    r.typeId = typeId.isNull() ? QUuid() : QUuid(typeId.toString());
    r.typeName = q.value(c++).toString();
    for (QString &condition : r.conditions)
        condition = q.value(c++).toString();
    r.rawL = numberOf(q.value(c++));
    r.rawA = numberOf(q.value(c++));
    r.rawB = numberOf(q.value(c++));
    for (QString &shown : r.shown)
        shown = q.value(c++).toString();
    r.formula = q.value(c++).toString();
    r.deltaE = numberOf(q.value(c++));
    r.verdict = q.value(c++).toString();
    r.tolerance = toleranceOf(q.value(c++).toString());
    const QVariant time = q.value(c++);
    if (!time.isNull())
        r.time = QDateTime::fromMSecsSinceEpoch(time.toLongLong(), Qt::UTC);
    r.timeZone = q.value(c++).toString();
    r.station = q.value(c++).toString();
    r.operatorName = q.value(c++).toString();
    r.instrumentModel = q.value(c++).toString();
    r.port = q.value(c++).toString();
    r.filePath = q.value(c++).toString();
    history::originFromText(q.value(c++).toString(), &r.origin);
    return r;
}

QAtomicInt connectionCounter;

} // namespace

struct historyStore::Private
{
    historyConnection connection;
    QString name; // of the QSqlDatabase connection
    bool open = false;
    bool postgres = false;
    QHash<QString, qint64> nameKeys; // Type name -> history_type_names.id

    QSqlDatabase db() const { return QSqlDatabase::database(name, false); }
    QString where() const
    {
        if (!postgres)
            return QDir::toNativeSeparators(connection.sqlitePath.isEmpty()
                                                ? historyConnection::defaultSqlitePath()
                                                : connection.sqlitePath);
        return connection.toText();
    }

    bool exec(QSqlQuery &q, const QString &sql, QString *error)
    {
        if (q.exec(sql))
            return true;
        *error = QCoreApplication::translate(
                     "historyStore", "The history database %1 could not be read or written: %2")
                     .arg(where(), q.lastError().text().trimmed());
        return false;
    }
    bool exec(QSqlQuery &q, QString *error)
    {
        if (q.exec())
            return true;
        *error = QCoreApplication::translate(
                     "historyStore", "The history database %1 could not be read or written: %2")
                     .arg(where(), q.lastError().text().trimmed());
        return false;
    }
    bool run(const QString &sql, QString *error)
    {
        QSqlQuery q(db());
        return exec(q, sql, error);
    }

    // After a failure: whether the connection itself is lost (a server
    // restarted or switched off), so that isOpen() tells the caller to open
    // again.  An SQLite file has no connection to lose.
    bool gone()
    {
        if (!postgres)
            return false;
        QSqlQuery q(db());
        return !q.exec(QStringLiteral("SELECT 1")) || !q.next() || q.value(0).toInt() != 1;
    }

    QString connectError(const QSqlError &e) const;
    bool readVersion(int *version, QString *error);
    bool migrate(int from, QString *error);
    bool nameKey(const QString &name, qint64 *key, QString *error);
    bool filterSql(const HistoryFilter &filter, QString *sql, QVariantList *values, QString *error);
    // The filter of an open store as SQL; a connection found gone on the
    // way closes `store`.
    bool openFilter(historyStore *store, const HistoryFilter &filter, QString *sql,
                    QVariantList *values, QString &why);
};

QString historyStore::Private::connectError(const QSqlError &e) const
{
    const QString detail = e.text().trimmed();
    const QString text = detail.toLower();
    if (!postgres)
        return QCoreApplication::translate("historyStore",
                                           "The history file %1 cannot be opened: %2")
            .arg(where(), detail);
    if (text.contains(QLatin1String("database \"")) &&
        text.contains(QLatin1String("does not exist")))
        return QCoreApplication::translate(
                   "historyStore",
                   "The server has no database \"%1\"; create it first (see README).")
            .arg(connection.database);
    if (text.contains(QLatin1String("authentication")) ||
        text.contains(QLatin1String("password")) || text.contains(QLatin1String("role \"")) ||
        text.contains(QLatin1String("pg_hba.conf")) ||
        text.contains(QLatin1String("permission denied")))
        return QCoreApplication::translate(
                   "historyStore", "The server refused user \"%1\" (authentication failed): %2")
            .arg(connection.user.isEmpty() ? qEnvironmentVariable("USER") : connection.user,
                 detail);
    return QCoreApplication::translate("historyStore",
                                       "The history server %1 does not answer (is it running?): %2")
        .arg(where(), detail);
}

bool historyStore::Private::readVersion(int *version, QString *error)
{
    QSqlQuery q(db());
    q.setForwardOnly(true);
    const QString exists =
        postgres ? QStringLiteral("SELECT 1 FROM information_schema.tables WHERE table_schema ="
                                  " current_schema() AND table_name = 'history_schema'")
                 : QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name ="
                                  " 'history_schema'");
    if (!q.exec(exists)) {
        // SQLITE_NOTADB: the file holds something else.
        if (!postgres && q.lastError().nativeErrorCode() == QLatin1String("26"))
            *error = QCoreApplication::translate("historyStore", "%1 is not a database file.")
                         .arg(where());
        else
            *error = QCoreApplication::translate("historyStore",
                                                 "The history database %1 could not be read: %2")
                         .arg(where(), q.lastError().text().trimmed());
        return false;
    }
    if (!q.next()) {
        *version = -1;
        return true;
    }
    q.finish();
    if (!exec(q, QStringLiteral("SELECT MAX(version) FROM history_schema"), error))
        return false;
    *version = q.next() && !q.value(0).isNull() ? q.value(0).toInt() : 0;
    return true;
}

bool historyStore::Private::migrate(int from, QString *error)
{
    // Two stations may meet an empty shared database at once: the first takes
    // the lock and builds, the second then finds the schema built.
    if (!run(postgres ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE"), error))
        return false;
    auto fail = [this] {
        QSqlQuery q(db());
        q.exec(QStringLiteral("ROLLBACK"));
        return false;
    };
    if (postgres && !run(QStringLiteral("SELECT pg_advisory_xact_lock(4711025)"), error))
        return fail();
    if (!run(QStringLiteral("CREATE TABLE IF NOT EXISTS history_schema (version INTEGER NOT NULL)"),
             error))
        return fail();
    int version = from;
    if (!readVersion(&version, error))
        return fail();
    version = qMax(version, 0);
    const int target = historyStore::schemaVersion();
    if (version > target) {
        *error = QCoreApplication::translate(
                     "historyStore",
                     "The history database %1 has schema version %2, newer than this QCM knows "
                     "(%3); it is left as it is. Update QCM to use it.")
                     .arg(where(), QString::number(version), QString::number(target));
        return fail();
    }
    const QString serial =
        postgres ? QStringLiteral("BIGSERIAL PRIMARY KEY") : QStringLiteral("INTEGER PRIMARY KEY");
    for (int step = version; step < target; ++step) {
        for (QString sql : schemaSteps().at(step).statements) {
            if (!run(sql.replace(QLatin1String("%SERIAL%"), serial), error))
                return fail();
        }
    }
    if (!run(QStringLiteral("DELETE FROM history_schema"), error) ||
        !run(QStringLiteral("INSERT INTO history_schema (version) VALUES (%1)").arg(target),
             error) ||
        !run(QStringLiteral("COMMIT"), error))
        return fail();
    return true;
}

bool historyStore::Private::nameKey(const QString &name, qint64 *key, QString *error)
{
    const auto known = nameKeys.constFind(name);
    if (known != nameKeys.constEnd()) {
        *key = *known;
        return true;
    }
    QSqlQuery q(db());
    q.prepare(QStringLiteral("INSERT INTO history_type_names (name, folded) VALUES (?, ?)"
                             " ON CONFLICT (name) DO NOTHING"));
    q.addBindValue(name);
    q.addBindValue(folded(name));
    if (!exec(q, error))
        return false;
    q.prepare(QStringLiteral("SELECT id FROM history_type_names WHERE name = ?"));
    q.addBindValue(name);
    if (!exec(q, error))
        return false;
    if (!q.next()) {
        *error = QCoreApplication::translate("historyStore",
                                             "The history database %1 lost the Type name \"%2\".")
                     .arg(where(), name);
        return false;
    }
    *key = q.value(0).toLongLong();
    nameKeys.insert(name, *key);
    return true;
}

// The WHERE clause of a filter.  The Type names holding the text are looked
// up first and named by their keys, so that the planner knows how few they
// are (a server plans a parameterised substring match as a third of all).
bool historyStore::Private::filterSql(const HistoryFilter &filter, QString *where,
                                      QVariantList *values, QString *error)
{
    QString &sql = *where;
    sql = QStringLiteral(" WHERE r.event = 'entered'");
    if (!filter.typeName.isEmpty()) {
        QSqlQuery q(db());
        q.setForwardOnly(true);
        q.prepare(postgres ? QStringLiteral("SELECT id FROM history_type_names"
                                            " WHERE strpos(folded, ?) > 0")
                           : QStringLiteral("SELECT id FROM history_type_names"
                                            " WHERE instr(folded, ?) > 0"));
        q.addBindValue(folded(filter.typeName));
        if (!exec(q, error))
            return false;
        QStringList keys;
        while (q.next())
            keys << QString::number(q.value(0).toLongLong());
        sql += keys.isEmpty() ? QStringLiteral(" AND 1 = 0")
                              : QStringLiteral(" AND r.name_key IN (") + keys.join(',') + ')';
    }
    if (filter.since.isValid()) {
        sql += QStringLiteral(" AND r.time_ms >= ?");
        *values << filter.since.toMSecsSinceEpoch();
    }
    if (filter.until.isValid()) {
        sql += QStringLiteral(" AND r.time_ms < ?");
        *values << filter.until.toMSecsSinceEpoch();
    }
    const std::pair<const QString *, const char *> exact[] = {
        {&filter.station, " AND r.station = ?"},
        {&filter.operatorName, " AND r.operator_name = ?"},
        {&filter.verdict, " AND r.verdict = ?"},
        {&filter.filePath, " AND r.file_path = ?"}};
    for (const auto &[value, term] : exact) {
        if (!value->isEmpty()) {
            sql += QLatin1String(term);
            *values << *value;
        }
    }
    return true;
}

historyStore::historyStore(const historyConnection &connection) : d(new Private)
{
    d->connection = connection;
    d->postgres = connection.driver == historyConnection::Driver::PostgreSQL;
    d->name = QStringLiteral("qcm-history-%1").arg(connectionCounter.fetchAndAddRelaxed(1));
}

historyStore::~historyStore()
{
    close();
    delete d;
}

bool historyStore::open(QString *error)
{
    close();
    QString ignored;
    QString &why = error ? *error : ignored;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(
            d->postgres ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE"), d->name);
        if (!db.isValid()) {
            why = d->postgres
                      ? QCoreApplication::translate(
                            "historyStore", "The PostgreSQL driver of Qt (QPSQL) is not installed.")
                      : QCoreApplication::translate(
                            "historyStore", "The SQLite driver of Qt (QSQLITE) is not installed.");
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(d->name);
            return false;
        }
        if (d->postgres) {
            if (!d->connection.host.isEmpty())
                db.setHostName(d->connection.host);
            db.setPort(d->connection.port);
            db.setDatabaseName(d->connection.database);
            if (!d->connection.user.isEmpty())
                db.setUserName(d->connection.user);
            // A server that is switched off or cut off must not hold the
            // caller for long; libpq's own wait is unbounded.
            db.setConnectOptions(QStringLiteral("connect_timeout=5"));
        } else {
            const QString path = d->connection.sqlitePath.isEmpty()
                                     ? historyConnection::defaultSqlitePath()
                                     : d->connection.sqlitePath;
            QDir().mkpath(QFileInfo(path).absolutePath());
            db.setDatabaseName(path);
            // Another QCM (or qcmtool) writing at the same moment is waited for.
            db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
        }
        if (!db.open()) {
            why = d->connectError(db.lastError());
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(d->name);
            return false;
        }
    }
    d->open = true;
    // The notices of "IF NOT EXISTS" are no news to a user of qcmtool.
    if (d->postgres && !d->run(QStringLiteral("SET client_min_messages = warning"), &why)) {
        close();
        return false;
    }
    int version = -1;
    if (!d->readVersion(&version, &why)) {
        close();
        return false;
    }
    if (version > schemaVersion()) {
        why = QCoreApplication::translate(
                  "historyStore",
                  "The history database %1 has schema version %2, newer than this QCM knows "
                  "(%3); it is left as it is. Update QCM to use it.")
                  .arg(d->where(), QString::number(version), QString::number(schemaVersion()));
        close();
        return false;
    }
    // Write-ahead logging lets the history window read while a record is
    // written.  synchronous=FULL: the outbox forgets a record once insert()
    // said it is stored, so a commit must survive a power loss as well, at
    // one sync per batch (the writes never run on the window's thread).
    if (!d->postgres && (!d->run(QStringLiteral("PRAGMA journal_mode=WAL"), &why) ||
                         !d->run(QStringLiteral("PRAGMA synchronous=FULL"), &why) ||
                         !d->run(QStringLiteral("PRAGMA foreign_keys=ON"), &why))) {
        close();
        return false;
    }
    if (version < schemaVersion() && !d->migrate(version, &why)) {
        close();
        return false;
    }
    return true;
}

bool historyStore::isOpen() const
{
    return d->open;
}

void historyStore::close()
{
    d->nameKeys.clear();
    if (!QSqlDatabase::contains(d->name)) {
        d->open = false;
        return;
    }
    {
        QSqlDatabase db = QSqlDatabase::database(d->name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(d->name);
    d->open = false;
}

bool historyStore::insert(const QVector<HistoryRecord> &records, QString *error)
{
    QString ignored;
    QString &why = error ? *error : ignored;
    if (!d->open) {
        why = QCoreApplication::translate("historyStore", "The history database is not open.");
        return false;
    }
    for (const HistoryRecord &r : records) {
        if (r.id.isNull()) {
            why = QCoreApplication::translate("historyStore",
                                              "A history record without an id cannot be stored.");
            return false;
        }
    }
    if (records.isEmpty())
        return true;
    auto fail = [this] {
        QSqlQuery q(d->db());
        q.exec(QStringLiteral("ROLLBACK"));
        // Names added in the failed transaction are gone again.
        d->nameKeys.clear();
        if (d->gone())
            close();
        return false;
    };
    if (!d->run(d->postgres ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE"), &why))
        return fail();
    QSqlQuery q(d->db());
    const QString sql = QStringLiteral(
        "INSERT INTO history_records (id, event, item_id, kind, name, type_id, type_name,"
        " name_key, c0, c1, c2, c3, c4, c5, c6, c7, c8, raw_l, raw_a, raw_b,"
        " shown1, shown2, shown3, formula, delta_e, verdict, tolerance, time_ms, time_zone,"
        " station, operator_name, instrument_model, port, file_path, origin)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?,"
        " ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (id) DO NOTHING");
    if (!q.prepare(sql)) {
        why = QCoreApplication::translate(
                  "historyStore", "The history database %1 could not be read or written: %2")
                  .arg(d->where(), q.lastError().text().trimmed());
        return fail();
    }
    for (const HistoryRecord &r : records) {
        QVariant key(QVariant::LongLong);
        if (r.event == history::Event::Entered) {
            qint64 k = 0;
            if (!d->nameKey(r.kind == history::Kind::Type ? r.name : r.typeName, &k, &why))
                return fail();
            key = k;
        }
        q.addBindValue(idText(r.id));
        q.addBindValue(history::eventText(r.event));
        q.addBindValue(idText(r.itemId.isNull() ? r.id : r.itemId));
        q.addBindValue(history::kindText(r.kind));
        q.addBindValue(r.name.isNull() ? QString("") : r.name);
        q.addBindValue(idValue(r.typeId));
        q.addBindValue(r.typeName.isNull() ? QString("") : r.typeName);
        q.addBindValue(key);
        for (const QString &condition : r.conditions)
            q.addBindValue(condition.isNull() ? QString("") : condition);
        q.addBindValue(numberValue(r.rawL));
        q.addBindValue(numberValue(r.rawA));
        q.addBindValue(numberValue(r.rawB));
        for (const QString &shown : r.shown)
            q.addBindValue(shown.isNull() ? QString("") : shown);
        q.addBindValue(r.formula.isNull() ? QString("") : r.formula);
        q.addBindValue(numberValue(r.deltaE));
        q.addBindValue(r.verdict.isNull() ? QString("") : r.verdict);
        q.addBindValue(toleranceText(r.tolerance));
        q.addBindValue(r.time.isValid() ? QVariant(r.time.toMSecsSinceEpoch())
                                        : QVariant(QVariant::LongLong));
        for (const QString *text :
             {&r.timeZone, &r.station, &r.operatorName, &r.instrumentModel, &r.port, &r.filePath})
            q.addBindValue(text->isNull() ? QString("") : *text);
        q.addBindValue(history::originText(r.origin));
        if (!d->exec(q, &why))
            return fail();
    }
    q.finish();
    if (!d->run(QStringLiteral("COMMIT"), &why))
        return fail();
    return true;
}

bool historyStore::Private::openFilter(historyStore *store, const HistoryFilter &filter,
                                       QString *sql, QVariantList *values, QString &why)
{
    if (!open) {
        why = QCoreApplication::translate("historyStore", "The history database is not open.");
        return false;
    }
    if (filterSql(filter, sql, values, &why))
        return true;
    if (gone())
        store->close();
    return false;
}

bool historyStore::query(const HistoryFilter &filter, int offset, int limit, QVector<Row> *rows,
                         QString *error)
{
    QString ignored;
    QString &why = error ? *error : ignored;
    rows->clear();
    QVariantList values;
    // The page is chosen first (from an index alone where the filter allows),
    // then only its rows are read.
    QString where;
    if (!d->openFilter(this, filter, &where, &values, why))
        return false;
    const QString sql = QStringLiteral("SELECT ") + QLatin1String(recordColumns) +
                        QLatin1String(eventColumns) +
                        QStringLiteral(" FROM history_records r WHERE r.seq IN (SELECT r.seq FROM"
                                       " history_records r") +
                        where +
                        QStringLiteral(" ORDER BY r.time_ms DESC, r.seq DESC LIMIT ? OFFSET ?)"
                                       " ORDER BY r.time_ms DESC, r.seq DESC");
    values << qMax(limit, 0) << qMax(offset, 0);
    QSqlQuery q(d->db());
    q.setForwardOnly(true);
    q.prepare(sql);
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!d->exec(q, &why)) {
        if (d->gone())
            close();
        return false;
    }
    while (q.next()) {
        Row row;
        row.record = recordOf(q);
        const QVariant renamed = q.value(recordColumnCount);
        row.currentName = renamed.isNull() ? row.record.name : renamed.toString();
        row.deleted = q.value(recordColumnCount + 1).toBool();
        rows->append(row);
    }
    return true;
}

bool historyStore::count(const HistoryFilter &filter, qint64 *count, QString *error)
{
    QString ignored;
    QString &why = error ? *error : ignored;
    *count = 0;
    QVariantList values;
    QString where;
    if (!d->openFilter(this, filter, &where, &values, why))
        return false;
    const QString sql = QStringLiteral("SELECT COUNT(*) FROM history_records r") + where;
    QSqlQuery q(d->db());
    q.setForwardOnly(true);
    q.prepare(sql);
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!d->exec(q, &why)) {
        if (d->gone())
            close();
        return false;
    }
    if (q.next())
        *count = q.value(0).toLongLong();
    return true;
}

bool historyStore::samplesOf(const QVector<QUuid> &typeIds, QVector<Row> *rows, QString *error)
{
    QString ignored;
    QString &why = error ? *error : ignored;
    rows->clear();
    if (!d->open) {
        why = QCoreApplication::translate("historyStore", "The history database is not open.");
        return false;
    }
    struct Found
    {
        Row row;
        qint64 seq;
    };
    QVector<Found> found;
    // In portions, well below the drivers' limits on bound values.
    const int portion = 500;
    for (int start = 0; start < typeIds.size(); start += portion) {
        const int n = qMin(portion, typeIds.size() - start);
        QStringList marks;
        for (int i = 0; i < n; ++i)
            marks << QStringLiteral("?");
        QSqlQuery q(d->db());
        q.setForwardOnly(true);
        q.prepare(QStringLiteral("SELECT ") + QLatin1String(recordColumns) +
                  QLatin1String(eventColumns) +
                  QStringLiteral(", r.seq FROM history_records r WHERE r.event = 'entered'"
                                 " AND r.kind = 'Sample' AND r.type_id IN (") +
                  marks.join(',') + ')');
        for (int i = 0; i < n; ++i)
            q.addBindValue(idText(typeIds.at(start + i)));
        if (!d->exec(q, &why)) {
            if (d->gone())
                close();
            return false;
        }
        while (q.next()) {
            Found f;
            f.row.record = recordOf(q);
            const QVariant renamed = q.value(recordColumnCount);
            f.row.currentName = renamed.isNull() ? f.row.record.name : renamed.toString();
            f.row.deleted = q.value(recordColumnCount + 1).toBool();
            f.seq = q.value(recordColumnCount + 2).toLongLong();
            found.append(f);
        }
    }
    std::sort(found.begin(), found.end(), [](const Found &a, const Found &b) {
        const qint64 ta = a.row.record.time.isValid() ? a.row.record.time.toMSecsSinceEpoch() : 0;
        const qint64 tb = b.row.record.time.isValid() ? b.row.record.time.toMSecsSinceEpoch() : 0;
        return ta != tb ? ta < tb : a.seq < b.seq;
    });
    rows->reserve(found.size());
    for (const Found &f : found)
        rows->append(f.row);
    return true;
}

int historyStore::schemaVersion()
{
    return schemaSteps().size();
}
