// The lightness and chromatic deviation charts drawn into images in their
// screen and print styles: bands, axes, texts per colour space, and where the
// marker sits for deviations against their tolerances.

#include "../support/chartImage.h"
#include "deviationCharts.h"

#include <QtTest>

#include <cmath>

namespace {

const QColor kCyan(0, 255, 255);
const QColor kBackground(200, 220, 255);
const QColor kOutline(100, 100, 100);
const QColor kGuide(150, 150, 150);
const float kNaN = std::nanf("");

QFont smallFont()
{
    QFont font;
    font.setPixelSize(11);
    return font;
}

template <typename Data, typename Paint>
QImage render(Paint paint, const Data &data, const QSize &size,
              const deviationChartStyle &style = deviationChartStyle::screen(),
              const QFont &font = smallFont())
{
    const QImage image = renderChart(
        size,
        [&](QPainter &p, const QRect &r) {
            p.setFont(font);
            paint(p, r, data, style);
        },
        kBackground);
    saveArtifact(image, QStringLiteral("deviation-%1-%2-%3")
                            .arg(QTest::currentTestFunction(), QTest::currentDataTag())
                            .arg(size.width()));
    return image;
}

} // namespace

class tst_deviationCharts : public QObject
{
    Q_OBJECT

private slots:
    void lightnessMarker_data()
    {
        QTest::addColumn<float>("plus");
        QTest::addColumn<float>("minus");
        QTest::addColumn<float>("value");
        QTest::addColumn<int>("row"); // of the marker in a 150 x 300 chart, -1 for none

        // h = 3H/4 = 225: the tolerance lands 56 pixels from the centre (150),
        // on the inner band; twice the tolerance on the outer band's edge.
        QTest::newRow("no deviation at the centre") << 2.f << 2.f << 0.f << 150;
        QTest::newRow("plus tolerance on the inner edge") << 2.f << 2.f << 2.f << 94;
        QTest::newRow("1.999 x tolerance still drawn") << 2.f << 2.f << 3.998f << 38;
        QTest::newRow("twice the tolerance not drawn") << 2.f << 2.f << 4.f << -1;
        QTest::newRow("asymmetric -3 on the lower edge") << 1.f << 3.f << -3.f << 206;
        QTest::newRow("asymmetric +1 on the upper edge") << 1.f << 3.f << 1.f << 94;
        QTest::newRow("zero tolerance") << 0.f << 2.f << 1.f << -1;
        QTest::newRow("zero tolerance, no deviation") << 0.f << 0.f << 0.f << 150;
        QTest::newRow("negative tolerance") << -1.f << 2.f << 0.5f << -1;
        QTest::newRow("NaN deviation") << 2.f << 2.f << kNaN << -1;
        QTest::newRow("infinite deviation") << 2.f << 2.f << -INFINITY << -1;
        QTest::newRow("huge deviation") << 2.f << 2.f << 1e30f << -1;
    }

    void lightnessMarker()
    {
        QFETCH(float, plus);
        QFETCH(float, minus);
        QFETCH(float, value);
        QFETCH(int, row);

        const QImage image =
            render(paintLightnessDeviation, lightnessDeviation{"CIE1976L*a*b*", plus, minus, value},
                   QSize(150, 300));
        if (row < 0) {
            QCOMPARE(countColour(image, image.rect(), kCyan), 0);
            return;
        }
        // A 3-pixel line from W/2 - 5 to W/2 + 5, nothing cyan elsewhere.
        QVERIFY(sameColour(image.pixel(71, row), kCyan));
        QVERIFY(sameColour(image.pixel(79, row), kCyan));
        QVERIFY(!sameColour(image.pixel(68, row), kCyan));
        QCOMPARE(countColour(image, image.rect(), kCyan),
                 countColour(image, QRect(60, row - 2, 30, 5), kCyan));
    }

