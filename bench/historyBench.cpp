// The history window's question on a history of 5 million records (a year
// of one station at ten Samples a minute): a page of 1,000 records by part
// of a Type name and a date range, and the count the paging shows, on SQLite
// and on PostgreSQL.
//
// The SQLite history is made once into bench/historyBench-5M.sqlite of the
// build folder (a few minutes) and reused; delete it to make it again.  The
// PostgreSQL history is made in a throwaway server at every run; without
// PostgreSQL's server programs those benchmarks are skipped with a message.
//
// 2,000 Types "RAL 1000 Colour" to "RAL 2999 Colour"; "ral 15" matches a
// twentieth of them, "ral 1234 " one.

#include "../tests/support/postgresServer.h"
#include "historyStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QtSql/QSqlDatabase>
#include <QtSql/QSqlError>
#include <QtSql/QSqlQuery>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

const qint64 recordCount = 5000000;
const int typeCount = 2000;
const qint64 yearStart = 1735689600000; // 2025-01-01T00:00:00Z
const qint64 step = 31536000000 / recordCount;

// The SELECT that makes the records from a series `i` (0 .. recordCount-1):
// Samples spread over the Types, every tenth failed, 20 stations, 50
// operators, a measuring file a day.
QString generatedRecords(bool postgres)
{
    // Named tokens rather than QString::arg: the texts hold printf's "%012x".
    QString sql = QStringLiteral(
        "SELECT '00000000-0000-4000-8000-' || {hex}, 'entered', '00000000-0000-4000-8000-' || "
        "{hex}, 'Sample', 'S' || i{text}, 'ffffffff-0000-4000-8000-' || {keyhex}, "
        "'RAL ' || (999 + {key}){text} || ' Colour', {key}, 'D65', 'CM-5', '8mm', 'SCI', "
        "'CIE1976L*a*b*', 'dE00', 'd/8', '10', '1', 50.5, -1.25, 3.5, '50.5', '-1.25', "
        "'3.5', 'dE00', (i % 97) / 40.0, CASE WHEN i % 10 = 0 THEN 'Fail' ELSE 'Pass' END, "
        "'[\"1\",\"-1\",\"1\",\"-1\",\"1\",\"-1\",\"1\"]', {start} + i * {step}, "
        "'Europe/Berlin', 'line-' || (i % 20){text}, 'op' || (i % 50){text}, 'CM-5', "
        "'/dev/ttyUSB0', '/data/day' || (i / 13700){text} || '.qcm', 'measured'");
    const QString key = QStringLiteral("((i * 7919) % ") + QString::number(typeCount) + " + 1)";
    const QString hexOf = postgres ? QStringLiteral("lpad(to_hex(X), 12, '0')")
                                   : QStringLiteral("printf('%012x', X)");
    return sql.replace("{keyhex}", QString(hexOf).replace("X", key))
        .replace("{hex}", QString(hexOf).replace("X", "i"))
        .replace("{key}", key)
        .replace("{text}", postgres ? QStringLiteral("::text") : QString())
        .replace("{start}", QString::number(yearStart))
        .replace("{step}", QString::number(step));
}

const char insertColumns[] =
    "INSERT INTO history_records (id, event, item_id, kind, name, type_id, type_name, name_key,"
    " c0, c1, c2, c3, c4, c5, c6, c7, c8, raw_l, raw_a, raw_b, shown1, shown2, shown3, formula,"
    " delta_e, verdict, tolerance, time_ms, time_zone, station, operator_name, instrument_model,"
    " port, file_path, origin) ";

bool exec(QSqlQuery &q, const QString &sql)
{
    if (q.exec(sql))
        return true;
    std::fprintf(stderr, "historyBench: %s\n  %s\n", qPrintable(q.lastError().text()),
                 qPrintable(sql.left(300)));
    return false;
}

