// Exporting the marked items: 10,000 and 20,000 Samples under 100 Types,
// with all fifteen fields, to a workbook and to CSV files on disk.  The time
// of one export should grow in step with the number of Samples.

#include "benchData.h"
#include "csvWriter.h"
#include "workbookWriter.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

ExportData data(int sampleCount)
{
    ExportData d;
    d.title = QStringLiteral("Night shift");
    d.fields = QVector<bool>(exportFieldCount, true);
    d.company = QStringLiteral("Dyeworks");
    d.department = QStringLiteral("QC");
    d.measurementPerson = QStringLiteral("Li");
    d.productTested = QStringLiteral("Cotton");
    const int types = 100;
    for (int t = 1; t <= types; ++t) {
        MarkedType type;
        type.type = benchItem(QStringLiteral("Type T%1").arg(t, 3, 10, QLatin1Char('0')), t);
        for (int s = 1; s <= sampleCount / types; ++s)
            type.samples.append(
                benchItem(QStringLiteral("Sample S%1").arg(s, 3, 10, QLatin1Char('0')), s));
        d.marked.append(type);
    }
    return d;
}

void exportBench(benchmark::State &state, bool workbook)
{
    const ExportData d = data(int(state.range(0)));
    const ExportTexts texts = currentExportTexts();
    QTemporaryDir dir;
    const QString path = dir.filePath(workbook ? "bench.xlsx" : "bench.csv");
    for (auto _ : state) {
        QString error;
        const bool written = workbook ? writeWorkbook(path, d, texts, {}, &error)
                                      : writeCsvFile(path, d, texts, {}, &error);
        if (!written)
            state.SkipWithError(error.toUtf8().constData());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_exportWorkbook(benchmark::State &state)
{
    exportBench(state, true);
}

void BM_exportCsv(benchmark::State &state)
{
    exportBench(state, false);
}

} // namespace

BENCHMARK(BM_exportWorkbook)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_exportCsv)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
