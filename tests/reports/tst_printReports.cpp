// The two printed reports rendered into PDF files and read back with
// poppler's tools: pages, texts and their order, verdicts, the Chinese font;
// one page of each drawn into an image; failures that must not pass for a
// printed report.

#include "../support/chartImage.h"
#include "pdfTools.h"

#include "printRk.h"
#include "promptRk.h"
#include "reportPages.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <cmath>

namespace {

ItemTexts item(const QString &name, float v1, float v2, float v3,
               const QString &space = QStringLiteral("CIE1976L*a*b*"),
               const QString &formula = QStringLiteral("ΔELab"))
{
    ItemTexts t;
    t[nameColumn] = name;
    t[value1Column] = QString::number(v1);
    t[value2Column] = QString::number(v2);
    t[value3Column] = QString::number(v3);
    t[timeColumn] = "2026-12-09 08:00:00";
    t[lightSourceColumn] = "D65";
    t[instrumentModelColumn] = "PX71";
    t[caliberColumn] = "8mm";
    t[lightModeColumn] = "SCI";
    t[colorSpaceColumn] = space;
    t[formulaColumn] = formula;
    t[illuminationColumn] = "8/d";
    t[observerColumn] = "CIE 10°";
    t[averageTimesColumn] = "1";
    t[averageCountColumn] = "1";
    return t;
}

MarkedType marked(const ItemTexts &type, const QVector<ItemTexts> &samples = {})
{
    MarkedType m;
    m.type = type;
    m.samples = samples;
    return m;
}

reportData dataOf(const QVector<MarkedType> &types)
{
    reportData data;
    data.marked = types;
    data.printInfo = PrintInfo::fromTexts(
        {"Batch 42", "Acme Paints", "2026-12-24 10:00:00", "QC Lab", "Li Wei", "Primer"}, false);
    return data;
}

// One Type with `count` Samples named S001, S002, ...
reportData manySamples(int count)
{
    QVector<ItemTexts> samples;
    for (int i = 1; i <= count; ++i)
        samples << item(QString("Sample S%1").arg(i, 3, 10, QChar('0')), 50.5f, 0.5f, -0.5f);
    return dataOf({marked(item("Type T001", 50, 0, 0), samples)});
}

bool renderPdf(const QString &path, int format, const reportData &data, QString *error = nullptr)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    return printReport(&printer, format, data, error);
}

// A printer that cannot add page `failingPage`.
class pageLimitedPrinter : public QPrinter
{
public:
    explicit pageLimitedPrinter(int failingPage)
        : QPrinter(QPrinter::HighResolution), m_failing(failingPage)
    {
    }
    bool newPage() override { return ++m_page < m_failing && QPrinter::newPage(); }

private:
    int m_failing;
    int m_page = 1;
};

} // namespace