    void chromaticMarker_data()
    {
        QTest::addColumn<float>("vertical");
        QTest::addColumn<float>("horizontal");
        QTest::addColumn<float>("toleranceScale");
        QTest::addColumn<QPoint>("cross"); // in a 300 x 300 chart, (-1, -1) for none

        // q = 225: the tolerances (vertical 2/1, horizontal 3/1.5) land 56
        // pixels from the centre, on the inner square.
        QTest::newRow("centre") << 0.f << 0.f << 1.f << QPoint(150, 150);
        QTest::newRow("on the inner corner") << 2.f << 3.f << 1.f << QPoint(206, 94);
        QTest::newRow("minus tolerances") << -1.f << -1.5f << 1.f << QPoint(94, 206);
        QTest::newRow("half way") << 1.f << -0.75f << 1.f << QPoint(122, 122);
        QTest::newRow("vertical at twice") << 4.f << 0.f << 1.f << QPoint(-1, -1);
        QTest::newRow("horizontal at twice") << 0.f << -3.f << 1.f << QPoint(-1, -1);
        QTest::newRow("zero tolerances") << 1.f << 1.f << 0.f << QPoint(-1, -1);
        QTest::newRow("zero tolerances, no deviation") << 0.f << 0.f << 0.f << QPoint(150, 150);
        QTest::newRow("NaN") << kNaN << 1.f << 1.f << QPoint(-1, -1);
    }

    void chromaticMarker()
    {
        QFETCH(float, vertical);
        QFETCH(float, horizontal);
        QFETCH(float, toleranceScale);
        QFETCH(QPoint, cross);

        const float k = toleranceScale;
        const chromaticDeviation data{"CIE1976L*a*b*", 2 * k,      k,  3 * k, 1.5f * k,
                                      vertical,        horizontal, {}, {}};
        const QImage image = render(paintChromaticDeviation, data, QSize(300, 300));
        if (cross.x() < 0) {
            QCOMPARE(countColour(image, image.rect(), kCyan), 0);
            return;
        }
        for (const QPoint &arm : {QPoint(0, -4), QPoint(0, 4), QPoint(-4, 0), QPoint(4, 0)})
            QVERIFY(sameColour(image.pixel(cross + arm), kCyan));
        QVERIFY(!sameColour(image.pixel(cross + QPoint(4, 4)), kCyan));
        QCOMPARE(countColour(image, image.rect(), kCyan),
                 countColour(image, QRect(cross - QPoint(7, 7), QSize(15, 15)), kCyan));
    }

    // A Type with ten or more Samples: the chromatic chart draws their
    // control ellipse on its own scale (a tolerance of 1 on every side puts
    // 1 at the inner square, 56.25 pixels from the centre of a 300-pixel
    // chart) and every Sample, the ones outside the ellipse emphasised in
    // red; with fewer Samples neither.
    void chromaticSampleCloud()
    {
        QVector<SampleDeviation> deviations;
        QVector<QPointF> samples;
        for (int k = 0; k < 24; ++k) {
            SampleDeviation d;
            d.d2 = 0.3 + 0.4 * std::sin(k * 0.9);
            d.d3 = -0.2 + 0.5 * std::sin(k * 0.9) + 0.15 * std::cos(k * 2.3);
            deviations << d;
            samples << QPointF(d.d2, d.d3);
        }
        SampleDeviation outlier;
        outlier.d2 = 0.3;
        outlier.d3 = 0.6;
        const ControlEllipse inlierEllipse = processStatistics(deviations, Tolerance()).ellipse;
        QVERIFY(inlierEllipse.valid);
        QVERIFY(!inlierEllipse.contains(outlier.d2, outlier.d3));
        samples << QPointF(outlier.d2, outlier.d3);

        chromaticDeviation data{"CIE1976L*a*b*", 1, 1, 1, 1, kNaN, kNaN, {}, {}};
        data.samples = samples;
        data.ellipse = inlierEllipse;
        const QImage image = render(paintChromaticDeviation, data, QSize(300, 300));
        const auto pixelOf = [](double vertical, double horizontal) {
            return QPoint(int(std::lround(150 + 56.25 * horizontal)),
                          int(std::lround(150 - 56.25 * vertical)));
        };
        const QColor red(220, 0, 0), grey(90, 90, 90);
        QVERIFY(colourNear(image, pixelOf(outlier.d2, outlier.d3), red, 1));
        QCOMPARE(countColour(image, image.rect(), red) > 0, true);
        int greyDots = 0;
        for (int k = 0; k < 24; ++k)
            greyDots += colourNear(image, pixelOf(samples[k].x(), samples[k].y()), grey, 1) ? 1 : 0;
        QVERIFY2(greyDots >= 20, qPrintable(QString::number(greyDots)));
        // The border where the major axis meets it, none at the centre (its
        // dashed, smoothed line is counted by hue).
        const auto purplish = [&image](const QPoint &at) {
            int count = 0;
            for (int dy = -3; dy <= 3; ++dy)
                for (int dx = -3; dx <= 3; ++dx) {
                    const QColor c = image.pixelColor(at + QPoint(dx, dy));
                    count += c.red() > 110 && c.blue() > 110 && c.green() + 40 < c.red() &&
                                     qAbs(c.red() - c.blue()) < 40
                                 ? 1
                                 : 0;
                }
            return count;
        };
        const ControlEllipse &e = inlierEllipse;
        for (int side : {-1, 1})
            QVERIFY(purplish(pixelOf(e.centreX + side * e.semiMajor * std::cos(e.angle),
                                     e.centreY + side * e.semiMajor * std::sin(e.angle))) > 0);
        QCOMPARE(purplish(pixelOf(e.centreX, e.centreY)), 0);

        data.ellipse = processStatistics(deviations.mid(0, 9), Tolerance()).ellipse;
        QVERIFY(!data.ellipse.valid);
        const QImage without = render(paintChromaticDeviation, data, QSize(302, 302));
        QCOMPARE(countColour(without, without.rect(), red), 0);
        QCOMPARE(countColour(without, without.rect(), grey), 0);
    }

