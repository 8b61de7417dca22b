// Report 1 for one Type with 1,000 and 10,000 Samples, printed into a PDF
// file at the printer's high resolution (10,000 Samples fill 279 pages).  The
// time should grow in step with the number of Samples.
// Run from the build folder: QT_QPA_PLATFORM=offscreen bench/reportsBench

#include "benchData.h"
#include "reportPages.h"

#include <QApplication>
#include <QPrinter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

reportData oneType(int sampleCount)
{
    reportData d;
    d.printInfo = PrintInfo::fromTexts(
        {"Night shift", "Dyeworks", "2024-03-01 18:00:00", "QC", "Li", "Cotton"}, false);
    MarkedType type;
    type.type = benchItem(QStringLiteral("Type T001"), 0);
    for (int s = 1; s <= sampleCount; ++s)
        type.samples.append(
            benchItem(QStringLiteral("Sample S%1").arg(s, 3, 10, QLatin1Char('0')), s));
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
