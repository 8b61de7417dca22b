// The outbox on real databases: records durable on the disk before add()
// returns, sent in the order added and each stored once, through a restart
// after a kill, a PostgreSQL server stopped mid-run, and two stations
// writing to one server at the same time.  The stations that are killed or
// run side by side are processes of their own (outboxWriter).

#include "../support/postgresServer.h"
#include "historyOutbox.h"
#include "historyOutboxFile.h"
#include "historyStore.h"
#include "historyTestData.h"
#include "historyTiming.h"

#include <QBuffer>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtSql/QSqlDatabase>
#include <QtSql/QSqlQuery>

#include <cmath>
#include <csignal>

using namespace historyTest;

namespace {

const int drainTimeout = 30000;

QVector<HistoryRecord> someRecords(int count, const QString &station)
{
    QVector<HistoryRecord> records;
    const HistoryRecord type = typeRecord(station + " standard", utc(2, 8));
    for (int i = 0; i < count; ++i) {
        HistoryRecord r = i == 0 ? type
                                 : sampleRecord(type, QStringLiteral("S%1").arg(i),
                                                utc(2, 9, i % 60), i % 3 ? "Pass" : "Fail");
        r.station = station;
        records << r;
    }
    return records;
}

QStringList idsOf(const QVector<HistoryRecord> &records)
{
    QStringList ids;
    for (const HistoryRecord &r : records)
        ids << r.id.toString(QUuid::WithoutBraces);
    return ids;
}

// The ids of a station's records in the order the database took them
// (its `seq`), read with plain SQL beside the store.
QStringList storedIds(const historyConnection &c, const QString &station)
{
    static int opened = 0;
    const QString name = QStringLiteral("look%1").arg(++opened);
    QStringList ids;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(
            c.driver == historyConnection::Driver::SQLite ? "QSQLITE" : "QPSQL", name);
        if (c.driver == historyConnection::Driver::SQLite) {
            db.setDatabaseName(c.sqlitePath);
        } else {
            db.setHostName(c.host);
            db.setPort(c.port);
            db.setDatabaseName(c.database);
            db.setUserName(c.user);
        }
        if (db.open()) {
            QSqlQuery query(db);
            query.prepare("SELECT id FROM history_records WHERE station = ? ORDER BY seq");
            query.addBindValue(station);
            query.exec();
            while (query.next())
                ids << query.value(0).toString();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return ids;
}

// The throwaway server trades durability for speed; a server that loses
// what it confirmed would lose records whatever the outbox does, so the
// outbox is tested against one that keeps them (new sessions follow).
bool keepsCommits(const historyConnection &c)
{
    bool done = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QPSQL", "durable");
        db.setHostName(c.host);
        db.setPort(c.port);
        db.setDatabaseName(c.database);
        db.setUserName(c.user);
        done = db.open() && QSqlQuery(db).exec(QStringLiteral("ALTER DATABASE \"%1\" SET "
                                                              "synchronous_commit = on")
                                                   .arg(c.database));
    }
    QSqlDatabase::removeDatabase("durable");
    return done;
}

historyConnection sqliteAt(const QString &path)
{
    historyConnection c;
    c.sqlitePath = path;
    return c;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// A station process; what it kept (on the disk) is read from its output.
struct writerProcess
{
    QProcess process;
    QByteArray output;

    void start(const QString &folder, const historyConnection &c, int count, const QString &station)
    {
        QObject::connect(&process, &QProcess::readyReadStandardOutput,
                         [this] { output += process.readAllStandardOutput(); });
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(qEnvironmentVariable("QCM_BUILD_DIR") + "/tests/outboxWriter",
                      {folder, c.toText(), QString::number(count), station});
    }
    QStringList kept() const
    {
        QStringList ids;
        for (const QByteArray &line : output.split('\n'))
            if (line.startsWith("kept "))
                ids << QString::fromLatin1(line.mid(5));
        return ids;
    }
    bool drained() const { return output.contains("drained\n"); }
    bool ended()
    {
        return process.state() == QProcess::NotRunning || process.waitForFinished(10000);
    }
    void kill()
    {
        ::kill(pid_t(process.processId()), SIGKILL);
        process.waitForFinished(10000);
    }
};

} // namespace

class tst_historyOutbox : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    postgresServer server;
    QString serverError;
    bool serverUp = false;

