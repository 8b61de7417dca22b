// The crash-safe journal: what one measured Sample costs (the record and the
// push to the disk before the tree paints), and restoring a large measurement.
// Run from the build folder: QT_QPA_PLATFORM=offscreen bench/journalBench

#include "MainWindows.h"
#include "benchData.h"
#include "measurementTreeRk.h"
#include "measuringJournal.h"
#include "promptRk.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <benchmark/benchmark.h>

namespace {

const QStringList columns = conditionColumns();

void BM_JournalOneSample(benchmark::State &state)
{
    promptRk::setTesting(true);
    QTemporaryDir folder;
    MainWindows window;
    window.startJournal(folder.path());
    QTreeWidgetItem *type = window.addTypeItem(50, 10, 20, "Type T001", columns);
    int n = 0;
    for (auto _ : state) {
        window.addSampleItem(50.5f, 10, 20, type, measurementTreeRk::sampleName(++n), columns);
        window.journal()->sync(); // as before the next paint
    }
    state.counters["samples/s"] = benchmark::Counter(double(n), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_JournalOneSample)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_RestoreItems(benchmark::State &state)
{
    promptRk::setTesting(true);
    const int samples = int(state.range(0));
    QTemporaryDir folder;
    {
        MainWindows window;
        window.startJournal(folder.path());
        for (int t = 0; t < 100; ++t) {
            QTreeWidgetItem *type = window.addTypeItem(50, 10, 20, "Type", columns);
            for (int s = 0; s < samples / 100; ++s)
                window.addSampleItem(51, 10, 20, type, measurementTreeRk::sampleName(s + 1),
                                     columns);
        }
    } // left behind, as by a crash
    for (auto _ : state) {
        MainWindows window;
        promptRk::setNextAnswer(QMessageBox::Yes);
        window.startJournal(folder.path());
        if (window.treeModel()->itemCount() != samples + 100)
            state.SkipWithError("not restored");
        // Left behind again for the next round (the restore started afresh).
    }
}
BENCHMARK(BM_RestoreItems)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