// Fills an empty history made by historyStore: the indexes are set aside
// while the records go in and made again afterwards, as a bulk load does.
bool fill(const historyConnection &connection)
{
    {
        historyStore store(connection);
        QString error;
        if (!store.open(&error)) {
            std::fprintf(stderr, "historyBench: %s\n", qPrintable(error));
            return false;
        }
    }
    const bool postgres = connection.driver == historyConnection::Driver::PostgreSQL;
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(postgres ? "QPSQL" : "QSQLITE", "fill");
        if (postgres) {
            db.setHostName(connection.host);
            db.setPort(connection.port);
            db.setDatabaseName(connection.database);
            db.setUserName(connection.user);
        } else {
            db.setDatabaseName(connection.sqlitePath);
        }
        ok = db.open();
        QSqlQuery q(db);
        QStringList indexes;
        if (ok) {
            ok = exec(q, postgres ? "SELECT indexname, indexdef FROM pg_indexes WHERE tablename ="
                                    " 'history_records' AND indexname NOT LIKE '%key'"
                                  : "SELECT name, sql FROM sqlite_master WHERE type = 'index'"
                                    " AND tbl_name = 'history_records' AND sql IS NOT NULL");
            QStringList names;
            while (ok && q.next()) {
                names << q.value(0).toString();
                indexes << q.value(1).toString();
            }
            for (const QString &name : names)
                ok = ok && exec(q, "DROP INDEX " + name);
        }
        const QString series =
            postgres ? QStringLiteral(" FROM generate_series(0::bigint, %1) AS g(i)")
                     : QStringLiteral(" FROM (WITH RECURSIVE g(i) AS (SELECT 0 UNION ALL SELECT"
                                      " i + 1 FROM g WHERE i < %1) SELECT i FROM g)");
        const QString names =
            postgres ? QStringLiteral("INSERT INTO history_type_names (id, name, folded) SELECT i,"
                                      " 'RAL ' || (999 + i)::text || ' Colour', 'ral ' || (999 +"
                                      " i)::text || ' colour' FROM generate_series(1, %1) AS"
                                      " g(i)")
                     : QStringLiteral("WITH RECURSIVE g(i) AS (SELECT 1 UNION ALL SELECT i + 1"
                                      " FROM g WHERE i < %1) INSERT INTO history_type_names (id,"
                                      " name, folded) SELECT i, 'RAL ' || (999 + i) || ' Colour',"
                                      " 'ral ' || (999 + i) || ' colour' FROM g");
        ok = ok && exec(q, "BEGIN") && exec(q, names.arg(typeCount)) &&
             exec(q, QLatin1String(insertColumns) + generatedRecords(postgres) +
                         series.arg(recordCount - 1)) &&
             exec(q, "COMMIT");
        for (const QString &sql : indexes)
            ok = ok && exec(q, sql);
        if (postgres && ok)
            ok = exec(q, "SELECT setval(pg_get_serial_sequence('history_type_names', 'id'), "
                         "10000)") &&
                 exec(q, "ANALYZE");
    }
    QSqlDatabase::removeDatabase("fill");
    return ok;
}

struct Prepared
{
    historyConnection connection;
    bool ready = false;
    QString skip; // why not
};

std::unique_ptr<postgresServer> server;

const Prepared &sqliteHistory()
{
    static Prepared p = [] {
        Prepared made;
        made.connection.sqlitePath =
            QCoreApplication::applicationDirPath() + "/historyBench-5M.sqlite";
        if (QFileInfo::exists(made.connection.sqlitePath)) {
            made.ready = true;
            return made;
        }
        std::fprintf(stderr, "historyBench: making %s once (5 million records)...\n",
                     qPrintable(made.connection.sqlitePath));
        QElapsedTimer timer;
        timer.start();
        const QString building = made.connection.sqlitePath + ".new";
        QFile::remove(building);
        historyConnection b;
        b.sqlitePath = building;
        made.ready = fill(b) && QFile::rename(building, made.connection.sqlitePath);
        if (!made.ready)
            made.skip = "the SQLite history could not be made";
        std::fprintf(stderr, "historyBench: made in %.0f s\n", timer.elapsed() / 1000.0);
        return made;
    }();
    return p;
}

