// Adding many Samples under one Type must stay linear (the check marks are
// kept without recounting siblings), pressing a big Type and renaming the
// measurement over many checked Samples must stay fast.
// Run from the build folder: QT_QPA_PLATFORM=offscreen bench/recordsBench

#include "MainWindows.h"
#include "benchData.h"
#include "measurementTreeRk.h"
#include "promptRk.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTreeWidget>
#include <benchmark/benchmark.h>

namespace {

MainWindows *window()
{
    static MainWindows *instance = [] {
        promptRk::setTesting(true);
        auto *w = new MainWindows;
        w->resize(1280, 800);
        w->show();
        return w;
    }();
    return instance;
}

QTreeWidgetItem *freshType(MainWindows *w)
{
    w->clearMeasurement();
    return w->addTypeItem(50, 10, 20, "Type T001", conditionColumns());
}

void addSamples(MainWindows *w, QTreeWidgetItem *type, int count)
{
    const QStringList columns = conditionColumns();
    for (int i = 0; i < count; ++i)
        w->addSampleItem(50.5f + float(i % 7) * 0.1f, 10, 20, type,
                         measurementTreeRk::sampleName(i + 1), columns);
}

void BM_AddSamplesUnderOneType(benchmark::State &state)
{
    MainWindows *w = window();
    const int count = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        QTreeWidgetItem *type = freshType(w);
        type->setCheckState(0, Qt::Checked);
        state.ResumeTiming();
        addSamples(w, type, count);
        QCoreApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_AddSamplesUnderOneType)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);

void BM_PressTypeWithSamples(benchmark::State &state)
{
    MainWindows *w = window();
    QTreeWidgetItem *type = freshType(w);
    addSamples(w, type, int(state.range(0)));
    for (auto _ : state)
        w->treeItemIsPressed(type, 0);
}
BENCHMARK(BM_PressTypeWithSamples)->Arg(10000)->Unit(benchmark::kMicrosecond);

// Renaming the measurement unchecks every Type and Sample; with 10,000
// checked Samples that must stay one pass over the tree.
void BM_RenameWithCheckedSamples(benchmark::State &state)
{
    MainWindows *w = window();
    QTreeWidgetItem *type = freshType(w);
    addSamples(w, type, int(state.range(0)));
    QCoreApplication::processEvents();
    QTreeWidgetItem *root = w->treeModel()->measurementRoot();
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        type->setCheckState(0, Qt::Checked);
        state.ResumeTiming();
        root->setText(0, QStringLiteral("Measuring Name:Run %1").arg(++round));
    }
    if (type->child(0)->checkState(0) != Qt::Unchecked)
        state.SkipWithError("a Sample stayed checked");
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RenameWithCheckedSamples)->Arg(10000)->Unit(benchmark::kMicrosecond);

// A measurement of 100 Types, each with `samplesPerType` Samples.
void fillHundredTypes(MainWindows *w, int samplesPerType)
{
    w->clearMeasurement();
    const QStringList columns = conditionColumns();
    for (int t = 1; t <= 100; ++t) {
        QTreeWidgetItem *type = w->addTypeItem(50, 10, 20, measurementTreeRk::typeName(t), columns);
        addSamples(w, type, samplesPerType);
    }
}

// Loading a measuring file into the window: 100 Types with 100 and with
// 1,000 Samples each; the second should cost about ten times the first.
void BM_LoadMeasuringFile(benchmark::State &state)
{
    MainWindows *w = window();
    const int samplesPerType = int(state.range(0));
    const QString path =
        QDir::temp().filePath(QStringLiteral("qcm-bench-%1.qcm").arg(samplesPerType));
    fillHundredTypes(w, samplesPerType);
    w->saveFile(path);
    for (auto _ : state)
        w->loadFile(path);
    state.SetItemsProcessed(state.iterations() * 100 * (samplesPerType + 1));
    QFile::remove(path);
}
BENCHMARK(BM_LoadMeasuringFile)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_SaveMeasuringFile(benchmark::State &state)
{
    MainWindows *w = window();
    const int samplesPerType = int(state.range(0));
    const QString path =
        QDir::temp().filePath(QStringLiteral("qcm-bench-save-%1.qcm").arg(samplesPerType));
    fillHundredTypes(w, samplesPerType);
    for (auto _ : state)
        w->saveFile(path);
    state.SetItemsProcessed(state.iterations() * 100 * (samplesPerType + 1));
    QFile::remove(path);
}
BENCHMARK(BM_SaveMeasuringFile)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    delete window();
    return 0;
}
