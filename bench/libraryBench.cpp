// The library dialog with large libraries: opening a file (read, table, column
// widths) must stay well under a second at 10,000 entries and a search by
// value that runs through every row well under 100 ms; both must grow
// linearly with the number of entries.
// Run from the build folder: bench/libraryBench

#include "libraryFile.h"
#include "promptRk.h"
#include "standardLibraryRk.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMap>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

QTemporaryDir &scratch()
{
    static QTemporaryDir dir;
    return dir;
}

// A folder holding one library of `count` L*a*b* entries, made once.
QString libraryFolder(int count)
{
    static QMap<int, QString> made;
    if (made.contains(count))
        return made.value(count);
    const QString folder = scratch().filePath(QString::number(count));
    QDir().mkpath(folder);
    QVector<LibraryEntry> entries;
    entries.reserve(count);
    for (int i = 0; i < count; ++i) {
        LibraryEntry e;
        e.order = i + 1;
        e.name = QStringLiteral("Type T%1").arg(i + 1, 5, 10, QLatin1Char('0'));
        e.colorSpace = QStringLiteral("CIE1976L*a*b*");
        e.value = QStringLiteral("L%1  a%2  b%3")
                      .arg(20 + (i % 700) * 0.1, 0, 'f', 2)
                      .arg(-40 + (i % 811) * 0.1, 0, 'f', 2)
                      .arg(-40 + (i % 797) * 0.1, 0, 'f', 2);
        e.red = i % 256;
        e.green = (i / 7) % 256;
        e.blue = (i / 13) % 256;
        e.lightSource = QStringLiteral("D65");
        e.observer = QStringLiteral("CIE 10°");
        e.illuminationMode = QStringLiteral("8/d");
        e.caliber = QStringLiteral("8mm");
        e.lightMode = QStringLiteral("SCI");
        e.averageTimes = QStringLiteral("1");
        e.measurementTime = QStringLiteral("2026-03-05 09:07:03");
        entries << e;
    }
    QFile file(folder + QStringLiteral("/big.scl"));
    if (!file.open(QIODevice::WriteOnly) || !writeLibraryFile(&file, entries))
        return QString();
    made.insert(count, folder);
    return folder;
}

void BM_OpenLibrary(benchmark::State &state)
{
    const int count = int(state.range(0));
    const QString folder = libraryFolder(count);
    standardLibraryRk dialog;
    for (auto _ : state) {
        dialog.setLibraryFolder(folder);
        if (dialog.findChild<QComboBox *>("fileNameBox")->count() != 1)
            state.SkipWithError("library not read");
    }
    state.SetComplexityN(count);
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_OpenLibrary)
    ->Arg(10000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// No row lies within the threshold, so every press runs through them all.
void BM_SearchByValue(benchmark::State &state)
{
    const int count = int(state.range(0));
    standardLibraryRk dialog;
    dialog.setLibraryFolder(libraryFolder(count));
    dialog.standardLibraryParameterFcn(QStringLiteral("CIE1976L*a*b*"), QStringLiteral("ΔE00"));
    dialog.findStyleFcn(1);
    dialog.getColorParameter(99, 90, 90);
    dialog.findChild<QLineEdit *>("thresholdEdit")->setText(QStringLiteral("0.5"));
    for (auto _ : state) {
        dialog.findButtonFcn();
        promptRk::clearHistory();
    }
    state.SetComplexityN(count);
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_SearchByValue)
    ->Arg(10000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

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