    void needServer()
    {
        if (postgresServer::binaries().isEmpty())
            QSKIP("PostgreSQL is not installed (tools/setup.sh installs it)");
        QVERIFY2(serverUp, qPrintable(serverError));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        historyTiming quick;
        quick.retryMsec = 50;
        quick.orphanScanMsec = 50;
        quick.batchSize = 7;
        historyTiming::set(quick);
        if (!postgresServer::binaries().isEmpty())
            serverUp = server.start(&serverError) && keepsCommits(server.connection());
    }
    void cleanupTestCase() { historyTiming::set(historyTiming()); }

    void fileLines()
    {
        HistoryRecord type = typeRecord("RAL 5010 \"enzian\"\nblau", utc(3, 7));
        type.rawL = std::numeric_limits<double>::quiet_NaN();
        const HistoryRecord sample = sampleRecord(type, "S001", utc(3, 8), "Fail");
        HistoryRecord renamed = eventRecord(sample, history::Event::Renamed, "S001 b", utc(3, 9));
        renamed.origin = history::Origin::SetAs;

        // Every field comes back, an unknown reading as NaN.
        for (const HistoryRecord &r : {type, sample, renamed}) {
            HistoryRecord back;
            QVERIFY(historyOutboxFile::decode(historyOutboxFile::encode(r), &back));
            QCOMPARE(historyOutboxFile::encode(back), historyOutboxFile::encode(r));
            QCOMPARE(back.time, r.time);
            QCOMPARE(back.time.timeSpec(), Qt::UTC);
            QCOMPARE(std::isnan(back.rawL), std::isnan(r.rawL));
            QCOMPARE(back.typeId, r.typeId);
        }
        HistoryRecord nothing;
        QVERIFY(!historyOutboxFile::decode("{\"id\":\"x\"}", &nothing));
        QVERIFY(!historyOutboxFile::decode("not json", &nothing));

        // What a mark covers has gone; damaged lines and a torn tail are
        // dropped without taking their neighbours along.
        QByteArray bytes =
            historyOutboxFile::recordLine(type) + historyOutboxFile::recordLine(sample) +
            historyOutboxFile::sentLine(type.id) + "R {\"broken\n" +
            historyOutboxFile::sentLine(QUuid::createUuid()) +
            historyOutboxFile::recordLine(renamed) + historyOutboxFile::recordLine(type).chopped(9);
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        const historyOutboxFile::Content content = historyOutboxFile::read(&buffer);
        QCOMPARE(idsOf(content.unsent), idsOf({sample, renamed}));
        QCOMPARE(content.damagedLines, 3);
    }

