// The charts in the window: the values read from the settings reach them
// while the window is being built, a press feeds all of them, the measuring
// conditions and a new measurement reset them.

#include "../support/chartImage.h"
#include "../support/conditionColumns.h"
#include "../support/settingsStore.h"
#include "MainWindows.h"
#include "Plotter.h"
#include "chartSet.h"
#include "deviationCharts.h"
#include "fakeColorRk.h"
#include "mainLayout.h"
#include "painterLabRk.h"
#include "promptRk.h"
#include "sharedState.h"

#include <QTreeWidget>
#include <QtTest>

namespace {

} // namespace

class tst_charts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { promptRk::setTesting(true); }
    void init() { resetStore(); }

    void startupValuesReachTheCharts()
    {
        resetStore({{"colorSpacePC", "CIELUV"},
                    {"colorDiffFormulaPC", "ΔELuv"},
                    {"delatE", "3.00"},
                    {"pDelatL", "1.50"},
                    {"nDelatL", "2.50"},
                    {"pDelata", "0.80"},
                    {"nDelata", "0.90"},
                    {"pDelatb", "1.10"},
                    {"nDelatb", "1.20"}});
        MainWindows window;
        chartSet *charts = window.charts();
        QCOMPARE(charts->colourChart()->shown().colorSpace, QString("CIELUV"));
        const lightnessDeviation &l = charts->lightnessChart()->shown();
        QCOMPARE(QVariantList({l.colorSpace, l.plusTolerance, l.minusTolerance}),
                 QVariantList({"CIELUV", 1.5f, 2.5f}));
        const chromaticDeviation &c = charts->chromaticChart()->shown();
        QCOMPARE(QVariantList({c.colorSpace, c.verticalPlus, c.verticalMinus, c.horizontalPlus,
                               c.horizontalMinus}),
                 QVariantList({"CIELUV", 0.8f, 0.9f, 1.1f, 1.2f}));
        const trendPlotData &trend = charts->trendPlot()->plotted();
        QCOMPARE(trend.toleranceValue, 3.0f);
        QCOMPARE(trend.name, QString("ΔELuv"));
        QVERIFY(qAbs(trend.range.yMax - 3.6) < 1e-6);

        // In their places, and drawn: the u'v' diagram and the trend plot's
        // tolerance line at 3.00 of 3.60.
        QCOMPARE(charts->trendPlot()->parentWidget(), window.layoutPlaces()->trendPlotPlace());
        QCOMPARE(charts->colourChart()->parentWidget(), window.layoutPlaces()->colourChartPlace());
        window.resize(1400, 900);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        saveArtifact(window.grab().toImage(), "window-start-CIELUV");
        Plotter *plot = charts->trendPlot();
        const QImage image = plot->grab().toImage();
        const QRect rect = trendPlotRect(plot->size());
        const double top = plot->plotted().range.yMax;
        const int y = int(rect.bottom() - (rect.bottom() - rect.top()) * 3.0 / top);
        QVERIFY(countColour(image, QRect(rect.left(), y, rect.width() / 2, 1),
                            QColor(0, 255, 255)) > 10);
    }

    void pressFeedsEveryChart()
    {
        MainWindows window;
        window.resize(1400, 900);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTreeWidgetItem *type = window.addTypeItem(50, 10, 20, "Type T001", conditionColumns());
        QList<QTreeWidgetItem *> samples;
        const float values[3][3] = {{51, 11, 19}, {49, 12, 22}, {52, 9, 20}};
        for (int i = 0; i < 3; ++i)
            samples << window.addSampleItem(values[i][0], values[i][1], values[i][2], type,
                                            QString("Sample S00%1").arg(i + 1), conditionColumns());
        chartSet *charts = window.charts();
        Plotter *plot = charts->trendPlot();
        QCoreApplication::processEvents();
        const int rebuilds = plot->pictureRebuilds();

        window.treeItemIsPressed(samples[1], 0);
        const colourCoordinates &shown = charts->colourChart()->shown();
        QVERIFY(shown.sampleShown);
        QCOMPARE(shown.sample[0], 49.f);
        QCOMPARE(shown.type[2], 20.f);
        QCOMPARE(charts->swatch()->shown().upperName, QString("Type T001"));
        QCOMPARE(charts->swatch()->shown().lowerName, QString("Sample S002"));
        QCOMPARE(charts->lightnessChart()->shown().value, -1.f);
        QCOMPARE(charts->chromaticChart()->shown().vertical, 2.f);
        QCOMPARE(charts->chromaticChart()->shown().horizontal, 2.f);
        const trendPlotData &trend = plot->plotted();
        QCOMPARE(trend.series.value(1).size(), 3);
        QCOMPARE(trend.markedPoint, 2);
        QCOMPARE(trend.name, QString("ΔE00"));
        QCOMPARE(trend.series.value(1).at(1).x(), 2.0);
        QVERIFY(trend.series.value(1).at(1).y() > 0.5);

        // At most one picture for the press (none when the series and range
        // stay: only the emphasised point moves), however often the plot is
        // painted.
        plot->grab();
        const int afterPress = plot->pictureRebuilds();
        QVERIFY(afterPress <= rebuilds + 1);
        plot->grab();
        QCOMPARE(plot->pictureRebuilds(), afterPress);
        saveArtifact(window.grab().toImage(), "window-pressed-sample");

        // The charts speak the interface language at once.
        window.SimplifyFcn();
        painterLabRk *chart = charts->colourChart();
        const QImage chinese = chart->grab().toImage();
        saveArtifact(window.grab().toImage(), "window-pressed-sample-zh_CN");
        const textMatch title = findText(chinese, chart->font(), "色坐标",
                                         QPoint(chart->width() / 2 - 25, 15), 2, textOn::widget);
        QVERIFY2(title.found, title.what());
        window.EnglishFcn();

        // A Type without Samples keeps the markers; the texts follow its space.
        QTreeWidgetItem *lonely =
            window.addTypeItem(30, 1, 2, "Type T002", conditionColumns("sRGB", "ΔEsRGB"));
        window.treeItemIsPressed(lonely, 0);
        QCOMPARE(charts->lightnessChart()->shown().value, -1.f);
        QCOMPARE(charts->lightnessChart()->shown().colorSpace, QString("sRGB"));
        QCOMPARE(charts->chromaticChart()->shown().colorSpace, QString("sRGB"));
        QCOMPARE(charts->swatch()->shown().lowerName, QString());
        QVERIFY(plot->plotted().series.value(1).isEmpty());
        QCOMPARE(plot->plotted().markedPoint, 0);
    }

    void newMeasurementResetsTheCharts()
    {
        MainWindows window;
        QTreeWidgetItem *type =
            window.addTypeItem(50, 10, 20, "Type T001", conditionColumns("CIEXYZ", "ΔE00"));
        window.addSampleItem(51, 11, 19, type, "Sample S001", conditionColumns("CIEXYZ", "ΔE00"));
        window.treeItemIsPressed(type, 0);
        chartSet *charts = window.charts();
        QCOMPARE(charts->colourChart()->shown().colorSpace, QString("CIEXYZ"));
        QVERIFY(charts->trendPlot()->plotted().series.contains(1));

        promptRk::setNextAnswer(QMessageBox::No);
        window.newFile();
        QVERIFY(!charts->trendPlot()->plotted().series.contains(1));
        QCOMPARE(charts->trendPlot()->plotted().toleranceValue, 2.0f);
        QCOMPARE(charts->swatch()->shown().upperName, QString());
        QCOMPARE(charts->swatch()->shown().upperBrush.color(),
                 charts->swatch()->palette().color(QPalette::Window));
        QCOMPARE(charts->colourChart()->shown().colorSpace, QString("CIE1976L*a*b*"));
        QVERIFY(!charts->colourChart()->shown().sampleShown);
        QCOMPARE(charts->colourChart()->shown().type[0], 0.f);
    }

    void newConditionsReachTheCharts()
    {
        MainWindows window;
        chartSet *charts = window.charts();
        MeasuringConditions conditions = window.state()->conditions();
        // The instrument reporting itself changes nothing the charts show.
        window.state()->setInstrumentConditions("PX71", "8mm", "CIE 10°", "8/d");
        charts->colourChart()->setChartSpace("CIELCH");
        QCOMPARE(charts->colourChart()->shown().colorSpace, QString("CIELCH"));
        conditions = window.state()->conditions();
        conditions.colorSpace = "sRGB";
        conditions.colorDiffFormula = "ΔEsRGB";
        window.state()->setConditions(conditions);
        QCOMPARE(charts->colourChart()->shown().colorSpace, QString("sRGB"));
        QCOMPARE(charts->lightnessChart()->shown().colorSpace, QString("sRGB"));
        QCOMPARE(charts->chromaticChart()->shown().colorSpace, QString("sRGB"));
        QCOMPARE(charts->trendPlot()->plotted().name, QString("ΔEsRGB"));

        // A new tolerance moves the line and the deviation bounds.
        window.setTolerance("4", "1", "1", "1", "1", "1", "0.5");
        QCOMPARE(charts->trendPlot()->plotted().toleranceValue, 4.0f);
        QCOMPARE(charts->chromaticChart()->shown().horizontalPlus, 0.5f);
    }
};

QTEST_MAIN(tst_charts)
#include "tst_charts.moc"