    void framesAndTexts_data()
    {
        QTest::addColumn<QString>("space");
        // Lightness: upper, lower; chromatic: lower, left sign, left word.
        QTest::addColumn<QStringList>("texts");

        QTest::newRow("L*a*b*") << "CIE1976L*a*b*"
                                << QStringList{"+ΔL White+", "-ΔL Black+", "-Δa Green+", "-Δb",
                                               "Blue+"};
        QTest::newRow("LCh") << "CIEL*CH"
                             << QStringList{"+ΔL White+", "-ΔL Black+", "-Δc undersaturation",
                                            "-ΔH", "Hue-"};
        QTest::newRow("XYZ") << "CIEXYZ" << QStringList{"+ΔY --", "-ΔY --", "-ΔX --", "-ΔZ", "--"};
        QTest::newRow("L*u*v*") << "CIELUV"
                                << QStringList{"+ΔL White+", "-ΔL Black+", "-Δu Green+", "-Δv",
                                               "Blue+"};
        QTest::newRow("Hunter") << "HunterLAB"
                                << QStringList{"+ΔHunterL White+", "-ΔHunterL Black+",
                                               "-ΔHunterA Green+", "-ΔHunterB", "Blue+"};
        QTest::newRow("sRGB") << "sRGB"
                              << QStringList{"+ΔR Red+", "-ΔR Red-", "-ΔG Green-", "-ΔB", "Blue-"};
        QTest::newRow("Hunter, lower-case b") << "HunterLab" << QStringList();
    }