    void sendsInOrderOnce()
    {
        const historyConnection db = sqliteAt(dir.filePath("order.sqlite"));
        const QVector<HistoryRecord> records = someRecords(26, "order");
        historyOutbox outbox;
        QString error;
        QVERIFY2(outbox.open(dir.filePath("order"), &error), qPrintable(error));
        QSignalSpy waiting(&outbox, &historyOutbox::waitingChanged);
        // Kept on the disk when add() returns, before anything is sent.
        QVERIFY(outbox.add(records.mid(0, 1), &error));
        QCOMPARE(outbox.waiting(), 1);
        QCOMPARE(waiting.last().at(0).toInt(), 1);
        historyOutboxFile::Content onDisk;
        {
            QFile file(outbox.path());
            QVERIFY(file.open(QIODevice::ReadOnly));
            onDisk = historyOutboxFile::read(&file);
        }
        QCOMPARE(idsOf(onDisk.unsent), idsOf(records.mid(0, 1)));
        QVERIFY(outbox.add(records.mid(1, 5), &error));
        outbox.setConnection(db);
        QVERIFY(outbox.add(records.mid(6), &error));
        QTRY_COMPARE_WITH_TIMEOUT(outbox.waiting(), 0, drainTimeout);
        QTRY_COMPARE(waiting.last().at(0).toInt(), 0);
        QVERIFY(outbox.failure().isEmpty());
        QCOMPARE(storedIds(db, "order"), idsOf(records));
        // Nothing waits: the file is empty again.
        QTRY_COMPARE(fileBytes(outbox.path()), QByteArray());

        // The fields arrive as they were given.
        historyStore store(db);
        QVERIFY2(store.open(&error), qPrintable(error));
        QVector<historyStore::Row> rows;
        HistoryFilter filter;
        filter.station = "order";
        QVERIFY2(store.query(filter, 0, 100, &rows, &error), qPrintable(error));
        QCOMPARE(rows.size(), 26);
        for (const historyStore::Row &row : qAsConst(rows)) {
            const HistoryRecord &sent =
                records.at(idsOf(records).indexOf(row.record.id.toString(QUuid::WithoutBraces)));
            QCOMPARE(historyOutboxFile::encode(row.record), historyOutboxFile::encode(sent));
        }

        // The same records once more (a second send): still stored once.
        historyOutbox again;
        QVERIFY(again.open(dir.filePath("order-again"), &error));
        again.setConnection(db);
        QVERIFY(again.add(records, &error));
        QTRY_COMPARE_WITH_TIMEOUT(again.waiting(), 0, drainTimeout);
        QCOMPARE(storedIds(db, "order"), idsOf(records));
    }

    // A kill after the database took records but before the outbox marked
    // them: they go again after the restart, and are stored once.
    void restartSendsWhatWasNotMarked()
    {
        const historyConnection db = sqliteAt(dir.filePath("restart.sqlite"));
        const QVector<HistoryRecord> records = someRecords(10, "restart");
        const QString folder = dir.filePath("restart");
        QVERIFY(QDir().mkpath(folder));
        {
            QFile file(folder + "/outbox-1.qcmh");
            QVERIFY(file.open(QIODevice::WriteOnly));
            for (int i = 0; i < 10; ++i) {
                file.write(historyOutboxFile::recordLine(records.at(i)));
                if (i == 3)
                    file.write(historyOutboxFile::sentLine(records.at(i).id));
            }
            file.write(historyOutboxFile::recordLine(records.at(0)).left(30)); // torn
        }
        QString error;
        {
            historyStore store(db);
            QVERIFY2(store.open(&error), qPrintable(error));
            QVERIFY2(store.insert(records.mid(4, 2), &error), qPrintable(error));
        }
        historyOutbox outbox;
        QVERIFY2(outbox.open(folder, &error), qPrintable(error));
        QCOMPARE(outbox.path(), folder + "/outbox-1.qcmh");
        QCOMPARE(outbox.waiting(), 6);
        outbox.setConnection(db);
        QTRY_COMPARE_WITH_TIMEOUT(outbox.waiting(), 0, drainTimeout);
        QCOMPARE(storedIds(db, "restart"), idsOf(records.mid(4)));
        QTRY_COMPARE(fileBytes(outbox.path()), QByteArray());
    }