class tst_printReports : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;

    // The PDF files stay under tests/artifacts for a look by eye.
    QString file(const QString &name) const
    {
        QDir artifacts(qEnvironmentVariable("QCM_BUILD_DIR", QDir::currentPath()));
        artifacts.mkpath("tests/artifacts");
        return artifacts.filePath("tests/artifacts/" + name);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        promptRk::setTesting(true);
        QVERIFY2(QProcess::execute("pdfinfo", {"-v"}) == 0,
                 "poppler-utils (tools/setup.sh) is needed");
    }

    // Rows per page from the page's geometry, counted exactly in tenths of
    // the row unit: the cursor starts at 9, a Type adds 1 + 3.2 and its
    // Sample header 1.6, each Sample 1.6; a row is drawn while the cursor has
    // not passed 57, and a continuation page starts at 1.
    void report1Pagination_data()
    {
        const int first = (570 - (90 + 10 + 32 + 16)) / 16 + 1;
        const int more = (570 - 10) / 16 + 1;
        QCOMPARE(first, 27);
        QCOMPARE(more, 36);
        QTest::addColumn<int>("samples");
        QTest::addColumn<QVector<int>>("lastOnPage"); // last Sample number of each page
        QTest::newRow("one short of a full page") << first - 1 << QVector<int>{first - 1};
        // The page is checked before a row, never after the last one: a
        // full last page keeps the closing lines below its table.
        QTest::newRow("full first page") << first << QVector<int>{first};
        QTest::newRow("one more") << first + 1 << QVector<int>{first, first + 1};
        QTest::newRow("one short of two pages")
            << first + more - 1 << QVector<int>{first, first + more - 1};
        QTest::newRow("two full pages") << first + more << QVector<int>{first, first + more};
        QTest::newRow("third page begun")
            << first + more + 1 << QVector<int>{first, first + more, first + more + 1};
    }

    void report1Pagination()
    {
        QFETCH(int, samples);
        QFETCH(QVector<int>, lastOnPage);
        const QString path = file(QString("pages%1.pdf").arg(samples));
        QVERIFY(renderPdf(path, 1, manySamples(samples)));
        QCOMPARE(pdfPageCount(path), lastOnPage.size());
        const QStringList pages = pdfPageTexts(path);
        QCOMPARE(pages.size(), lastOnPage.size());
        for (int p = 0; p < pages.size(); ++p) {
            const QString &page = pages[p];
            const QString last = QString("Sample S%1").arg(lastOnPage[p], 3, 10, QChar('0'));
            const QString next = QString("Sample S%1").arg(lastOnPage[p] + 1, 3, 10, QChar('0'));
            QVERIFY2(page.contains(last) == (p == 0 || lastOnPage[p] != lastOnPage[p - 1]),
                     qPrintable(last));
            QVERIFY2(!page.contains(next), qPrintable(next));
            // Every page ends with its number; the last one also signs.
            QCOMPARE(page.trimmed().split('\n').last().trimmed(), QString::number(p + 1));
            QCOMPARE(page.contains("signature:"), p == pages.size() - 1);
        }
        // The closing lines stand below the last row, on its page.
        const QRectF row = pdfWordBox(path, pages.size(),
                                      QString("S%1").arg(lastOnPage.last(), 3, 10, QChar('0')));
        const QRectF signature = pdfWordBox(path, pages.size(), "signature:");
        QVERIFY(!row.isEmpty() && !signature.isEmpty());
        QVERIFY(signature.top() > row.bottom());
    }

    // A Type block low on the last page would run into the closing lines:
    // they start a page of their own instead.
    void closingLinesNeverOverlapTheTable()
    {
        reportData data = manySamples(26);
        QVERIFY(renderPdf(file("fits.pdf"), 1, data));
        QCOMPARE(pdfPageCount(file("fits.pdf")), 1);
        data.marked << marked(item("Type T002", 40, 0, 0));
        QVERIFY(renderPdf(file("moved.pdf"), 1, data));
        const QStringList pages = pdfPageTexts(file("moved.pdf"));
        QCOMPARE(pages.size(), 2);
        QVERIFY(pages[0].contains("Type T002") && !pages[0].contains("signature:"));
        QVERIFY(pages[1].contains("signature:") && !pages[1].contains("Type T"));
    }

    void report1Texts()
    {
        reportData data = dataOf({
            // ΔE equal to the tolerance passes, as on the panel.
            marked(item("Type T001", 50, 0, 0),
                   {item("Sample S001", 52, 0, 0), item("Sample S002", 53.5f, 1, -1)}),
            // FMC-II against a black Type has no value.
            marked(item("Type T002", 0, 0, 0, "CIE1976L*a*b*", "ΔEFCMⅡ"),
                   {item("Sample S003", 1, 1, 1, "CIE1976L*a*b*", "ΔEFCMⅡ")}),
            marked(item("Type T003", 50, 20, 30, "CIELCH"),
                   {item("Sample S004", 50, 21, 31, "CIELCH")}),
            marked(item("Type T004", 20, 30, 40, "CIEXYZ")), // marked without Samples
            marked(item("Type T005", 50, 0, 0, "HunterLab"),
                   {item("Sample S005", 50, 0, 0, "HunterLab")}),
        });
        QVERIFY(renderPdf(file("report1.pdf"), 1, data));
        const QStringList pages = pdfPageTexts(file("report1.pdf"));
        QCOMPARE(pages.size(), 1);
        const QString page = pages[0];
        QString missing;
        QVERIFY2(
            inOrder(
                page,
                "Color Difference Test Report 1|Company|Acme Paints|Department|QC Lab|Measurer|Li "
                "Wei|Product|Primer|Name|Batch 42|Instrument|PX71|Type|Color "
                "Space|Light|Observer|Method|Caliber|Mode|TestTimes|Type T001|CIEL*a*b*|D65|CIE "
                "10°|8/d|8mm|SCI|50.00|Sample|Formula|ΔL|Δa|Δb|ΔELab|Tolerance|Judge|Sample "
                "S001|Type T005|signature:|Print Time:2026-12-24 10:00:00",
                &missing),
            qPrintable(missing));
        QVERIFY(lineWith(page, "Sample S001")
                    .contains(QRegularExpression("Sample S001 +ΔELab +2.00 +0.00 +0.00 +2.00 +"
                                                 "2.00 +Pass +52.00 +0.00 +0.00")));
        QVERIFY(lineWith(page, "Sample S002").contains(QRegularExpression("3.77 +2.00 +Fail")));
        QVERIFY(
            lineWith(page, "Sample S003").contains(QRegularExpression("ΔEFCMⅡ.* -- +2.00 +Fail")));
        QVERIFY(lineWith(page, "Δc").contains(QRegularExpression("ΔL +Δc +ΔH")));
        // Type headers per colour space; HunterLab (lower-case b) names nothing.
        QStringList typeHeaders;
        for (const QString &line : page.split('\n'))
            if (line.contains("TestTimes"))
                typeHeaders << line.mid(line.indexOf("TestTimes") + 9).simplified();
        QCOMPARE(typeHeaders, QStringList({"L a b", "L a b", "L c H", "X Y Z", ""}));
        // The Type marked without Samples has no Sample header.
        QCOMPARE(page.count("Judge"), 4);

        // The two spaces whose names differ most from the others.
        data = dataOf({marked(item("Type T006", 50, 10, 10, "CIELUV"),
                              {item("Sample S006", 51, 10, 10, "CIELUV")}),
                       marked(item("Type T007", 50, 10, 10, "HunterLAB"),
                              {item("Sample S007", 51, 10, 10, "HunterLAB")})});
        QVERIFY(renderPdf(file("report1-names.pdf"), 1, data));
        const QString names = pdfPageTexts(file("report1-names.pdf")).join("\n");
        QVERIFY2(inOrder(names,
                         "TestTimes|L*|u*|v*|Type T006|CIELUV|ΔL*|Δu*|Δv*|Sample S006|TestTimes|"
                         "HunterL|HunterA|HunterB|Type T007|HunterLAB|ΔHunterL|ΔHunterA|ΔHunterB|"
                         "Sample S007",
                         &missing),
                 qPrintable(missing));
    }

    void report2Texts()
    {
        reportData data = dataOf({
            marked(item("Type T001", 50, 0, 0), {item("Sample S001", 52, 1, -3)}),
            marked(item("Type T002", 60, 0, 0)), // no Samples: no page
            marked(item("Type T003", 100, 120, 140, "sRGB"),
                   {item("Sample S002", 100, 121, 139, "sRGB")}),
        });
        data.printInfo.timeFlag = true; // the print time is the time of printing
        QVERIFY(renderPdf(file("report2.pdf"), 2, data));
        const QStringList pages = pdfPageTexts(file("report2.pdf"));
        QCOMPARE(pages.size(), 2);
        QString missing;
        QVERIFY2(
            inOrder(pages[0],
                    "Color Difference Test Report 2|Company|Acme Paints|Department|QC "
                    "Lab|Measurer|Li Wei|Product|Primer|Light|Method|Color "
                    "Space|Formula|Observer|Caliber|Mode|TestTimes|D65|8/d|CIEL*a*b*|ΔELab|CIE "
                    "10°|8mm|SCI|1|Measurement|Instrument|Tolerance|Batch 42|PX71|ΔELab<2.00|Type "
                    "T001|Sample S001|Value|Bias|Result|Test Time|2026-12-09 08:00:00|Value "
                    "ΔELab=3.74|Fail|Signature:",
                    &missing),
            qPrintable(missing));
        // A difference equal to its limit passes, as on the panel.
        QVERIFY(lineWith(pages[0], "White+")
                    .contains(QRegularExpression("L +50.00 +52.00 +2.00 +Black- White\\+ +Pass")));
        QVERIFY(lineWith(pages[0], "Green- Red+")
                    .contains(QRegularExpression("a +0.00 +1.00 +1.00 +Green- Red\\+ +Pass")));
        QVERIFY(lineWith(pages[0], "Yellow- Blue+")
                    .contains(QRegularExpression("b +0.00 +-3.00 +-3.00 +Yellow- Blue\\+ +Fail")));
        // The deviation charts' texts come from the shared routine.
        QVERIFY(pages[0].contains("+Δa") && pages[0].contains("-Δb"));
        QVERIFY(lineWith(pages[1], "Normal").contains(QRegularExpression("R +100.00 +100.00")));
        QVERIFY(pages[1].contains("Green+") && pages[1].contains("Blue-"));
        QVERIFY(!pages.join("").contains("Type T002"));
        const QString now = QDateTime::currentDateTime().toString("yyyy-MM-dd");
        QVERIFY(lineWith(pages[1], "Signature:").contains(now));
    }

    void chineseReports_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("simplified") << "zh_CN";
        QTest::newRow("traditional") << "zh_TW";
    }

    void chineseReports()
    {
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(translator.load(qEnvironmentVariable("QCM_BUILD_DIR") + "/language/" + language));
        QCoreApplication::installTranslator(&translator);
        const QString title1 =
            QCoreApplication::translate("printRk", "Color Difference Test Report 1");
        const QString title2 =
            QCoreApplication::translate("printRk", "Color Difference Test Report 2");
        const QString signature = QCoreApplication::translate("printRk", "Signature:");
        QVERIFY(title1 != "Color Difference Test Report 1");
        const reportData data =
            dataOf({marked(item("Type T001", 50, 0, 0), {item("Sample S001", 52, 1, -3)})});
        const QString path1 = file(language + "-1.pdf");
        const QString path2 = file(language + "-2.pdf");
        QVERIFY(renderPdf(path1, 1, data));
        QVERIFY(renderPdf(path2, 2, data));
        QCoreApplication::removeTranslator(&translator);
        QVERIFY(pdfPageTexts(path1).value(0).contains(title1));
        QVERIFY(inOrder(pdfPageTexts(path2).value(0), title2 + "|" + signature));
        QVERIFY2(pdfFonts(path1).contains("WenQuanYi"), qPrintable(pdfFonts(path1)));
        QVERIFY(pdfFonts(path2).contains("WenQuanYi"));
    }

    // One page of each, drawn into an image (kept under tests/artifacts).
    void pagesAsImages()
    {
        const reportData data =
            dataOf({marked(item("Type T001", 50, 0, 0), {item("Sample S001", 53, 3, 1)})});
        const QSize a4(1240, 1754); // A4 at 150 dpi
        const reportGeometry g(a4);
        const QImage page1 = renderChart(a4, [&](QPainter &p, const QRect &r) {
            paintReport1Page(p, r, data, planReport1(data, a4), 0, "2026-12-24 10:00:00");
        });
        saveArtifact(page1, "report1-page1");
        // Grey 220 fills the Type block, not the Sample row under its header.
        const QColor typeGrey(220, 220, 220);
        QVERIFY(countColour(page1, QRect(g.x(1) + 5, g.rowY(100) + 3, 50, 10), typeGrey) > 0);
        QCOMPARE(countColour(page1, QRect(g.x(1) + 5, g.rowY(148) + 3, 50, 10), typeGrey), 0);

        const QImage page2 = renderChart(a4, [&](QPainter &p, const QRect &r) {
            paintReport2Page(p, r, data, 0, 0, "2026-12-24 10:00:00");
        });
        saveArtifact(page2, "report2-page1");
        // Both charts, markers included, stay inside the chart box.
        const int boxTop = g.top + int(27 * g.u);
        const int boxBottom = g.top + int(59 * g.u);
        QVERIFY(countColour(page2, QRect(0, boxTop, int(g.x(6)), boxBottom - boxTop), Qt::cyan) >
                0);
        QVERIFY(countColour(page2, QRect(int(g.x(6)), boxTop, a4.width(), boxBottom - boxTop),
                            Qt::cyan) > 0);
        QCOMPARE(countColour(page2, QRect(0, 0, a4.width(), boxTop), Qt::cyan), 0);
        const int signatureTop = int(19.5 * g.H / 20.0) - g.s;
        QCOMPARE(countColour(page2,
                             QRect(0, boxBottom + 2, a4.width(), signatureTop - boxBottom - 2),
                             QColor(240, 240, 240)),
                 0);
    }

    // A Type with ten or more printed Samples: each of its Report 2 pages
    // draws their control ellipse and the Samples, the one outside it in
    // red, inside the chart box; with fewer Samples, none.
    void report2ControlEllipse()
    {
        QVector<ItemTexts> samples;
        for (int k = 0; k < 16; ++k)
            samples << item(QString("Sample S%1").arg(k + 1), 50.5f,
                            float(0.3 + 0.4 * std::sin(k * 0.9)),
                            float(-0.2 + 0.5 * std::sin(k * 0.9) + 0.15 * std::cos(k * 2.3)));
        samples << item("Sample S017", 50.5f, 0.3f, 0.6f);
        const reportData data = dataOf({marked(item("Type T001", 50, 0, 0), samples)});
        QVERIFY(data.cloudOf(0).ellipse.valid);
        QCOMPARE(data.cloudOf(0).samples.size(), 17);
        QVERIFY(!data.cloudOf(0).ellipse.contains(0.3, 0.6));

        const QSize a4(1240, 1754);
        const reportGeometry g(a4);
        const int boxTop = g.top + int(27 * g.u);
        const int boxBottom = g.top + int(59 * g.u);
        const QColor red(220, 0, 0);
        const auto page = [&](const reportData &d, int sample) {
            return renderChart(a4, [&](QPainter &p, const QRect &r) {
                paintReport2Page(p, r, d, 0, sample, "2026-12-24 10:00:00");
            });
        };
        // The page of a Sample whose marker leaves the outlier in sight.
        const QImage first = page(data, 2);
        saveArtifact(first, "report2-control-ellipse");
        const QRect chromaticBox(int(g.x(6)), boxTop, a4.width() - int(g.x(6)), boxBottom - boxTop);
        QVERIFY(countColour(first, chromaticBox, red) > 10);
        QCOMPARE(countColour(first, QRect(0, 0, a4.width(), boxTop), red), 0);
        // Every page of the Type shows the same cloud.
        QCOMPARE(countColour(page(data, 9), chromaticBox, red),
                 countColour(first, chromaticBox, red));

        QVector<ItemTexts> few = samples.mid(0, 9);
        const reportData fewer = dataOf({marked(item("Type T001", 50, 0, 0), few)});
        QVERIFY(!fewer.cloudOf(0).ellipse.valid);
        QCOMPARE(countColour(page(fewer, 0), chromaticBox, red), 0);
    }

    void failuresAreReported()
    {
        const reportData data = manySamples(40); // two pages
        QString error;
        QVERIFY(!renderPdf(dir.filePath("missing-folder/report.pdf"), 1, data, &error));
        QVERIFY2(error.contains("could not be started"), qPrintable(error));

        printRk dialog;
        dialog.recieveInfoForPrint(data);
        pageLimitedPrinter printer(2);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file("cut.pdf"));
        promptRk::clearHistory();
        QVERIFY(!dialog.setFormat1(&printer));
        QCOMPARE(promptRk::history().size(), 1);
        QVERIFY(promptRk::history().first().text.contains("page 2 could not be added"));
        QVERIFY(!QFile::exists(file("cut.pdf")));
    }
};

QTEST_MAIN(tst_printReports)
#include "tst_printReports.moc"
