// The trend plot: axis rounding, the range a press gives, the picture it
// draws, and zooming and scrolling through real mouse, key and wheel events.

#include "../support/chartImage.h"
#include "Plotter.h"
#include "trendFeed.h"

#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include <cmath>

Q_DECLARE_METATYPE(PlotRange)

namespace {

const QColor kBlue(0, 0, 255);
const QColor kCyan(0, 255, 255);
const QColor kMagenta(255, 0, 255);

void sendMouse(QWidget *widget, QEvent::Type type, const QPoint &at, Qt::MouseButton button)
{
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

// A left-button drag from `from` to `to`, as the user makes it.
void drag(QWidget *widget, const QPoint &from, const QPoint &to)
{
    sendMouse(widget, QEvent::MouseButtonPress, from, Qt::LeftButton);
    sendMouse(widget, QEvent::MouseMove, (from + to) / 2, Qt::NoButton);
    sendMouse(widget, QEvent::MouseMove, to, Qt::NoButton);
    sendMouse(widget, QEvent::MouseButtonRelease, to, Qt::LeftButton);
}

void wheel(QWidget *widget, const QPoint &angleDelta)
{
    const QPoint at(200, 100);
    QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), angleDelta, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(widget, &event);
}

bool sameRange(const PlotRange &a, const PlotRange &b)
{
    const auto near = [](double x, double y) { return std::fabs(x - y) < 1e-9; };
    return near(a.xMin, b.xMin) && near(a.xMax, b.xMax) && a.xTicks == b.xTicks &&
           near(a.yMin, b.yMin) && near(a.yMax, b.yMax) && a.yTicks == b.yTicks;
}

QByteArray show(const PlotRange &r)
{
    return QByteArray("x ") + QByteArray::number(r.xMin) + ".." + QByteArray::number(r.xMax) + "/" +
           QByteArray::number(r.xTicks) + ", y " + QByteArray::number(r.yMin) + ".." +
           QByteArray::number(r.yMax) + "/" + QByteArray::number(r.yTicks);
}

PlotRange range(double xMin, double xMax, int xTicks, double yMin, double yMax, int yTicks)
{
    return PlotRange{xMax, xMin, xTicks, yMax, yMin, yTicks};
}

QVector<QPointF> trend(std::initializer_list<double> values)
{
    QVector<QPointF> points;
    for (double v : values)
        points.append(QPointF(points.size() + 1, v));
    return points;
}

} // namespace

class tst_trendPlot : public QObject
{
    Q_OBJECT

private slots:
    void axisRounding_data()
    {
        QTest::addColumn<double>("lo");
        QTest::addColumn<double>("hi");
        QTest::addColumn<double>("roundedLo");
        QTest::addColumn<double>("roundedHi");
        QTest::addColumn<int>("ticks");

        QTest::newRow("0..10 in steps of 2") << 0.0 << 10.0 << 0.0 << 10.0 << 5;
        QTest::newRow("0..2.4 in steps of 0.5") << 0.0 << 2.4 << 0.0 << 2.5 << 5;
        QTest::newRow("1.3..7.9 in steps of 1") << 1.3 << 7.9 << 1.0 << 8.0 << 7;
        QTest::newRow("0..0.3 in steps of 0.05") << 0.0 << 0.3 << 0.0 << 0.3 << 6;
        QTest::newRow("across zero") << -7.0 << 13.0 << -8.0 << 14.0 << 11;
        QTest::newRow("hundreds") << 0.0 << 1000.0 << 0.0 << 1000.0 << 5;
        QTest::newRow("no width: one unit") << 3.0 << 3.0 << 3.0 << 4.0 << 5;
        QTest::newRow("reversed: one unit") << 2.0 << 1.0 << 2.0 << 3.0 << 5;
        QTest::newRow("zero everywhere") << 0.0 << 0.0 << 0.0 << 1.0 << 5;
        QTest::newRow("NaN") << qQNaN() << qQNaN() << 0.0 << 1.0 << 5;
        QTest::newRow("infinite top") << 0.0 << qInf() << 0.0 << 1.0 << 5;
    }

    void axisRounding()
    {
        QFETCH(double, lo);
        QFETCH(double, hi);
        QFETCH(double, roundedLo);
        QFETCH(double, roundedHi);
        QFETCH(int, ticks);
        int n = 0;
        adjustAxis(lo, hi, n);
        QVERIFY2(std::fabs(lo - roundedLo) < 1e-9, qPrintable(QString::number(lo)));
        QVERIFY2(std::fabs(hi - roundedHi) < 1e-9, qPrintable(QString::number(hi)));
        QCOMPARE(n, ticks);
    }

