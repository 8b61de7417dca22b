// The history store on real databases: an SQLite file, and a throwaway
// PostgreSQL server of this program's own.  Every behaviour is checked on
// both through the `backend` column; each test gets an empty database.

#include "../support/postgresServer.h"
#include "historyStore.h"
#include "historyTestData.h"

#include <QCryptographicHash>
#include <QStandardPaths>
#include <QTest>
#include <QThread>
#include <QtSql/QSqlDatabase>
#include <QtSql/QSqlQuery>

#include <cmath>

using namespace historyTest;

namespace {

bool sameNumber(double a, double b)
{
    return (std::isnan(a) && std::isnan(b)) || a == b;
}

// The first field in which two records differ, or empty.
QString difference(const HistoryRecord &a, const HistoryRecord &b)
{
    const std::pair<const char *, bool> checks[] = {
        {"id", a.id == b.id},
        {"event", a.event == b.event},
        {"itemId", a.itemId == b.itemId},
        {"kind", a.kind == b.kind},
        {"name", a.name == b.name},
        {"typeId", a.typeId == b.typeId},
        {"typeName", a.typeName == b.typeName},
        {"conditions", a.conditions == b.conditions},
        {"rawL", sameNumber(a.rawL, b.rawL)},
        {"rawA", sameNumber(a.rawA, b.rawA)},
        {"rawB", sameNumber(a.rawB, b.rawB)},
        {"shown", a.shown == b.shown},
        {"formula", a.formula == b.formula},
        {"deltaE", sameNumber(a.deltaE, b.deltaE)},
        {"verdict", a.verdict == b.verdict},
        {"tolerance", a.tolerance == b.tolerance},
        {"time", a.time == b.time && b.time.timeSpec() == Qt::UTC},
        {"timeZone", a.timeZone == b.timeZone},
        {"station", a.station == b.station},
        {"operatorName", a.operatorName == b.operatorName},
        {"instrumentModel", a.instrumentModel == b.instrumentModel},
        {"port", a.port == b.port},
        {"filePath", a.filePath == b.filePath},
        {"origin", a.origin == b.origin}};
    for (const auto &[field, same] : checks)
        if (!same)
            return QString::fromLatin1(field);
    return {};
}

QStringList namesOf(const QVector<historyStore::Row> &rows)
{
    QStringList names;
    for (const historyStore::Row &row : rows)
        names << row.record.name;
    return names;
}

QByteArray fileHash(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// Raw SQL on a database, beside the store (to build old or foreign schemas
// and to look at what the store left).
class rawDatabase
{
public:
    explicit rawDatabase(const historyConnection &c)
    {
        static int counter = 0;
        m_name = QStringLiteral("raw-%1").arg(++counter);
        QSqlDatabase db = QSqlDatabase::addDatabase(
            c.driver == historyConnection::Driver::SQLite ? "QSQLITE" : "QPSQL", m_name);
        if (c.driver == historyConnection::Driver::SQLite) {
            db.setDatabaseName(c.sqlitePath);
        } else {
            db.setHostName(c.host);
            db.setPort(c.port);
            db.setDatabaseName(c.database);
            db.setUserName(c.user);
        }
        m_open = db.open();
    }
    ~rawDatabase()
    {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    bool isOpen() const { return m_open; }
    bool exec(const QString &sql)
    {
        QSqlQuery q(QSqlDatabase::database(m_name, false));
        return q.exec(sql);
    }
    // The first column of the first row, or an invalid value.
    QVariant value(const QString &sql)
    {
        QSqlQuery q(QSqlDatabase::database(m_name, false));
        if (!q.exec(sql) || !q.next())
            return {};
        return q.value(0);
    }

private:
    QString m_name;
    bool m_open = false;
};

} // namespace

class tst_historyStore : public QObject
{
    Q_OBJECT

    postgresServer server;
    QTemporaryDir folder;
    int databases = 0;

    historyConnection freshDatabase(const QString &backend)
    {
        ++databases;
        if (backend == "sqlite") {
            historyConnection c;
            c.sqlitePath = folder.filePath(QString("history-%1.sqlite").arg(databases));
            return c;
        }
        QString error;
        const QString name = QString("h%1").arg(databases);
        if (!server.superuserSql(QString("CREATE DATABASE %1 OWNER qcm").arg(name), &error))
            qWarning("%s", qPrintable(error));
        return server.connection(name);
    }

    void backends()
    {
        QTest::addColumn<QString>("backend");
        QTest::newRow("sqlite") << "sqlite";
        QTest::newRow("postgresql") << "postgresql";
    }

    // An open store on an empty database of the backend of the current row.
    bool openFresh(historyStore **store, historyConnection *connection = nullptr)
    {
        QFETCH(QString, backend);
        const historyConnection c = freshDatabase(backend);
        if (connection)
            *connection = c;
        *store = new historyStore(c);
        QString error;
        if (!(*store)->open(&error)) {
            qWarning("%s", qPrintable(error));
            return false;
        }
        return true;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(folder.isValid());
        QString error;
        QVERIFY2(server.start(&error), qPrintable(error));
    }

    void roundTrip_data() { backends(); }
    void roundTrip()
    {
        historyStore *raw = nullptr;
        QVERIFY(openFresh(&raw));
        std::unique_ptr<historyStore> store(raw);

        HistoryRecord type =
            typeRecord(QString::fromUtf8("Enzianblau 蓝色 RAL 5010 \xCE\x94"),
                       QDateTime(QDate(2026, 3, 1), QTime(8, 15, 30, 123), Qt::UTC));
        type.rawL = std::numeric_limits<double>::quiet_NaN(); // typed in, no reading
        type.rawA = 0.1 + 0.2;                                // every digit of a double
        type.rawB = -1e-300;
        type.timeZone = "Asia/Shanghai";
        type.origin = history::Origin::Library;
        type.operatorName = QString::fromUtf8("王小明");
        type.filePath = QString::fromUtf8("/data/März/day 1.qcm");
        HistoryRecord sample =
            sampleRecord(type, "S-1, \"quoted\"\nline",
                         QDateTime(QDate(2026, 3, 1), QTime(23, 59, 59, 999), Qt::UTC), "Fail");
        sample.origin = history::Origin::SetAs;
        sample.deltaE = std::numeric_limits<double>::infinity(); // no number either
        sample.port.clear();
        // A time given in another zone is stored as the same instant.
        HistoryRecord late = sampleRecord(
            type, "S-2", QDateTime(QDate(2026, 3, 2), QTime(9, 0), QTimeZone("Europe/Berlin")));
        late.origin = history::Origin::Imported;

        QString error;
        QVERIFY2(store->insert({type, sample, late}, &error), qPrintable(error));
        QVector<historyStore::Row> rows;
        QVERIFY2(store->query({}, 0, 10, &rows, &error), qPrintable(error));
        QCOMPARE(rows.size(), 3);
        QCOMPARE(difference(type, rows[2].record), QString());
        sample.deltaE = std::numeric_limits<double>::quiet_NaN();
        QCOMPARE(difference(sample, rows[1].record), QString());
        QCOMPARE(rows[0].record.time, QDateTime(QDate(2026, 3, 2), QTime(8, 0), Qt::UTC));
        QCOMPARE(rows[0].record.time.timeSpec(), Qt::UTC);
        QCOMPARE(rows[0].record.origin, history::Origin::Imported);
        QVERIFY(rows[2].record.typeId.isNull());
        QCOMPARE(rows[2].currentName, type.name);
        QVERIFY(!rows[2].deleted);

        // Reopened, the same.
        store->close();
        QVERIFY(!store->isOpen());
        QVERIFY2(store->open(&error), qPrintable(error));
        QVERIFY2(store->query({}, 0, 10, &rows, &error), qPrintable(error));
        QCOMPARE(difference(type, rows.value(2).record), QString());

        // A record without an id is refused, and nothing of its batch stays.
        HistoryRecord noId = sampleRecord(type, "no id", utc(3));
        noId.id = QUuid();
        QVERIFY(!store->insert({sampleRecord(type, "with it", utc(3)), noId}, &error));
        QVERIFY(error.contains("without an id"));
        qint64 n = 0;
        QVERIFY(store->count({}, &n, &error));
        QCOMPARE(n, qint64(3));
    }

    void repeatedInsertStoredOnce_data() { backends(); }
    void repeatedInsertStoredOnce()
    {
        historyStore *raw = nullptr;
        QVERIFY(openFresh(&raw));
        std::unique_ptr<historyStore> store(raw);
        const HistoryRecord type = typeRecord("Type", utc(1));
        QVector<HistoryRecord> batch{type};
        for (int i = 0; i < 5; ++i)
            batch << sampleRecord(type, QString("S%1").arg(i), utc(1, 13, i));
        QString error;
        QVERIFY2(store->insert(batch, &error), qPrintable(error));
        // Sent again after a restart, partly overlapping, and doubled within one batch.
        QVERIFY2(store->insert(batch, &error), qPrintable(error));
        const HistoryRecord extra = sampleRecord(type, "S5", utc(1, 14));
        QVERIFY2(store->insert({batch[3], extra, extra, batch[0]}, &error), qPrintable(error));
        qint64 n = 0;
        QVERIFY2(store->count({}, &n, &error), qPrintable(error));
        QCOMPARE(n, qint64(7));
        QVector<historyStore::Row> rows;
        QVERIFY(store->query({}, 0, 100, &rows, &error));
        QCOMPARE(namesOf(rows), QStringList({"S5", "S4", "S3", "S2", "S1", "S0", "Type"}));
    }

    void queries_data() { backends(); }
    void queries()
    {
        historyStore *raw = nullptr;
        QVERIFY(openFresh(&raw));
        std::unique_ptr<historyStore> store(raw);
        const HistoryRecord blue = typeRecord("RAL 5010 Enzianblau", utc(1, 8));
        const HistoryRecord green = typeRecord(QString::fromUtf8("Grün 6018"), utc(1, 9));
        const HistoryRecord other = typeRecord("Signal 1003", utc(1, 10));
        QVector<HistoryRecord> records{blue, green, other};
        HistoryRecord b1 = sampleRecord(blue, "b1", utc(2, 0, 0));
        HistoryRecord b2 = sampleRecord(blue, "b2", utc(3, 0, 0), "Fail");
        b2.station = "line-2";
        b2.operatorName = "Bo";
        HistoryRecord b3 = sampleRecord(blue, "b3", utc(4, 0, 0));
        b3.filePath = "/data/other.qcm";
        HistoryRecord g1 = sampleRecord(green, "g1", utc(3, 0, 0), "Fail");
        HistoryRecord o1 = sampleRecord(other, "o1", utc(3, 12, 0));
        records << b1 << b2 << b3 << g1 << o1;
        QString error;
        QVERIFY2(store->insert(records, &error), qPrintable(error));

        struct Case
        {
            const char *label;
            HistoryFilter filter;
            QStringList names; // newest first
        };
        auto filter = [](auto set) {
            HistoryFilter f;
            set(f);
            return f;
        };
        const QVector<Case> cases{
            {"no filter", {}, {"b3", "o1", "g1", "b2", "b1", "other", "green", "blue"}},
            {"substring at start, other case",
             filter([](HistoryFilter &f) { f.typeName = "ral 50"; }),
             {"b3", "b2", "b1", "blue"}},
            {"substring in the middle",
             filter([](HistoryFilter &f) { f.typeName = "5010 ENZ"; }),
             {"b3", "b2", "b1", "blue"}},
            {"substring at the end",
             filter([](HistoryFilter &f) { f.typeName = "BLAU"; }),
             {"b3", "b2", "b1", "blue"}},
            {"non-ASCII case",
             filter([](HistoryFilter &f) { f.typeName = QString::fromUtf8("GRÜN"); }),
             {"g1", "green"}},
            {"a text like a pattern", filter([](HistoryFilter &f) { f.typeName = "%"; }), {}},
            {"since is inclusive",
             filter([](HistoryFilter &f) { f.since = utc(3, 0, 0); }),
             {"b3", "o1", "g1", "b2"}},
            {"until is exclusive",
             filter([](HistoryFilter &f) { f.until = utc(3, 0, 0); }),
             {"b1", "other", "green", "blue"}},
            {"a day",
             filter([](HistoryFilter &f) {
                 f.since = utc(3, 0, 0);
                 f.until = utc(4, 0, 0);
             }),
             {"o1", "g1", "b2"}},
            {"station", filter([](HistoryFilter &f) { f.station = "line-2"; }), {"b2"}},
            {"operator", filter([](HistoryFilter &f) { f.operatorName = "Bo"; }), {"b2"}},
            {"verdict", filter([](HistoryFilter &f) { f.verdict = "Fail"; }), {"g1", "b2"}},
            {"file", filter([](HistoryFilter &f) { f.filePath = "/data/other.qcm"; }), {"b3"}},
            {"all together",
             filter([](HistoryFilter &f) {
                 f.typeName = "enzian";
                 f.since = utc(2, 0, 0);
                 f.until = utc(5, 0, 0);
                 f.verdict = "Pass";
                 f.station = "line-1";
                 f.operatorName = "Ada";
                 f.filePath = "/data/day.qcm";
             }),
             {"b1"}},
        };
        for (const Case &c : cases) {
            QVector<historyStore::Row> rows;
            QVERIFY2(store->query(c.filter, 0, 100, &rows, &error), qPrintable(error));
            QStringList names = namesOf(rows);
            names.replaceInStrings("RAL 5010 Enzianblau", "blue")
                .replaceInStrings(QString::fromUtf8("Grün 6018"), "green")
                .replaceInStrings("Signal 1003", "other");
            QVERIFY2(names == c.names, qPrintable(QString("%1: %2").arg(c.label, names.join(' '))));
            qint64 n = -1;
            QVERIFY2(store->count(c.filter, &n, &error), qPrintable(error));
            QCOMPARE(n, qint64(c.names.size()));
        }
    }

    void pagingIsStable_data() { backends(); }
    void pagingIsStable()
    {
        historyStore *raw = nullptr;
        QVERIFY(openFresh(&raw));
        std::unique_ptr<historyStore> store(raw);
        const HistoryRecord type = typeRecord("Paged", utc(1));
        QVector<HistoryRecord> records{type};
        // Many at one instant (an upload of stored data): the order within
        // it must not change between pages.
        for (int i = 0; i < 25; ++i)
            records << sampleRecord(type, QString("s%1").arg(i, 2, 10, QChar('0')),
                                    i < 20 ? utc(2) : utc(2, 12, i));
        QString error;
        QVERIFY2(store->insert(records, &error), qPrintable(error));
        QVector<historyStore::Row> all;
        QVERIFY(store->query({}, 0, 1000, &all, &error));
        QCOMPARE(all.size(), 26);
        QStringList paged;
        for (int offset = 0; offset < 30; offset += 7) {
            QVector<historyStore::Row> page;
            QVERIFY(store->query({}, offset, 7, &page, &error));
            QVERIFY(page.size() <= 7);
            paged << namesOf(page);
        }
        QCOMPARE(paged, namesOf(all));
        QCOMPARE(paged.mid(0, 6), QStringList({"s24", "s23", "s22", "s21", "s20", "s19"}));
        QCOMPARE(paged.last(), QString("Paged"));
        for (int i = 1; i < all.size(); ++i)
            QVERIFY(all[i - 1].record.time >= all[i].record.time);
    }

    void renamesAndDeletions_data() { backends(); }
    void renamesAndDeletions()
    {
        historyStore *raw = nullptr;
        QVERIFY(openFresh(&raw));
        std::unique_ptr<historyStore> store(raw);
        const HistoryRecord a = typeRecord("A", utc(1));
        const HistoryRecord b = typeRecord("B", utc(1, 13));
        const HistoryRecord a1 = sampleRecord(a, "a1", utc(2, 9));
        const HistoryRecord a2 = sampleRecord(a, "a2", utc(2, 11));
        const HistoryRecord b1 = sampleRecord(b, "b1", utc(2, 10));
        QString error;
        QVERIFY2(store->insert({a, b, a1, a2, b1}, &error), qPrintable(error));
        // Renamed twice (sent out of order: the later rename wins by time),
        // then deleted; a Sample deleted.
        QVERIFY2(store->insert({eventRecord(a, history::Event::Renamed, "A final", utc(5)),
                                eventRecord(a, history::Event::Renamed, "A first", utc(4)),
                                eventRecord(a, history::Event::Deleted, "A final", utc(6)),
                                eventRecord(a2, history::Event::Deleted, "a2", utc(6))},
                               &error),
                 qPrintable(error));
        QVector<historyStore::Row> rows;
        QVERIFY(store->query({}, 0, 100, &rows, &error));
        // Only what entered the tree is listed; events change how it reads.
        QCOMPARE(namesOf(rows), QStringList({"a2", "b1", "a1", "B", "A"}));
        QCOMPARE(rows[4].currentName, QString("A final"));
        QVERIFY(rows[4].deleted);
        QCOMPARE(rows[3].currentName, QString("B"));
        QVERIFY(!rows[3].deleted);
        QVERIFY(rows[0].deleted);
        QVERIFY(!rows[2].deleted);
        // The Type name searched is the one it was measured under.
        HistoryFilter f;
        f.typeName = "a";
        QVERIFY(store->query(f, 0, 100, &rows, &error));
        QCOMPARE(namesOf(rows), QStringList({"a2", "a1", "A"}));

        QVERIFY2(store->samplesOf({a.id, b.id}, &rows, &error), qPrintable(error));
        QCOMPARE(namesOf(rows), QStringList({"a1", "b1", "a2"}));
        QVERIFY(rows[2].deleted);
        QCOMPARE(rows[0].record.typeId, a.id);
        QVERIFY2(store->samplesOf({b.id}, &rows, &error), qPrintable(error));
        QCOMPARE(namesOf(rows), QStringList({"b1"}));
        QVERIFY(store->samplesOf({}, &rows, &error));
        QVERIFY(rows.isEmpty());
        // More Types than one statement binds.
        QVector<QUuid> many(1200);
        for (QUuid &id : many)
            id = QUuid::createUuid();
        many[1100] = b.id;
        QVERIFY2(store->samplesOf(many, &rows, &error), qPrintable(error));
        QCOMPARE(namesOf(rows), QStringList({"b1"}));
    }

    void twoWritersAtOnce_data() { backends(); }
    void twoWritersAtOnce()
    {
        // Two stations (two connections, each on its own thread) writing
        // batches into one database at the same time, each sending some of
        // its batches twice: every record arrives exactly once.
        historyStore *raw = nullptr;
        historyConnection connection;
        QVERIFY(openFresh(&raw, &connection));
        std::unique_ptr<historyStore> reader(raw);
        const int batches = 20;
        QAtomicInt failures;
        auto writer = [&](const QString &station) {
            historyStore store(connection);
            QString error;
            if (!store.open(&error)) {
                qWarning("%s", qPrintable(error));
                failures.ref();
                return;
            }
            const HistoryRecord type = typeRecord("Shared " + station, utc(1));
            QVector<HistoryRecord> previous{type};
            for (int b = 0; b < batches; ++b) {
                QVector<HistoryRecord> batch;
                for (int i = 0; i < 10; ++i) {
                    batch << sampleRecord(type, QString("%1-%2-%3").arg(station).arg(b).arg(i),
                                          utc(2, b % 24, i));
                    batch.last().station = station;
                }
                if (!store.insert(previous + batch, &error)) {
                    qWarning("%s", qPrintable(error));
                    failures.ref();
                    return;
                }
                previous = batch;
            }
        };
        std::unique_ptr<QThread> one(QThread::create(writer, QString("one")));
        std::unique_ptr<QThread> two(QThread::create(writer, QString("two")));
        one->start();
        two->start();
        QVERIFY(one->wait(120000));
        QVERIFY(two->wait(120000));
        QCOMPARE(failures.loadRelaxed(), 0);
        QString error;
        for (const QString station : {"one", "two"}) {
            HistoryFilter f;
            f.station = station;
            f.typeName = "shared";
            qint64 n = 0;
            QVERIFY2(reader->count(f, &n, &error), qPrintable(error));
            QCOMPARE(n, qint64(batches * 10));
        }
        qint64 all = 0;
        QVERIFY(reader->count({}, &all, &error));
        QCOMPARE(all, qint64(2 * batches * 10 + 2));
    }

    void schemaCreatedOnEmptyDatabase_data() { backends(); }
    void schemaCreatedOnEmptyDatabase()
    {
        historyStore *raw = nullptr;
        historyConnection connection;
        QVERIFY(openFresh(&raw, &connection));
        delete raw;
        rawDatabase db(connection);
        QVERIFY(db.isOpen());
        QCOMPARE(db.value("SELECT version FROM history_schema").toInt(),
                 historyStore::schemaVersion());
        QCOMPARE(db.value("SELECT COUNT(*) FROM history_schema").toInt(), 1);
        QCOMPARE(db.value("SELECT COUNT(*) FROM history_records").toInt(), 0);
        if (connection.driver == historyConnection::Driver::SQLite)
            QCOMPARE(db.value("PRAGMA journal_mode").toString(), QString("wal"));
        // A second open of a current database changes nothing.
        historyStore again(connection);
        QString error;
        QVERIFY2(again.open(&error), qPrintable(error));
        QCOMPARE(db.value("SELECT COUNT(*) FROM history_schema").toInt(), 1);
    }

    void olderSchemaMigrated_data() { backends(); }
    void olderSchemaMigrated()
    {
        // A database at version 0: the version table of an earlier start
        // that stopped before building anything.  Every step runs in order.
        QFETCH(QString, backend);
        const historyConnection connection = freshDatabase(backend);
        {
            rawDatabase db(connection);
            QVERIFY(db.isOpen());
            QVERIFY(db.exec("CREATE TABLE history_schema (version INTEGER NOT NULL)"));
            QVERIFY(db.exec("INSERT INTO history_schema (version) VALUES (0)"));
        }
        historyStore store(connection);
        QString error;
        QVERIFY2(store.open(&error), qPrintable(error));
        const HistoryRecord type = typeRecord("Migrated", utc(1));
        QVERIFY2(store.insert({type}, &error), qPrintable(error));
        rawDatabase db(connection);
        QCOMPARE(db.value("SELECT version FROM history_schema").toInt(),
                 historyStore::schemaVersion());
        QCOMPARE(db.value("SELECT COUNT(*) FROM history_schema").toInt(), 1);
        QCOMPARE(db.value("SELECT name FROM history_records").toString(), QString("Migrated"));
    }

    void newerSchemaRefusedUntouched_data() { backends(); }
    void newerSchemaRefusedUntouched()
    {
        QFETCH(QString, backend);
        const historyConnection connection = freshDatabase(backend);
        const int newer = historyStore::schemaVersion() + 1;
        {
            rawDatabase db(connection);
            QVERIFY(db.isOpen());
            QVERIFY(db.exec("CREATE TABLE history_schema (version INTEGER NOT NULL)"));
            QVERIFY(
                db.exec(QString("INSERT INTO history_schema (version) VALUES (%1)").arg(newer)));
            QVERIFY(db.exec("CREATE TABLE history_records (future TEXT)"));
            QVERIFY(db.exec("INSERT INTO history_records (future) VALUES ('kept')"));
        }
        const QByteArray before =
            backend == "sqlite" ? fileHash(connection.sqlitePath) : QByteArray();
        historyStore store(connection);
        QString error;
        QVERIFY(!store.open(&error));
        QVERIFY(!store.isOpen());
        QVERIFY2(error.contains(QString("schema version %1").arg(newer)) &&
                     error.contains("newer than this QCM knows") && error.contains("left as it is"),
                 qPrintable(error));
        QVERIFY(!store.insert({typeRecord("x", utc(1))}, &error));
        if (backend == "sqlite") {
            QCOMPARE(fileHash(connection.sqlitePath), before);
            QVERIFY(!QFile::exists(connection.sqlitePath + "-wal"));
        }
        rawDatabase db(connection);
        QCOMPARE(db.value("SELECT version FROM history_schema").toInt(), newer);
        QCOMPARE(db.value("SELECT future FROM history_records").toString(), QString("kept"));
        QVERIFY(!db.value("SELECT COUNT(*) FROM history_type_names").isValid());
    }

    void notADatabaseFile()
    {
        const QString path = folder.filePath("notes.sqlite");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("These are the notes of the day, not a database.\n").repeated(200));
        file.close();
        const QByteArray before = fileHash(path);
        historyConnection c;
        c.sqlitePath = path;
        historyStore store(c);
        QString error;
        QVERIFY(!store.open(&error));
        QVERIFY2(error.contains("is not a database file"), qPrintable(error));
        QCOMPARE(fileHash(path), before);

        // A file where the folder should be.
        c.sqlitePath = path + "/history.sqlite";
        historyStore below(c);
        QVERIFY(!below.open(&error));
        QVERIFY2(error.contains("cannot be opened"), qPrintable(error));
    }

    void serverProblemsSaidPlainly()
    {
        QString error;
        // No server at all: an empty socket folder.
        QTemporaryDir nowhere("/tmp/qcm-none-XXXXXX");
        historyConnection down = server.connection();
        down.host = nowhere.path();
        historyStore none(down);
        QVERIFY(!none.open(&error));
        QVERIFY2(error.contains("does not answer (is it running?)"), qPrintable(error));

        historyStore stranger(server.connection("history", "stranger"));
        QVERIFY(!stranger.open(&error));
        QVERIFY2(error.contains("refused user \"stranger\""), qPrintable(error));

        historyStore locked(server.connection("history", "locked"));
        QVERIFY(!locked.open(&error));
        QVERIFY2(error.contains("refused user \"locked\" (authentication failed)"),
                 qPrintable(error));

        historyStore missing(server.connection("nosuchdb"));
        QVERIFY(!missing.open(&error));
        QVERIFY2(error.contains("has no database \"nosuchdb\""), qPrintable(error));
    }

    void serverStoppedAndStartedAgain()
    {
        historyConnection connection = freshDatabase("postgresql");
        historyStore store(connection);
        QString error;
        QVERIFY2(store.open(&error), qPrintable(error));
        const HistoryRecord type = typeRecord("Before", utc(1));
        QVERIFY2(store.insert({type}, &error), qPrintable(error));

        QVERIFY2(server.stop(&error), qPrintable(error));
        QVERIFY(!server.isRunning());
        // The open connection now fails plainly; a new one says the server is away.
        QVERIFY(!store.insert({typeRecord("During", utc(2))}, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY2(!store.isOpen(), qPrintable(error)); // the caller learns to open again
        historyStore other(connection);
        QVERIFY(!other.open(&error));
        QVERIFY2(error.contains("does not answer"), qPrintable(error));

        QVERIFY2(server.start(&error), qPrintable(error));
        QVERIFY2(store.open(&error), qPrintable(error));
        QVERIFY2(store.insert({type, typeRecord("After", utc(3))}, &error), qPrintable(error));
        QVector<historyStore::Row> rows;
        QVERIFY(store.query({}, 0, 10, &rows, &error));
        QCOMPARE(namesOf(rows), QStringList({"After", "Before"}));
    }

    void closedStoreRefusesWork()
    {
        historyConnection c;
        c.sqlitePath = folder.filePath("closed.sqlite");
        historyStore store(c);
        QString error;
        QVector<historyStore::Row> rows;
        qint64 n = 0;
        QVERIFY(!store.insert({typeRecord("x", utc(1))}, &error));
        QVERIFY(error.contains("not open"));
        QVERIFY(!store.query({}, 0, 10, &rows, &error));
        QVERIFY(!store.count({}, &n, &error));
        QVERIFY(!store.samplesOf({QUuid::createUuid()}, &rows, &error));
        // Open and closed again, any number of times, without a stale connection.
        for (int i = 0; i < 3; ++i) {
            QVERIFY2(store.open(&error), qPrintable(error));
            QVERIFY(store.open(&error));
            store.close();
        }
        QVERIFY(!QSqlDatabase::connectionNames().join(' ').contains("qcm-history"));
    }
};

QTEST_GUILESS_MAIN(tst_historyStore)
#include "tst_historyStore.moc"