    void framesAndTexts()
    {
        QFETCH(QString, space);
        QFETCH(QStringList, texts);

        // Lightness chart, 150 x 300: outer band (50, 38, 50, 225), inner
        // band (63, 94, 25, 112); tolerance texts beside the band.
        const QImage bar = render(paintLightnessDeviation,
                                  lightnessDeviation{space, 1.5f, 2.25f, 0.f}, QSize(150, 300));
        QVERIFY(sameColour(bar.pixel(50, 230), kOutline));
        QVERIFY(sameColour(bar.pixel(53, 230), Qt::white));
        QVERIFY(sameColour(bar.pixel(47, 230), kBackground));
        QVERIFY(sameColour(bar.pixel(63, 180), kOutline));
        QVERIFY(sameColour(bar.pixel(75, 90), QColor(180, 180, 180)));
        QVERIFY(sameColour(bar.pixel(75, 210), Qt::black));
        QVERIFY(countColour(bar, QRect(89, 94, 11, 1), kGuide) > 3);
        QVERIFY(findText(bar, smallFont(), "+1.50", QPoint(105, 99)).found);
        QVERIFY(findText(bar, smallFont(), "-2.25", QPoint(105, 212)).found);

        // Chromatic chart, 340 x 300: m = 300, q = 225, centre (170, 150),
        // outer square from 58, inner from 114; half axes red up, green down,
        // blue left, yellow right.
        const QImage square =
            render(paintChromaticDeviation, chromaticDeviation{space, 2, 0.5f, 2, 2, 0, 0, {}, {}},
                   QSize(340, 300));
        QVERIFY(sameColour(square.pixel(58, 230), kOutline));
        QVERIFY(sameColour(square.pixel(114, 180), kOutline));
        QVERIFY(sameColour(square.pixel(61, 230), Qt::white));
        QVERIFY(sameColour(square.pixel(170, 90), Qt::red));
        QVERIFY(sameColour(square.pixel(170, 210), Qt::green));
        QVERIFY(sameColour(square.pixel(110, 150), Qt::blue));
        QVERIFY(sameColour(square.pixel(230, 150), Qt::yellow));
        QVERIFY(countColour(square, QRect(228, 94, 53, 1), kGuide) > 3);
        // The tolerance values stand at the ends of their guides, always.
        QVERIFY(findText(square, smallFont(), "-0.50", QPoint(58 - 32, 150 + 56 + 6)).found);
        QVERIFY(findText(square, smallFont(), "+2.00", QPoint(170 + 112 + 3, 150 - 56 + 5)).found);
        QVERIFY(
            findText(square, smallFont(), "-2.00", QPoint(170 - 56 - 15, 150 + 112 + 10)).found);

        if (texts.isEmpty()) {
            QCOMPARE(inkBox(bar, QRect(0, 0, 150, 37), darkInk), QRect());
            QCOMPARE(inkBox(square, QRect(0, 0, 170 + 56 - 6, 37), darkInk), QRect());
            QCOMPARE(inkBox(square, QRect(0, 135, 25, 30), darkInk), QRect());
            return;
        }
        const QList<QPair<QImage, QPoint>> at = {{bar, {55, 35}},
                                                 {bar, {55, 275}},
                                                 {square, {150, 275}},
                                                 {square, {33, 150}},
                                                 {square, {33, 162}}};
        for (int i = 0; i < texts.size(); ++i) {
            const textMatch m = findText(at[i].first, smallFont(), texts[i], at[i].second);
            QVERIFY2(m.found, qPrintable(texts[i] + " " + m.what()));
        }
    }

    // The printed report draws the same charts larger, in its own style.
    void printStyle()
    {
        const deviationChartStyle print = deviationChartStyle::print(6.0);
        QFont font;
        font.setPixelSize(60);
        const QColor band(240, 240, 240);

        // 1600 x 1400: m = 1400, q = 1050, e = 525, centre (800, 700).
        const chromaticDeviation data{"CIELCH", 2, 2, 2, 2, 1.0f, -2.0f, {}, {}};
        const QImage image = render(paintChromaticDeviation, data, QSize(1600, 1400), print, font);
        // A 5-pixel black outline, the grey band, the red half axis 30 pixels
        // wide starting 15 pixels inside the outer square.
        QVERIFY(sameColour(image.pixel(700, 175 - 2), Qt::black));
        QVERIFY(sameColour(image.pixel(700, 175 + 2), Qt::black));
        QVERIFY(sameColour(image.pixel(700, 175 + 6), band));
        QVERIFY(sameColour(image.pixel(800, 175 + 10), band));
        QVERIFY(sameColour(image.pixel(800, 175 + 20), Qt::red));
        QVERIFY(sameColour(image.pixel(814, 500), Qt::red));
        QVERIFY(sameColour(image.pixel(817, 500), band));
        // The cross at ev = q/4, eh = -q/2: arms of 50 pixels, 30 wide.
        const QPoint cross(800 - 262, 700 - 131);
        QVERIFY(sameColour(image.pixel(cross + QPoint(45, 0)), kCyan));
        QVERIFY(sameColour(image.pixel(cross + QPoint(0, 14)), kCyan));
        QVERIFY(!sameColour(image.pixel(cross + QPoint(56, 0)), kCyan));
        // The lower text centred under the square, "Undersaturation"
        // capitalised, drawn where its placement says.
        const QVector<placedChartText> placed =
            chromaticTextPlacement(QRect(QPoint(), image.size()), data, print, font);
        const auto lower = std::find_if(placed.begin(), placed.end(), [](const auto &t) {
            return t.text == "-Δc Undersaturation";
        });
        QVERIFY(lower != placed.end());
        QVERIFY(qAbs(lower->box.center().x() - 800) <= 1);
        QVERIFY(lower->box.top() > 175 + 1050);
        QFont drawn(font);
        drawn.setPixelSize(lower->pixelSize);
        const textMatch match = findText(image, drawn, lower->text, lower->baseline, 3);
        QVERIFY2(match.found, match.what());

        const QImage bar = render(paintLightnessDeviation, lightnessDeviation{"CIELCH", 2, 2, -1},
                                  QSize(600, 1400), print, font);
        QVERIFY(sameColour(bar.pixel(300, 500), QColor(180, 180, 180)));
        QVERIFY(sameColour(bar.pixel(300, 800), Qt::black));
        QVERIFY(sameColour(bar.pixel(260, 700 + 131), kCyan));
        QVERIFY(sameColour(bar.pixel(220, 900), band));
    }