    void rangeAfterPress_data()
    {
        QTest::addColumn<QList<int>>("sampleCounts"); // pressed in turn
        QTest::addColumn<double>("xMax");

        QTest::newRow("no Samples") << QList<int>{0} << 10.0;
        QTest::newRow("ten") << QList<int>{10} << 10.0;
        QTest::newRow("eleven") << QList<int>{11} << 20.0;
        QTest::newRow("twenty") << QList<int>{20} << 20.0;
        QTest::newRow("twenty-one") << QList<int>{21} << 40.0;
        QTest::newRow("never narrows") << QList<int>{21, 3} << 40.0;
        QTest::newRow("thousands") << QList<int>{5000} << 5120.0;
        QTest::newRow("eleven after thousands") << QList<int>{5000, 11} << 20.0;
    }

    void rangeAfterPress()
    {
        QFETCH(QList<int>, sampleCounts);
        QFETCH(double, xMax);
        PlotRange r = startingTrendRange(2.0f);
        QCOMPARE(r.yMax, 1.2 * 2.0);
        for (int count : sampleCounts)
            fitTrendRange(r, QVector<QPointF>(count, QPointF(1, 0.5)), 2.0f);
        QCOMPARE(r.xMax, xMax);
        QCOMPARE(r.xMin, 0.0);
        // The y axis reaches 1.2 x 1.2 x the tolerance.
        QVERIFY(std::fabs(r.yMax - 1.44 * 2.0) < 1e-6);
    }

    void rangeFollowsPeak()
    {
        PlotRange r = startingTrendRange(2.0f);
        fitTrendRange(r, trend({1.0, qQNaN(), 5.0, qInf()}), 2.0f);
        QVERIFY2(std::fabs(r.yMax - 6.0) < 1e-9, show(r));
        // A tolerance of 0 and only zero differences: a degenerate axis.
        PlotRange flat = startingTrendRange(0.0f);
        fitTrendRange(flat, trend({0.0, 0.0}), 0.0f);
        QCOMPARE(flat.yMax, 0.0);
        QCOMPARE(flat.spanY(), 1.0);
        // Nothing finite at all leaves the axis as it was.
        PlotRange none = startingTrendRange(qQNaN());
        QCOMPARE(none.yMax, 5.0);
        fitTrendRange(none, trend({qQNaN()}), qQNaN());
        QCOMPARE(none.yMax, 5.0);
    }

    void picture()
    {
        Plotter plot;
        plot.resize(480, 320);
        plot.setPlotRange(range(0, 10, 10, 0, 4, 4));
        plot.setToleranceLine(2.0f, "ΔE00");
        plot.setSeries(1, trend({1.0, 1.5, 2.5, qQNaN(), 3.0, 1.0}), "ΔE00", 2);
        const QImage image = plot.grab().toImage();
        saveArtifact(image, "trend-picture");

        // Plot rectangle: left 40, top 10, 420 x 280 (right 459, bottom 289).
        const auto at = [](double x, double y) {
            return QPointF(40 + x * 419 / 10, 289 - y * 279 / 4);
        };
        // Frame in the 2-pixel dark pen.
        QVERIFY(sameColour(image.pixel(40, 150), Qt::black));
        QVERIFY(sameColour(image.pixel(458, 150), Qt::black));
        // Tolerance line at int(289 - 279 * 2 / 4) = 149, cyan dash-dot from 40 to W - 40.
        QVERIFY(countColour(image, QRect(40, 149, 400, 1), kCyan) > 150);
        QCOMPARE(countColour(image, QRect(441, 149, 39, 1), kCyan), 0);
        const textMatch label = findText(image, plot.font(), "ΔE00=2.00", QPoint(45, 144));
        QVERIFY2(label.found, label.what());
        // The blue line joins 1 and 2, the points are cyan, the second point
        // magenta, and the line breaks at the NaN between 3 and 5.
        QVERIFY(colourNear(image, ((at(1, 1.0) + at(2, 1.5)) / 2).toPoint(), kBlue, 1));
        QVERIFY(colourNear(image, at(1, 1.0).toPoint(), kCyan, 1));
        QVERIFY(colourNear(image, QPoint(int(at(2, 1.5).x()), int(at(2, 1.5).y())), kMagenta, 0));
        QCOMPARE(countColour(image, QRect(int(at(3.6, 0).x()), 11, 30, 278), kBlue), 0);
        QVERIFY(colourNear(image, ((at(5, 3.0) + at(6, 1.0)) / 2).toPoint(), kBlue, 1));

        // Labels: x ticks every 41.9 pixels centred below, y ticks to the left.
        const QRect belowTick2(123 - 50, 294, 100, 20);
        const QRect ink = inkBox(image, belowTick2, darkInk);
        QVERIFY(qAbs(ink.center().x() - 123) <= 2);
        // "4.00" right-aligned in (0, 0, 35 x 20), left of the tick at y = 10.
        const QRect leftOfTop = inkBox(image, QRect(0, 0, 35, 22), darkInk);
        QVERIFY(leftOfTop.right() >= 31 && qAbs(leftOfTop.center().y() - 10) <= 2);
        QCOMPARE(plot.pictureRebuilds(), 1);
    }

