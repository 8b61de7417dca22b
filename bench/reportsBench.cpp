// Report 1 for one Type with 1,000 and 10,000 Samples, printed into a PDF
// file at the printer's high resolution (10,000 Samples fill 279 pages).  The
// time should grow in step with the number of Samples.
// Run from the build folder: QT_QPA_PLATFORM=offscreen bench/reportsBench

#include "reportPages.h"

#include <QApplication>
#include <QPrinter>
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

reportData oneType(int sampleCount)
{
    reportData d;
    d.printInfo = PrintInfo::fromTexts(
        {"Night shift", "Dyeworks", "2024-03-01 18:00:00", "QC", "Li", "Cotton"}, false);
    MarkedType type;
    type.type = item(QStringLiteral("Type T001"), 0);
    for (int s = 1; s <= sampleCount; ++s)
        type.samples.append(item(QStringLiteral("Sample S%1").arg(s, 3, 10, QLatin1Char('0')), s));
    d.marked.append(type);
    return d;
}

void BM_report1Pdf(benchmark::State &state)
{
    const reportData data = oneType(int(state.range(0)));
    QTemporaryDir dir;
    int pages = 0;
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("report.pdf")));
        if (!printReport(&printer, 1, data)) {
            state.SkipWithError("printing failed");
            break;
        }
        pages = planReport1(data, QSize(printer.width(), printer.height())).pageCount();
    }
    state.counters["pages"] = pages;
}

} // namespace

BENCHMARK(BM_report1Pdf)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
