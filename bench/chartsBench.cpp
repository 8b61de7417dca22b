// The charts in the built window: pressing a Type with every chart live
// (panel, swatch, colour-coordinate chart, deviation charts and the trend
// picture, all painted), and repainting the trend plot at full-HD size.
// Run from the build folder: QT_QPA_PLATFORM=offscreen bench/chartsBench

#include "MainWindows.h"
#include "Plotter.h"
#include "benchData.h"
#include "chartSet.h"
#include "promptRk.h"
#include "statisticsDialog.h"

#include <QApplication>
#include <QTreeWidgetItem>
#include <benchmark/benchmark.h>

#include <cmath>

namespace {

MainWindows *window()
{
    static MainWindows *instance = [] {
        promptRk::setTesting(true);
        auto *w = new MainWindows;
        w->resize(1600, 1000);
        w->show();
        QCoreApplication::processEvents();
        return w;
    }();
    return instance;
}

// A Type with `count` Samples spread around it.
QTreeWidgetItem *typeWithSamples(MainWindows *w, int count)
{
    w->clearMeasurement();
    QTreeWidgetItem *type = w->addTypeItem(50, 10, 20, "Type T001", conditionColumns());
    for (int i = 0; i < count; ++i)
        w->addSampleItem(50.5f + float(i % 7) * 0.1f, 10.f + float(i % 5) * 0.3f,
                         20.f - float(i % 3) * 0.2f, type, QString("Sample S%1").arg(i + 1),
                         conditionColumns());
    QCoreApplication::processEvents();
    return type;
}

void BM_PressTypeChartsLive(benchmark::State &state)
{
    MainWindows *w = window();
    QTreeWidgetItem *type = typeWithSamples(w, int(state.range(0)));
    const int before = w->charts()->trendPlot()->pictureRebuilds();
    for (auto _ : state) {
        w->treeItemIsPressed(type, 0);
        // Every chart paints what the press gave it, the trend picture anew.
        QCoreApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    // Trend pictures drawn per press: 1 when the plot really was painted.
    state.counters["pictures"] =
        double(w->charts()->trendPlot()->pictureRebuilds() - before) / double(state.iterations());
}
BENCHMARK(BM_PressTypeChartsLive)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The same with the statistics dialog open beside the tree (goal: under
// 30 ms for 10,000 Samples, everything painted).
void BM_PressTypeChartsAndStatistics(benchmark::State &state)
{
    MainWindows *w = window();
    QTreeWidgetItem *type = typeWithSamples(w, int(state.range(0)));
    auto *statistics = w->findChild<statisticsDialog *>();
    statistics->show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        w->treeItemIsPressed(type, 0);
        QCoreApplication::processEvents();
    }
    statistics->hide();
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_PressTypeChartsAndStatistics)->Arg(10000)->Unit(benchmark::kMillisecond);

// The press alone, without painting.
void BM_PressTypeOnly(benchmark::State &state)
{
    MainWindows *w = window();
    QTreeWidgetItem *type = typeWithSamples(w, int(state.range(0)));
    for (auto _ : state)
        w->treeItemIsPressed(type, 0);
    QCoreApplication::processEvents();
}
BENCHMARK(BM_PressTypeOnly)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

QVector<QPointF> trend(int count)
{
    QVector<QPointF> points;
    points.reserve(count);
    for (int i = 0; i < count; ++i)
        points.append(QPointF(i + 1, 1.0 + 0.8 * std::sin(i * 0.01) + 0.1 * (i % 13)));
    return points;
}

// Drawing the picture: grid, labels, tolerance line and 10,000 points.
void BM_TrendPictureFullHd(benchmark::State &state)
{
    Plotter plot;
    plot.resize(1920, 1080);
    plot.show();
    QCoreApplication::processEvents();
    PlotRange range;
    range.xMax = 10240;
    range.yMax = 3.0;
    plot.setPlotRange(range);
    plot.setToleranceLine(2.0f, "ΔE00");
    plot.setSeries(1, trend(int(state.range(0))), "ΔE00", 5000);
    for (auto _ : state) {
        plot.setToleranceLine(2.0f, "ΔE00");
        plot.repaint();
    }
}
BENCHMARK(BM_TrendPictureFullHd)->Arg(10000)->Unit(benchmark::kMillisecond);

// An ordinary repaint copies the picture.
void BM_TrendRepaintFullHd(benchmark::State &state)
{
    Plotter plot;
    plot.resize(1920, 1080);
    plot.show();
    QCoreApplication::processEvents();
    plot.setSeries(1, trend(int(state.range(0))), "ΔE00", 1);
    plot.repaint();
    for (auto _ : state)
        plot.repaint();
}
BENCHMARK(BM_TrendRepaintFullHd)->Arg(10000)->Unit(benchmark::kMillisecond);

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