    // On paper the texts are laid out by the font: none overlaps another or
    // a shape, none leaves the chart's region, in every colour space, in
    // roomy and narrow regions, in a large font and with long words.
    void printedTextsStayClear_data()
    {
        QTest::addColumn<QString>("space");
        QTest::addColumn<QSize>("region");
        QTest::addColumn<int>("pixelSize");
        const QStringList spaces{"CIE1976L*a*b*", "CIELCH",    "CIEXYZ",
                                 "CIELUV",        "HunterLAB", "sRGB"};
        for (const QString &space : spaces) {
            // Report 2's regions on an A4 page at 150 and 600 dpi.
            QTest::newRow(qPrintable(space + " 150 dpi")) << space << QSize(806, 800) << 25;
            QTest::newRow(qPrintable(space + " 600 dpi")) << space << QSize(3224, 3200) << 100;
            QTest::newRow(qPrintable(space + " narrow")) << space << QSize(500, 480) << 40;
        }
    }

    void printedTextsStayClear()
    {
        QFETCH(QString, space);
        QFETCH(QSize, region);
        QFETCH(int, pixelSize);
        const deviationChartStyle print = deviationChartStyle::print(region.height() / 300.0);
        QFont font;
        font.setPixelSize(pixelSize);
        const QRect rect(QPoint(), region);
        const auto check = [&](const QVector<placedChartText> &texts, const QRect &shape) {
            QVector<QRect> boxes;
            for (const placedChartText &t : texts)
                if (!t.text.isEmpty())
                    boxes.append(t.box);
            QVERIFY(boxes.size() >= 4);
            for (int i = 0; i < boxes.size(); ++i) {
                QVERIFY2(rect.contains(boxes[i]), qPrintable(texts[i].text));
                QVERIFY2(!boxes[i].intersects(shape), qPrintable(texts[i].text));
                for (int j = i + 1; j < boxes.size(); ++j)
                    QVERIFY2(!boxes[i].intersects(boxes[j]),
                             qPrintable(texts[i].text + " / " + texts[j].text));
            }
        };

        const int m = qMin(region.width(), region.height());
        const int q = 3 * m / 4;
        const QRect square(region.width() / 2 - q / 2, region.height() / 2 - q / 2, q, q);
        const int pen = int(print.outlineWidth);
        check(chromaticTextPlacement(rect, chromaticDeviation{space, 2, 2, 2, 2, 1, 1, {}, {}},
                                     print, font),
              square.adjusted(-pen, -pen, pen, pen));
        if (QTest::currentTestFailed())
            return;

        const QSize bar(region.width() * 9 / 26, region.height());
        const QRect barRect(QPoint(), bar);
        const int W = bar.width(), H = bar.height();
        const QRect band(W / 2 - W / 6 - pen, H / 2 - 3 * H / 8 - pen, W / 3 + 2 * pen,
                         3 * H / 4 + 2 * pen);
        const QVector<placedChartText> texts =
            lightnessTextPlacement(barRect, lightnessDeviation{space, 2, 2, 0}, print, font);
        for (const placedChartText &t : texts) {
            QVERIFY2(barRect.contains(t.box), qPrintable(t.text));
            QVERIFY2(!t.box.intersects(band), qPrintable(t.text));
        }
    }
};

QTEST_MAIN(tst_deviationCharts)
#include "tst_deviationCharts.moc"
