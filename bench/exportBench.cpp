// Exporting the marked items: 10,000 and 20,000 Samples under 100 Types,
// with all fifteen fields, to a workbook and to CSV files on disk.  The time
// of one export should grow in step with the number of Samples.

#include "csvWriter.h"
#include "workbookWriter.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

ItemTexts item(const QString &name, int n)
{
    ItemTexts t;
    t[nameColumn] = name;
    t[value1Column] = QString::number(40 + n % 50 + 0.123, 'g', 6);
    t[value2Column] = QString::number(-5 + n % 11 * 0.71, 'g', 6);
    t[value3Column] = QString::number(12.5 - n % 7 * 1.3, 'g', 6);
    t[timeColumn] = QStringLiteral("2024-03-01 10:%1:30").arg(n % 60, 2, 10, QLatin1Char('0'));
    t[lightSourceColumn] = QStringLiteral("D65");
    t[instrumentModelColumn] = QStringLiteral("PX71");
    t[caliberColumn] = QStringLiteral("8mm");
    t[lightModeColumn] = QStringLiteral("SCI");
    t[colorSpaceColumn] = QStringLiteral("CIE1976L*a*b*");
    t[formulaColumn] = QStringLiteral("ΔE00");
    t[illuminationColumn] = QStringLiteral("8/d");
    t[observerColumn] = QStringLiteral("CIE 10°");
    t[averageTimesColumn] = QStringLiteral("1");
    t[averageCountColumn] = QStringLiteral("1");
    return t;
}

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
        type.type = item(QStringLiteral("Type T%1").arg(t, 3, 10, QLatin1Char('0')), t);
        for (int s = 1; s <= sampleCount / types; ++s)
            type.samples.append(
                item(QStringLiteral("Sample S%1").arg(s, 3, 10, QLatin1Char('0')), s));
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
