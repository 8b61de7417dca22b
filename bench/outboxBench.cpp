// What recording a Sample costs the thread that shows it: the outbox
// appends the record and pushes it to the disk, while its uploader sends to
// an SQLite history on a thread of its own.  The database's own time never
// reaches the caller.
// Run from the build folder: bench/outboxBench

#include "../tests/history/historyTestData.h"
#include "historyOutbox.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_OutboxAddOneSample(benchmark::State &state)
{
    QTemporaryDir folder;
    historyOutbox outbox;
    QString error;
    if (!outbox.open(folder.filePath("outbox"), &error)) {
        state.SkipWithError(qPrintable(error));
        return;
    }
    historyConnection connection;
    connection.sqlitePath = folder.filePath("history.sqlite");
    outbox.setConnection(connection);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const HistoryRecord type = historyTest::typeRecord("RAL 5010", now);
    outbox.add({type});
    int k = 0;
    for (auto _ : state) {
        HistoryRecord sample = historyTest::sampleRecord(type, QString("Sample S%1").arg(++k), now);
        if (!outbox.add({sample}, &error)) {
            state.SkipWithError(qPrintable(error));
            break;
        }
        // The uploader's reports reach the outbox between Samples, as in
        // the window.
        QCoreApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_OutboxAddOneSample)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