    void degenerateAndTinyPlots()
    {
        Plotter plot;
        plot.resize(480, 320);
        // A tolerance of 0 with every difference 0: the y axis spans 0 to 1.
        plot.setPlotRange(range(0, 10, 10, 0, 0, 4));
        plot.setToleranceLine(0.0f, "ΔE");
        plot.setSeries(1, trend({0.0, 0.0, 0.0}), "ΔE", 1);
        QImage image = plot.grab().toImage();
        saveArtifact(image, "trend-degenerate");
        // "1.00" at the top: right-aligned in (0, 0, 35 x 20), as wide as it is.
        const QRect top = inkBox(image, QRect(0, 0, 35, 22), darkInk);
        const int width = QFontMetrics(plot.font(), &image).tightBoundingRect("1.00").width();
        QVERIFY(top.right() >= 31 && qAbs(top.center().y() - 10) <= 2);
        QVERIFY(qAbs(top.width() - width) <= 2);
        // The second point (the first is marked) is still drawn, at the bottom.
        QVERIFY(colourNear(image, QPoint(40 + 2 * 419 / 10, 288), kCyan, 1));

        // Too small for a plot rectangle: the background alone.
        plot.resize(60, 100);
        image = plot.grab().toImage();
        QCOMPARE(inkBox(image, image.rect(),
                        [&](QRgb p) { return p != plot.palette().color(QPalette::Window).rgb(); }),
                 QRect());
    }

    void bandZoomAndHistory()
    {
        Plotter plot;
        plot.resize(480, 320);
        plot.setPlotRange(PlotRange());
        QVERIFY(plot.zoomInButton()->isHidden());
        QVERIFY(plot.zoomOutButton()->isHidden());

        // Band 42..210 x 28..140 inside the plot: x 1.00..5.01, y 2.49..4.50,
        // rounded to 1..6 in 5 steps and 2..4.5 in 5 steps.
        drag(&plot, QPoint(82, 38), QPoint(250, 150));
        QCOMPARE(plot.rangeHistory().size(), 2);
        QCOMPARE(plot.currentRange(), 1);
        QVERIFY2(sameRange(plot.plotted().range, range(1, 6, 5, 2, 4.5, 5)),
                 show(plot.plotted().range));
        QVERIFY(!plot.zoomOutButton()->isHidden());
        QVERIFY(plot.zoomOutButton()->isEnabled());
        QVERIFY(plot.zoomInButton()->isHidden());

        drag(&plot, QPoint(100, 100), QPoint(300, 250));
        QCOMPARE(plot.rangeHistory().size(), 3);
        const PlotRange second = plot.plotted().range;

        QTest::keyClick(&plot, Qt::Key_Minus);
        QCOMPARE(plot.currentRange(), 1);
        QVERIFY(!plot.zoomInButton()->isHidden());
        QVERIFY(plot.zoomInButton()->isEnabled());
        QTest::keyClick(&plot, Qt::Key_Plus);
        QCOMPARE(plot.currentRange(), 2);
        QVERIFY(!plot.zoomInButton()->isEnabled());
        QVERIFY(sameRange(plot.plotted().range, second));

        // Back one step, then a new band replaces the entry ahead.
        plot.zoomOutButton()->click();
        QCOMPARE(plot.currentRange(), 1);
        drag(&plot, QPoint(60, 30), QPoint(400, 200));
        QCOMPARE(plot.rangeHistory().size(), 3);
        QCOMPARE(plot.currentRange(), 2);
        QVERIFY(!sameRange(plot.rangeHistory().at(2), second));

        QTest::keyClick(&plot, Qt::Key_Minus);
        QTest::keyClick(&plot, Qt::Key_Minus);
        QTest::keyClick(&plot, Qt::Key_Minus);
        QCOMPARE(plot.currentRange(), 0);
        QVERIFY(!plot.zoomOutButton()->isEnabled());

        // A band narrower than 4 pixels does not zoom, one of 4 x 4 does.
        drag(&plot, QPoint(100, 100), QPoint(102, 149));
        QCOMPARE(plot.rangeHistory().size(), 3);
        QCOMPARE(plot.currentRange(), 0);
        drag(&plot, QPoint(100, 100), QPoint(103, 103));
        QCOMPARE(plot.rangeHistory().size(), 2);
        QCOMPARE(plot.currentRange(), 1);
        // A press outside the plot rectangle starts no band.
        sendMouse(&plot, QEvent::MouseButtonPress, QPoint(10, 300), Qt::LeftButton);
        QVERIFY(!plot.isDraggingBand());

        // A new range from the window clears the history and hides the buttons.
        plot.setPlotRange(PlotRange());
        QCOMPARE(plot.rangeHistory().size(), 1);
        QVERIFY(plot.zoomOutButton()->isHidden());
    }

