// An automatic Sample measurement of 1,000 Samples keeps the window
// responsive, and each Sample costs as much at the 1,000th as at the 10th.
// Readings reach the window the way the serial link delivers them (its
// generateSItemSignal, which also releases the button panel), 50 a second:
// sixty times the shortest automatic interval.  A 2 ms probe timer measures
// how late the event loop serves it meanwhile.
// The window is connected to the instrument emulator (a search with no
// instrument would empty the measuring parameters every second, and no
// reading would be taken); it uses a pseudo-terminal, so run it under the
// lock: flock /tmp/qcm-pty.lock build/bench/automaticMeasurementBench

#include "MainWindows.h"
#include "measurementTreeRk.h"
#include "promptRk.h"
#include "serialPortRk.h"
#include "sharedState.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <vector>

namespace {

const int arrivalMsec = 20;
const int probeMsec = 2;

MainWindows *window()
{
    static MainWindows *instance = [] {
        promptRk::setTesting(true);
        auto *w = new MainWindows;
        w->resize(1280, 800);
        w->show();
        QElapsedTimer waited;
        waited.start();
        while (!w->instrumentConnected() && waited.elapsed() < 20000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        return w;
    }();
    return instance;
}

// A measurement with one Type, as after the user measured the Type.
QTreeWidgetItem *freshType(MainWindows *w)
{
    w->clearMeasurement();
    emit w->serialPort()->generateTItemSignal(50, 10, 20);
    QCoreApplication::processEvents();
    return w->treeModel()->lastType();
}

void arrive(MainWindows *w, int i)
{
    emit w->serialPort()->generateSItemSignal(50.5f + float(i % 7) * 0.1f, 10, 20);
}

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t index = std::min(values.size() - 1, size_t(p * double(values.size())));
    return values[index];
}

void BM_EventLoopLatencyWhileSamplesArrive(benchmark::State &state)
{
    MainWindows *w = window();
    const int count = int(state.range(0));
    std::vector<double> lateness;
    for (auto _ : state) {
        QTreeWidgetItem *type = freshType(w);
        lateness.clear();
        QElapsedTimer clock;
        QTimer probe;
        probe.setTimerType(Qt::PreciseTimer);
        qint64 last = 0;
        QObject::connect(&probe, &QTimer::timeout, [&] {
            const qint64 now = clock.nsecsElapsed();
            lateness.push_back(double(now - last) / 1e6 - probeMsec);
            last = now;
        });
        QTimer arrivals;
        arrivals.setTimerType(Qt::PreciseTimer);
        int arrived = 0;
        QEventLoop loop;
        QObject::connect(&arrivals, &QTimer::timeout, [&] {
            arrive(w, arrived);
            if (++arrived == count)
                loop.quit();
        });
        clock.start();
        probe.start(probeMsec);
        arrivals.start(arrivalMsec);
        loop.exec();
        probe.stop();
        arrivals.stop();
        if (type->childCount() != count)
            state.SkipWithError("not every reading became a Sample");
    }
    state.counters["p50_ms"] = percentile(lateness, 0.50);
    state.counters["p99_ms"] = percentile(lateness, 0.99);
    state.counters["max_ms"] = percentile(lateness, 1.0);
}
BENCHMARK(BM_EventLoopLatencyWhileSamplesArrive)
    ->Arg(1000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// The cost of each Sample along a run of 1,000 under one Type: the reading
// made an item, named, selected and judged, and the events it leaves
// handled.  Reported: the median cost of the 6th to 15th Samples and of the
// 991st to 1,000th.
void BM_SampleCostAlongARun(benchmark::State &state)
{
    MainWindows *w = window();
    const int count = int(state.range(0));
    std::vector<double> early, late;
    for (auto _ : state) {
        QTreeWidgetItem *type = freshType(w);
        QElapsedTimer clock;
        for (int i = 1; i <= count; ++i) {
            clock.start();
            arrive(w, i);
            QCoreApplication::processEvents();
            const double us = double(clock.nsecsElapsed()) / 1e3;
            if (i > 5 && i <= 15)
                early.push_back(us);
            if (i > count - 10)
                late.push_back(us);
        }
        if (type->childCount() != count)
            state.SkipWithError("not every reading became a Sample");
    }
    state.counters["early_us"] = percentile(early, 0.5);
    state.counters["late_us"] = percentile(late, 0.5);
}
BENCHMARK(BM_SampleCostAlongARun)->Arg(1000)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    QProcess emulator;
    emulator.start(QCoreApplication::applicationDirPath() + "/../qcm-emulator", QStringList());
    if (!emulator.waitForReadyRead(5000)) {
        std::fputs("the instrument emulator did not start\n", stderr);
        return 1;
    }
    qputenv("QCM_SERIAL_PORT", emulator.readLine().trimmed());
    if (!window()->instrumentConnected()) {
        std::fputs("the window did not connect to the emulator\n", stderr);
        return 1;
    }

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    delete window();
    emulator.terminate();
    emulator.waitForFinished(5000);
    return 0;
}
