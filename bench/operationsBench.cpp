// The upload of 1,000 stored records end to end against the emulator (the
// poll delays pace it; the window's share, making the items, is measured on
// its own), deleting 5,000 checked Samples of 10,000, inverting the marks of
// 10,000 Samples under one Type, and quick search over 10,000 items.
// Run from the build folder: QT_QPA_PLATFORM=offscreen bench/operationsBench
// (the upload needs ./qcm-emulator and a free pseudo-terminal; run it under
// flock /tmp/qcm-pty.lock when other emulator tests may run).

#include "../tests/support/emulatorProcess.h"
#include "MainWindows.h"
#include "benchData.h"
#include "fastFindRk.h"
#include "itemColumns.h"
#include "itemOperationsRk.h"
#include "measurementTreeRk.h"
#include "measuringJournal.h"
#include "promptRk.h"
#include "serialPortRk.h"
#include "uploadRecorderRk.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <benchmark/benchmark.h>

namespace {

// 100 Types of 100 Samples each.
void fillTenThousand(MainWindows *w)
{
    w->clearMeasurement();
    const QStringList texts = conditionColumns();
    for (int t = 1; t <= 100; ++t) {
        QTreeWidgetItem *type = w->addTypeItem(50, 10, 20, measurementTreeRk::typeName(t), texts);
        for (int s = 1; s <= 99; ++s)
            w->addSampleItem(50.5f, 10, 20, type, measurementTreeRk::sampleName(s), texts);
    }
    QCoreApplication::processEvents();
}

void BM_DeleteHalfOfTheSamples(benchmark::State &state)
{
    MainWindows w;
    w.resize(1280, 800);
    w.show();
    for (auto _ : state) {
        state.PauseTiming();
        fillTenThousand(&w);
        measurementTreeRk *tree = w.treeModel();
        int checked = 0;
        for (int t = 0; t < tree->typeCount(); ++t) {
            for (int s = 0; s < tree->type(t)->childCount(); s += 2, ++checked)
                tree->type(t)->child(s)->setCheckState(nameColumn, Qt::Checked);
        }
        promptRk::setNextAnswer(QMessageBox::Yes);
        state.ResumeTiming();
        w.deleteChooseItemFcn();
        state.PauseTiming();
        if (checked != 5000 || tree->itemCount() != 5000)
            state.SkipWithError("not 5,000 of 10,000 deleted");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DeleteHalfOfTheSamples)->Unit(benchmark::kMillisecond)->Iterations(3);

// Select All / Invert Selection (Ctrl+D) with 10,000 Samples under one Type,
// half of them checked, until the window has drawn the result and the
// journal has it on the disk, as in the running program.
void BM_InvertMarksOfOneType(benchmark::State &state)
{
    QTemporaryDir journalFolder;
    MainWindows w;
    w.resize(1280, 800);
    w.show();
    w.startJournal(journalFolder.path());
    if (!w.journal()->isOpen()) {
        state.SkipWithError("no journal");
        return;
    }
    w.clearMeasurement();
    const QStringList texts = conditionColumns();
    QTreeWidgetItem *type = w.addTypeItem(50, 10, 20, measurementTreeRk::typeName(1), texts);
    for (int s = 1; s <= 10000; ++s)
        w.addSampleItem(50.5f, 10, 20, type, measurementTreeRk::sampleName(s), texts);
    for (int s = 0; s < type->childCount(); s += 2)
        type->child(s)->setCheckState(nameColumn, Qt::Checked);
    QCoreApplication::processEvents();
    for (auto _ : state) {
        w.action("selectionAllFcn")->trigger();
        QCoreApplication::processEvents();
        w.journal()->sync();
    }
    int checked = 0;
    for (int s = 0; s < type->childCount(); ++s)
        checked += type->child(s)->checkState(nameColumn) == Qt::Checked;
    if (checked != 5000 || type->checkState(nameColumn) != Qt::PartiallyChecked)
        state.SkipWithError("the marks were not inverted");
}
BENCHMARK(BM_InvertMarksOfOneType)->Unit(benchmark::kMillisecond);

void BM_QuickSearch(benchmark::State &state)
{
    MainWindows w;
    w.resize(1280, 800);
    w.show();
    fillTenThousand(&w);
    fastFindRk *dialog = w.operations()->findDialog();
    w.fastFindFcn();
    for (auto _ : state) {
        // A new key word: the matches are collected again and the first shown.
        dialog->keyEdit()->setText(QStringLiteral("s050"));
        dialog->OKButtonFcn();
    }
    state.counters["matches"] = dialog->matches().size();
}
BENCHMARK(BM_QuickSearch)->Unit(benchmark::kMillisecond);

void BM_UploadThousandRecords(benchmark::State &state)
{
    if (qEnvironmentVariableIsEmpty("QCM_BUILD_DIR"))
        qputenv("QCM_BUILD_DIR", QDir::currentPath().toLocal8Bit());
    emulatorProcess emulator;
    if (!emulator.start({"--records", "1000"})) {
        state.SkipWithError("no emulator (run from the build folder)");
        return;
    }
    qputenv("QCM_SERIAL_PORT", emulator.path.toLocal8Bit());
    MainWindows w;
    w.resize(1280, 800);
    w.show();
    QElapsedTimer wait;
    wait.start();
    while (!w.action("dataToPCFcn")->isEnabled() && wait.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    for (auto _ : state) {
        state.PauseTiming();
        w.clearMeasurement();
        state.ResumeTiming();
        promptRk::setNextAnswer(QMessageBox::Yes);
        w.dataToPCFcn();
        while (w.uploader()->running())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        state.PauseTiming();
        if (w.treeModel()->itemCount() != 1000)
            state.SkipWithError("not 1,000 items");
        state.ResumeTiming();
    }
    qunsetenv("QCM_SERIAL_PORT");
}
BENCHMARK(BM_UploadThousandRecords)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// Making the items of 1,000 records: what the window adds to the upload.
void BM_ItemsOfThousandRecords(benchmark::State &state)
{
    MainWindows w;
    w.resize(1280, 800);
    w.show();
    const QStringList spaces = {"CIE1976LAB", "CIELCH", "CIEXYZ", "CIELUV", "HunterLAB", "sRGB"};
    for (auto _ : state) {
        state.PauseTiming();
        w.clearMeasurement();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        for (int i = 0; i < 1000; ++i) {
            const bool type = i % 10 == 0;
            w.uploader()->addRecord({type ? "T" : "S", QString::number(i), "SCI", "D65",
                                     "2019-3-5 9:7:3", spaces[i % 6], "ΔELab", "1", "8mm"},
                                    50.0f + float(i % 7), 10, -20);
        }
        w.dataToPCFinished1Slot();
        // Whatever the view does with them before the user sees them.
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_ItemsOfThousandRecords)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    promptRk::setTesting(true);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