    void rubberBandIsDrawnWhileDragging()
    {
        Plotter plot;
        plot.resize(480, 320);
        sendMouse(&plot, QEvent::MouseButtonPress, QPoint(100, 60), Qt::LeftButton);
        sendMouse(&plot, QEvent::MouseMove, QPoint(200, 160), Qt::NoButton);
        QVERIFY(plot.isDraggingBand());
        QCOMPARE(plot.cursor().shape(), Qt::CrossCursor);
        const QImage image = plot.grab().toImage();
        saveArtifact(image, "trend-band");
        const QColor shadow = plot.palette().color(QPalette::Shadow);
        QVERIFY(countColour(image, QRect(100, 60, 100, 1), shadow) >= 95);
        QVERIFY(countColour(image, QRect(200, 60, 1, 100), shadow) >= 95);
        sendMouse(&plot, QEvent::MouseButtonRelease, QPoint(200, 160), Qt::LeftButton);
        QVERIFY(!plot.isDraggingBand());
        QCOMPARE(plot.cursor().shape(), Qt::ArrowCursor);
    }

    void scrollingByKeysAndWheel_data()
    {
        QTest::addColumn<int>("key");
        // Wheel events in turn: a wheel notch is 120, a touchpad sends less.
        QTest::addColumn<QVector<QPoint>>("angleDeltas");
        QTest::addColumn<PlotRange>("expected");
        QTest::addColumn<bool>("redrawn");

        using W = QVector<QPoint>;
        // From x 0..10 in 10 steps, y 0..4 in 4 steps: one step is 1 either way.
        QTest::newRow("Left") << int(Qt::Key_Left) << W() << range(-1, 9, 10, 0, 4, 4) << true;
        QTest::newRow("Right") << int(Qt::Key_Right) << W() << range(1, 11, 10, 0, 4, 4) << true;
        QTest::newRow("Up") << int(Qt::Key_Up) << W() << range(0, 10, 10, 1, 5, 4) << true;
        QTest::newRow("Down") << int(Qt::Key_Down) << W() << range(0, 10, 10, -1, 3, 4) << true;
        QTest::newRow("wheel forward") << 0 << W{{0, 120}} << range(0, 10, 10, 1, 5, 4) << true;
        QTest::newRow("wheel back two") << 0 << W{{0, -240}} << range(0, 10, 10, -2, 2, 4) << true;
        QTest::newRow("wheel sideways") << 0 << W{{-120, 0}} << range(-1, 9, 10, 0, 4, 4) << true;
        QTest::newRow("half a wheel step") << 0 << W{{0, 60}} << range(0, 10, 10, 0, 4, 4) << false;
        QTest::newRow("touchpad, three small turns")
            << 0 << W{{0, 40}, {0, 50}, {0, 30}} << range(0, 10, 10, 1, 5, 4) << true;
        QTest::newRow("touchpad, sideways and back")
            << 0 << W{{-70, 5}, {-70, 0}, {-60, 0}, {30, 0}} << range(-1, 9, 10, 0, 4, 4) << true;
        QTest::newRow("touchpad, turned back before a step")
            << 0 << W{{0, 100}, {0, -90}, {0, 100}} << range(0, 10, 10, 0, 4, 4) << false;
    }