const Prepared &postgresHistory()
{
    static Prepared p = [] {
        Prepared made;
        if (postgresServer::binaries().isEmpty()) {
            made.skip = "PostgreSQL's server programs are not installed";
            return made;
        }
        server = std::make_unique<postgresServer>();
        QString error;
        if (!server->start(&error)) {
            made.skip = "no PostgreSQL server: " + error;
            return made;
        }
        made.connection = server->connection();
        std::fprintf(stderr, "historyBench: filling a PostgreSQL history (5 million records)...\n");
        QElapsedTimer timer;
        timer.start();
        made.ready = fill(made.connection);
        if (!made.ready)
            made.skip = "the PostgreSQL history could not be made";
        std::fprintf(stderr, "historyBench: filled in %.0f s\n", timer.elapsed() / 1000.0);
        return made;
    }();
    return p;
}

HistoryFilter filterOf(int which)
{
    HistoryFilter f;
    if (which == 0) { // a twentieth of the Types, one month
        f.typeName = "ral 15";
        f.since = QDateTime(QDate(2025, 6, 1), QTime(0, 0), Qt::UTC);
        f.until = QDateTime(QDate(2025, 7, 1), QTime(0, 0), Qt::UTC);
    } else { // one Type, the whole year
        f.typeName = "ral 1234 ";
        f.since = QDateTime(QDate(2025, 1, 1), QTime(0, 0), Qt::UTC);
        f.until = QDateTime(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC);
    }
    return f;
}

void pageOf1000(benchmark::State &state, const Prepared &(*history)())
{
    const Prepared &p = history();
    if (!p.ready) {
        state.SkipWithError(qPrintable(p.skip));
        return;
    }
    historyStore store(p.connection);
    QString error;
    if (!store.open(&error)) {
        state.SkipWithError(qPrintable(error));
        return;
    }
    const HistoryFilter filter = filterOf(int(state.range(0)));
    QVector<historyStore::Row> rows;
    for (auto _ : state) {
        if (!store.query(filter, 0, 1000, &rows, &error)) {
            state.SkipWithError(qPrintable(error));
            return;
        }
        benchmark::DoNotOptimize(rows.data());
    }
    state.counters["rows"] = rows.size();
}

void countOf(benchmark::State &state, const Prepared &(*history)())
{
    const Prepared &p = history();
    if (!p.ready) {
        state.SkipWithError(qPrintable(p.skip));
        return;
    }
    historyStore store(p.connection);
    QString error;
    if (!store.open(&error)) {
        state.SkipWithError(qPrintable(error));
        return;
    }
    const HistoryFilter filter = filterOf(int(state.range(0)));
    qint64 n = 0;
    for (auto _ : state) {
        if (!store.count(filter, &n, &error)) {
            state.SkipWithError(qPrintable(error));
            return;
        }
        benchmark::DoNotOptimize(n);
    }
    state.counters["matches"] = double(n);
}

void BM_SqlitePage(benchmark::State &state)
{
    pageOf1000(state, &sqliteHistory);
}
void BM_SqliteCount(benchmark::State &state)
{
    countOf(state, &sqliteHistory);
}
void BM_PostgresPage(benchmark::State &state)
{
    pageOf1000(state, &postgresHistory);
}
void BM_PostgresCount(benchmark::State &state)
{
    countOf(state, &postgresHistory);
}
// Argument 0: "ral 15" in one month; 1: "ral 1234 " in the whole year.
BENCHMARK(BM_SqlitePage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SqliteCount)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PostgresPage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PostgresCount)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    server.reset();
    return 0;
}