    // Killed while it could not send: after the restart each record it
    // reported kept is sent, once.
    void killedStationLosesNothing()
    {
        const QString folder = dir.filePath("killed");
        // A database that cannot be opened: a file stands where its folder would.
        QFile blocker(dir.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const historyConnection unreachable = sqliteAt(dir.filePath("blocker/h.sqlite"));
        const historyConnection db = sqliteAt(dir.filePath("killed.sqlite"));

        writerProcess first;
        first.start(folder, unreachable, -1, "killed");
        QTRY_VERIFY_WITH_TIMEOUT(first.kept().size() >= 40, drainTimeout);
        first.kill();
        const QStringList kept = first.kept();

        writerProcess second;
        second.start(folder, db, 0, "killed");
        QTRY_VERIFY_WITH_TIMEOUT(second.drained(), drainTimeout);
        QVERIFY(second.ended());
        QCOMPARE(second.process.exitCode(), 0);
        // The record being written at the kill may have reached the disk
        // without being reported.
        const QStringList stored = storedIds(db, "killed");
        QVERIFY2(stored.mid(0, kept.size()) == kept, qPrintable(stored.join(' ')));
        QVERIFY(stored.size() <= kept.size() + 1);
        QCOMPARE(QStringList(stored).removeDuplicates(), 0);
    }

    // A station killed in the middle of sending leaves its outbox behind;
    // a running one in the same folder takes it over and sends the rest.
    void leftOutboxTakenOver()
    {
        const QString folder = dir.filePath("takeover");
        const historyConnection db = sqliteAt(dir.filePath("takeover.sqlite"));
        QString error;
        historyOutbox running;
        QVERIFY2(running.open(folder, &error), qPrintable(error));
        running.setConnection(db);
        QCOMPARE(QFileInfo(running.path()).fileName(), QString("outbox-1.qcmh"));

        writerProcess killed;
        killed.start(folder, db, -1, "left");
        QTRY_VERIFY_WITH_TIMEOUT(killed.kept().size() >= 60, drainTimeout);
        // Its outbox stays while it runs: the lock says it is in use.
        QVERIFY(QFile::exists(folder + "/outbox-2.qcmh"));
        killed.kill();
        const QStringList kept = killed.kept();

        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(folder + "/outbox-2.qcmh"), drainTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(running.waiting(), 0, drainTimeout);
        const QStringList stored = storedIds(db, "left");
        QVERIFY(stored.mid(0, kept.size()) == kept);
        QVERIFY(stored.size() <= kept.size() + 1);
        QCOMPARE(QStringList(stored).removeDuplicates(), 0);
    }

    void serverStoppedMidRun()
    {
        needServer();
        const historyConnection pg = server.connection();
        const QVector<HistoryRecord> records = someRecords(30, "stopped");
        QString error;
        historyOutbox outbox;
        QVERIFY2(outbox.open(dir.filePath("stopped"), &error), qPrintable(error));
        QSignalSpy failures(&outbox, &historyOutbox::failureChanged);
        outbox.setConnection(pg);
        QVERIFY(outbox.add(records.mid(0, 10), &error));
        QTRY_COMPARE_WITH_TIMEOUT(outbox.waiting(), 0, drainTimeout);

        QVERIFY2(server.stop(&error), qPrintable(error));
        QVERIFY(outbox.add(records.mid(10, 5), &error));
        QTRY_VERIFY_WITH_TIMEOUT(!outbox.failure().isEmpty(), drainTimeout);
        QVERIFY(outbox.add(records.mid(15), &error));
        QCOMPARE(outbox.waiting(), 20);

        QVERIFY2(server.start(&error), qPrintable(error));
        QTRY_COMPARE_WITH_TIMEOUT(outbox.waiting(), 0, drainTimeout);
        QTRY_VERIFY(outbox.failure().isEmpty());
        QVERIFY(failures.size() >= 2);
        QCOMPARE(storedIds(pg, "stopped"), idsOf(records));
    }

    void twoStationsOneServer()
    {
        needServer();
        const historyConnection pg = server.connection();
        writerProcess north, south;
        north.start(dir.filePath("north"), pg, 150, "north");
        south.start(dir.filePath("south"), pg, 150, "south");
        for (writerProcess *station : {&north, &south}) {
            QTRY_VERIFY_WITH_TIMEOUT(station->drained(), 60000);
            QVERIFY(station->ended());
            QCOMPARE(station->process.exitCode(), 0);
            QCOMPARE(station->kept().size(), 150);
        }
        QCOMPARE(storedIds(pg, "north"), north.kept());
        QCOMPARE(storedIds(pg, "south"), south.kept());
    }
};

QTEST_GUILESS_MAIN(tst_historyOutbox)
#include "tst_historyOutbox.moc"