    void scrollingByKeysAndWheel()
    {
        QFETCH(int, key);
        QFETCH(QVector<QPoint>, angleDeltas);
        QFETCH(PlotRange, expected);
        QFETCH(bool, redrawn);
        Plotter plot;
        plot.resize(480, 320);
        plot.setPlotRange(range(0, 10, 10, 0, 4, 4));
        plot.grab();
        const int before = plot.pictureRebuilds();
        if (key)
            QTest::keyClick(&plot, Qt::Key(key));
        for (const QPoint &delta : angleDeltas)
            wheel(&plot, delta);
        QVERIFY2(sameRange(plot.plotted().range, expected), show(plot.plotted().range));
        QCOMPARE(plot.rangeHistory().size(), 1);
        plot.grab();
        // A turn too small to move the range leaves the picture as it was.
        QCOMPARE(plot.pictureRebuilds(), before + (redrawn ? 1 : 0));
    }

    // Samples arriving one by one are drawn into the picture as they come;
    // the picture must equal a whole drawing of the same series, with the
    // emphasised point following the newest Sample.
    void pointsAddedOneByOne_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("perPaint");
        QTest::addColumn<int>("gapAt"); // a point with no colour difference, or -1
        QTest::newRow("a few, each painted") << 30 << 1 << -1;
        QTest::newRow("a few, a gap among them") << 30 << 1 << 17;
        QTest::newRow("dense, each painted") << 1000 << 1 << -1;
        QTest::newRow("dense, several per paint") << 1000 << 7 << 500;
    }

    void pointsAddedOneByOne()
    {
        QFETCH(int, count);
        QFETCH(int, perPaint);
        QFETCH(int, gapAt);
        QVector<QPointF> all;
        for (int k = 1; k <= count; ++k)
            all.append(QPointF(k, k == gapAt ? std::nan("") : 1.0 + std::sin(k * 0.7) * 0.8));
        const PlotRange shown = range(0, count, 10, 0, 2, 4);

        Plotter growing;
        growing.resize(480, 320);
        growing.setPlotRange(shown);
        growing.setSeries(1, all.mid(0, 1), "ΔE", 1);
        growing.grab();
        const int rebuilds = growing.pictureRebuilds();
        for (int n = 2; n <= count; ++n) {
            growing.setPlotRange(shown);
            growing.setSeries(1, all.mid(0, n), "ΔE", n);
            if (n % perPaint == 0)
                growing.grab();
        }
        const QImage grown = growing.grab().toImage();
        QCOMPARE(growing.pictureRebuilds(), rebuilds);
        QVERIFY(growing.pictureAppends() >= (count - 1) / perPaint);

        Plotter whole;
        whole.resize(480, 320);
        whole.setPlotRange(shown);
        whole.setSeries(1, all, "ΔE", count);
        const QImage drawn = whole.grab().toImage();
        saveArtifact(grown, QStringLiteral("trend-grown-%1").arg(QTest::currentDataTag()));
        QCOMPARE(grown.size(), drawn.size());
        // Where several points share a pixel column a whole drawing draws
        // the line through fewer of them: the same look, not the same pixels.
        // Every dot, and the line wherever points stand apart, must match.
        int differing = 0, dots = 0;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x) {
                const QRgb a = grown.pixel(x, y), b = drawn.pixel(x, y);
                differing += a != b;
                dots += a != b && (sameColour(a, kCyan) || sameColour(b, kCyan));
            }
        QCOMPARE(dots, 0);
        const bool thinned = count > trendPlotRect(drawn.size()).width();
        if (thinned)
            QVERIFY2(differing < drawn.width() * drawn.height() / 100,
                     qPrintable(QString::number(differing) + " pixels differ"));
        else
            QVERIFY2(differing == 0, qPrintable(QString::number(differing) + " pixels differ"));
    }

    // A Type's Samples give the individuals chart's limits (mean ± 2.66
    // times the average moving range); the plot draws them as dashed lines
    // named UCL and LCL and rings the points beyond them, over its picture,
    // so setting them does not redraw the picture.
    void controlLimits()
    {
        QTreeWidget tree;
        auto *root = new QTreeWidgetItem(&tree, {"Measuring Name:Run"});
        auto *type = new QTreeWidgetItem(root);
        type->setText(2, "50");
        type->setText(3, "0");
        type->setText(4, "0");
        type->setText(12, "CIE1976L*a*b*");
        type->setText(13, "ΔE*ab");
        // ΔE 1, 1.25, ... (four times each), then 6: moving ranges 0.25
        // seven times and 4.75.
        for (double l : {51.0, 51.25, 51.0, 51.25, 51.0, 51.25, 51.0, 51.25, 56.0}) {
            auto *sample = new QTreeWidgetItem(type);
            sample->setText(2, QString::number(l));
            sample->setText(3, "0");
            sample->setText(4, "0");
            sample->setText(12, "CIE1976L*a*b*");
            sample->setText(13, "ΔE*ab");
        }
        const trendFeed feed = trendFeedFor(type->child(3));
        QCOMPARE(feed.deviations.size(), 9);
        QCOMPARE(feed.deviations[8].d1, 6.0);
        const ProcessStatistics statistics = processStatistics(feed.deviations, Tolerance());
        const double mean = 15.0 / 9, averageRange = (7 * 0.25 + 4.75) / 8;
        QVERIFY(qAbs(statistics.controlE.upper - (mean + 2.66 * averageRange)) < 1e-9);
        QVERIFY(qAbs(statistics.controlE.lower - (mean - 2.66 * averageRange)) < 1e-9);

        Plotter plot;
        plot.resize(480, 320);
        plot.setPlotRange(range(0, 20, 10, 0, 10, 4));
        plot.setSeries(1, feed.points, feed.formula, 0);
        plot.grab();
        plot.setControlLimits(statistics.controlE.lower, statistics.controlE.upper);
        const QImage image = plot.grab().toImage();
        saveArtifact(image, "trend-control-limits");
        QCOMPARE(plot.pictureRebuilds(), 1);
        const QColor limitColour(160, 0, 0);
        const double uclY = 289 - statistics.controlE.upper * 279 / 10;
        QVERIFY(countColour(image, QRect(41, int(uclY) - 1, 417, 3), limitColour) > 100);
        const int labelWidth = QFontMetrics(plot.font()).horizontalAdvance("UCL");
        const textMatch ucl = findText(image, plot.font(), "UCL",
                                       QPointF(459 - labelWidth - 4, uclY - 3), 2, textOn::widget);
        QVERIFY2(ucl.found, ucl.what());
        // The ninth point (ΔE 6) is beyond: ringed; the others are not.
        const QPoint beyond(int(40 + 9 * 419 / 20.0), int(289 - 6 * 279 / 10.0));
        QVERIFY(countColour(image, QRect(beyond - QPoint(7, 7), QSize(15, 15)), limitColour) > 10);
        const QPoint inside(int(40 + 3 * 419 / 20.0), int(289 - 1 * 279 / 10.0));
        QCOMPARE(countColour(image, QRect(inside - QPoint(7, 7), QSize(15, 15)), limitColour), 0);

        plot.setControlLimits(qQNaN(), qQNaN());
        QCOMPARE(countColour(plot.grab().toImage(), QRect(41, 11, 417, 277), limitColour), 0);
    }

    // Whatever is not a point added at the end draws the picture anew.
    void otherChangesRedraw()
    {
        Plotter plot;
        plot.resize(480, 320);
        plot.setPlotRange(range(0, 10, 10, 0, 5, 4));
        plot.setSeries(1, trend({1, 2, 3}), "ΔE", 3);
        plot.grab();
        int rebuilds = plot.pictureRebuilds();
        const auto redrawn = [&] {
            plot.grab();
            return plot.pictureRebuilds() == ++rebuilds;
        };
        plot.setSeries(1, trend({1, 2.5, 3, 4}), "ΔE", 4); // an earlier point changed
        QVERIFY(redrawn());
        plot.setSeries(1, trend({1, 2.5, 3}), "ΔE", 3); // a point removed
        QVERIFY(redrawn());
        plot.setSeries(1, trend({1, 2.5, 3, 1}), "ΔE00", 4); // another formula
        QVERIFY(redrawn());
        plot.setPlotRange(range(0, 20, 10, 0, 5, 4)); // another range
        QVERIFY(redrawn());
        plot.setSeries(1, trend({1, 2.5, 3, 1}), "ΔE00", 2); // only the emphasis moves
        plot.grab();
        QCOMPARE(plot.pictureRebuilds(), rebuilds);
    }
};

QTEST_MAIN(tst_trendPlot)
#include "tst_trendPlot.moc"
