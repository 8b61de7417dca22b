// The colour-coordinate chart drawn into images: every diagram at its pixel
// geometry, its legends, and values it cannot place; and the simulation
// swatch beside it.

#include "../support/chartImage.h"
#include "fakeColorRk.h"
#include "painterLabRk.h"

#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <cmath>

Q_DECLARE_METATYPE(ColorTriple)

namespace {

const QSize kSize(420, 320); // W, H of every chart below
const QColor kCyan(0, 255, 255);
const float kNaN = std::nanf("");

colourCoordinates shown(const QString &space, const ColorTriple &type,
                        const ColorTriple &sample = {0, 0, 0}, bool withSample = false)
{
    colourCoordinates data;
    data.colorSpace = space;
    data.type = type;
    data.sample = sample;
    data.sampleShown = withSample;
    return data;
}

QImage render(const colourCoordinates &data,
              const chartPictures &pictures = chartPictures::shared(), QSize size = kSize)
{
    const QImage image = renderChart(
        size, [&](QPainter &p, const QRect &r) { paintColourCoordinates(p, r, data, pictures); });
    saveArtifact(image, QStringLiteral("colourChart-%1-%2")
                            .arg(QTest::currentTestFunction(), QTest::currentDataTag()));
    return image;
}

QFont pointSized(int size)
{
    QFont font;
    font.setPointSize(size);
    return font;
}

} // namespace

class tst_colourChart : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(chartPictures::shared().has(chartPictures::abDisc), "run from the build folder");
    }

    void abPlane_data()
    {
        QTest::addColumn<QString>("space");
        QTest::addColumn<ColorTriple>("values");
        QTest::addColumn<bool>("placed");
        // Where the point is drawn, as a*, b* (on the rim for a chroma of 128
        // or more), and the legend texts with the true values.
        QTest::addColumn<QPointF>("ab");
        QTest::addColumn<QString>("legend");

        const auto row = [](const char *tag, const char *space, ColorTriple v, bool placed,
                            QPointF ab, const char *legend) {
            QTest::newRow(tag) << QString(space) << v << placed << ab << QString(legend);
        };
        row("first quadrant", "CIE1976L*a*b*", {50, 20, 40}, true, {20, 40}, "H=63.43 C=44.72");
        row("third quadrant", "CIE1976LAB", {35, -30, -30}, true, {-30, -30}, "H=225.00 C=42.43");
        row("on the +a axis", "CIE1976L*a*b*", {50, 5, 0}, true, {5, 0}, "H=0.00 C=5.00");
        row("hue near 360", "HunterLAB", {70, 60, -0.5f}, true, {60, -0.5}, "H=359.52 C=60.00");
        row("chroma 128 on the rim", "HunterLab", {50, 200, 150}, true, {102.4, 76.8},
            "H=36.87 C=250.00");
        row("lightness 100", "CIE1976L*a*b*", {100, 10, 10}, false, {}, "H=45.00 C=14.14");
        row("black reading", "CIE1976L*a*b*", {0, 0, 0}, false, {}, "H=0.00 C=0.00");
        row("NaN a*", "CIE1976L*a*b*", {50, kNaN, 10}, false, {}, "H=-- C=--");
        row("infinite L*", "CIE1976L*a*b*", {INFINITY, 10, 10}, false, {}, "H=45.00 C=14.14");
        row("LCh hue near 0", "CIELCH", {60, 30, 359.9f}, true, {29.99995, -0.05236},
            "H=359.90 C=30.00");
        row("LCh hue beyond 360", "CIEL*CH", {60, 40, 725}, true, {39.84779, 3.48623},
            "H=725.00 C=40.00");
        row("LCh hue 400 as stored", "CIELCH", {60, 40, 400}, true, {30.64178, 25.71150},
            "H=400.00 C=40.00");
        row("LCh negative hue", "CIELCH", {60, 40, -90}, true, {0, -40}, "H=-90.00 C=40.00");
        row("LCh chroma 150", "CIELCH", {40, 150, 60}, true, {64, 110.851}, "H=60.00 C=150.00");
        row("LCh NaN hue", "CIELCH", {40, 20, kNaN}, false, {}, "H=-- C=20.00");
    }

    void abPlane()
    {
        QFETCH(QString, space);
        QFETCH(ColorTriple, values);
        QFETCH(bool, placed);
        QFETCH(QPointF, ab);
        QFETCH(QString, legend);

        const QImage image = render(shown(space, values));
        const int W = kSize.width(), H = kSize.height();
        const double cx = 0.375 * W + 20, cy = H / 2 + 10;
        const double S = qMin(0.8 * W, H - 40.0), D = 0.7 * S, R = D / 2, xL = 0.83 * W + 20;

        const QStringList texts = legend.split(' ');
        const textMatch hue = findText(image, QFont(), "Hue" + texts[0], QPoint(30, 45));
        QVERIFY2(hue.found, hue.what());
        const textMatch chroma = findText(image, QFont(), "Saturation" + texts[1], QPoint(30, 60));
        QVERIFY2(chroma.found, chroma.what());
        QVERIFY(colourNear(image, QPoint(15, 40), QColor(0, 0, 255), 0));

        const QRect discAndBar(int(cx - R) - 2, int(cy - R) - 2, int(xL - cx + R) + 30, int(D) + 5);
        if (!placed) {
            QCOMPARE(countColour(image, discAndBar, kCyan), 0);
            return;
        }
        const QPointF point(cx + R * ab.x() / 128, cy - R * ab.y() / 128);
        QVERIFY(colourNear(image, QPoint(int(point.x()), int(point.y())), kCyan));
        // The chroma line, green from the centre to the point.
        QVERIFY(colourNear(image, ((point + QPointF(cx, cy)) / 2).toPoint(), QColor(0, 255, 0)));
        // The lightness mark and its value beside the bar.
        const double yL = cy + R - values[0] * D / 100;
        QVERIFY(colourNear(image, QPoint(int(xL), int(yL)), kCyan, 0));
        const textMatch lightness = findText(image, QFont(), QString::number(values[0], 'f', 2),
                                             QPoint(int(xL + 15), int(yL + 5)));
        QVERIFY2(lightness.found, lightness.what());
    }

    void chromaticityDiagrams_data()
    {
        QTest::addColumn<QString>("space");
        QTest::addColumn<ColorTriple>("type");
        QTest::addColumn<bool>("withSample");
        // The Type's chromaticity as placed (NaN: not placed) and its first
        // legend line; the Sample is at u' 0.1722, v' 0.5080 or x 0.3, y 0.6.
        QTest::addColumn<QPointF>("at");
        QTest::addColumn<QString>("legend");

        const QPointF none(qQNaN(), qQNaN());
        QTest::newRow("u'v' Type") << "CIELUV" << ColorTriple{50, 10, 20} << false
                                   << QPointF(0.2132382, 0.5003091) << "v'=0.5003";
        QTest::newRow("u'v' with Sample") << "CIELUV" << ColorTriple{50, 10, 20} << true
                                          << QPointF(0.2132382, 0.5003091) << "v'=0.5003";
        QTest::newRow("u'v' black at the origin")
            << "CIELUV" << ColorTriple{0, 0, 0} << false << QPointF(0, 0) << "v'=0.0000";
        QTest::newRow("u'v' NaN") << "CIELUV" << ColorTriple{kNaN, 10, 20} << false << none
                                  << "v'=--";
        QTest::newRow("xy Type") << "CIEXYZ" << ColorTriple{41.24f, 21.26f, 1.93f} << false
                                 << QPointF(0.6400745, 0.3299705) << "x=0.6401";
        QTest::newRow("xy with Sample") << "CIEXYZ" << ColorTriple{41.24f, 21.26f, 1.93f} << true
                                        << QPointF(0.6400745, 0.3299705) << "x=0.6401";
        QTest::newRow("xy black at the origin")
            << "CIEXYZ" << ColorTriple{0, 0, 0} << false << QPointF(0, 0) << "x=0.0000";
        QTest::newRow("xy sum of zero")
            << "CIEXYZ" << ColorTriple{1, -1, 0} << false << none << "x=--";
    }

    void chromaticityDiagrams()
    {
        QFETCH(QString, space);
        QFETCH(ColorTriple, type);
        QFETCH(bool, withSample);
        QFETCH(QPointF, at);
        QFETCH(QString, legend);

        const bool uv = space == "CIELUV";
        const ColorTriple sample = uv ? ColorTriple{60, -20, 30} : ColorTriple{30, 60, 10};
        const QImage image = render(shown(space, type, sample, withSample));
        const int W = kSize.width(), H = kSize.height();
        const double cx = W / 2 + 10, cy = H / 2 + 10;
        QPointF origin, scale, legendAt, sampleLabelAt;
        QColor typeColour, sampleColour;
        if (uv) {
            const double Wd = 0.95 * H, Hd = 0.9 * H, Hi = 0.9 * Hd;
            origin = QPointF(cx - Wd / 2 + 0.05 * Wd, cy + Hd / 2 - 0.05 * Hd);
            scale = QPointF(0.9 * Wd / 0.6, Hi / 0.6);
            legendAt = QPointF(cx + 0.25 * Hi, cy + 0.25 * Hi);
            sampleLabelAt = legendAt + QPointF(0, 0.1 * Hi);
            typeColour = Qt::black;
            sampleColour = QColor(150, 150, 150);
        } else {
            const double S = 0.9 * H;
            origin = QPointF(cx - S / 2 + 0.03 * S, cy + S / 2 - 0.106 * S);
            scale = QPointF(S * 0.774 / 0.8, S * 0.879 / 0.9);
            legendAt = QPointF(cx + 0.1 * S, cy - 0.4 * S);
            sampleLabelAt = QPointF(cx - 0.05 * S, cy - 0.25 * S);
            typeColour = kCyan;
            sampleColour = QColor(255, 0, 255);
        }
        const auto pixel = [&](const QPointF &c) {
            return QPoint(int(origin.x() + c.x() * scale.x()), int(origin.y() - c.y() * scale.y()));
        };
        const textMatch text = findText(image, pointSized(10), legend, legendAt);
        QVERIFY2(text.found, text.what());
        if (!std::isnan(at.x()))
            QVERIFY(colourNear(image, pixel(at), typeColour));
        const QPointF samplePoint = uv ? QPointF(0.1722126, 0.5080015) : QPointF(0.3, 0.6);
        QCOMPARE(colourNear(image, pixel(samplePoint), sampleColour), withSample);
        // The start of "Sample:" (its end may sit under the legend's dot).
        const textMatch sampleLabel = findText(image, pointSized(10), "Samp", sampleLabelAt);
        QVERIFY2(sampleLabel.found == withSample, sampleLabel.what());
    }

    void rgbBars_data()
    {
        QTest::addColumn<float>("red");
        QTest::addColumn<bool>("withSample");
        // Length of the Type's red bar in pixels (0: none), its fill, its text.
        QTest::addColumn<double>("length");
        QTest::addColumn<QColor>("fill");
        QTest::addColumn<QString>("text");

        QTest::newRow("full red") << 255.f << false << 252.0 << QColor(255, 0, 0) << "Type R=255";
        QTest::newRow("half red, Sample")
            << 128.f << true << 126.494 << QColor(255, 127, 127) << "Type R=128";
        QTest::newRow("beyond 255") << 300.f << false << 252.0 << QColor(255, 0, 0) << "Type R=300";
        QTest::newRow("below 0") << -20.f << false << 0.0 << QColor() << "Type R=-20";
        QTest::newRow("NaN") << kNaN << false << 0.0 << QColor() << "Type R=--";
    }

    void rgbBars()
    {
        QFETCH(float, red);
        QFETCH(bool, withSample);
        QFETCH(double, length);
        QFETCH(QColor, fill);
        QFETCH(QString, text);

        const QImage image = render(shown("sRGB", {red, 64, 200}, {10, 20, 255}, withSample));
        const int W = kSize.width(), H = kSize.height(), barY = int(0.15 * H) + 5;
        const double start = 0.1 * W;
        if (length > 0)
            QVERIFY(sameColour(image.pixel(int(start + length) - 2, barY), fill));
        QVERIFY(sameColour(image.pixel(int(start + length) + 2, barY), Qt::white));
        // The red reference bar of full length; the Sample's full blue bar.
        QVERIFY(sameColour(image.pixel(int(start + 0.6 * W) - 2, int(0.1 * H) + 2), Qt::red));
        QCOMPARE(sameColour(image.pixel(int(start + 0.6 * W) - 2, int(0.84 * H) + 4), Qt::blue),
                 withSample);
        const textMatch label =
            findText(image, QFont(), text, QPoint(int(0.75 * W), int(0.22 * H)));
        QVERIFY2(label.found, label.what());
    }

    void titleStripOnly_data()
    {
        QTest::addColumn<QString>("space");
        QTest::addColumn<bool>("picturesMissing");
        QTest::addColumn<QSize>("size");

        QTest::newRow("unknown colour space") << "CIELAB" << false << kSize;
        QTest::newRow("pictures missing, a*b*") << "CIE1976L*a*b*" << true << kSize;
        QTest::newRow("pictures missing, u'v'") << "CIELUV" << true << kSize;
        QTest::newRow("pictures missing, xy") << "CIEXYZ" << true << kSize;
        QTest::newRow("too small") << "CIE1976L*a*b*" << false << QSize(50, 50);
    }

    void titleStripOnly()
    {
        QFETCH(QString, space);
        QFETCH(bool, picturesMissing);
        QFETCH(QSize, size);

        const chartPictures none(QStringLiteral("/nonexistent"));
        const QImage image = render(shown(space, {50, 20, 20}),
                                    picturesMissing ? none : chartPictures::shared(), size);
        const int W = size.width(), H = size.height();
        QVERIFY(sameColour(image.pixel(W - 6, 2), QColor(220, 220, 220)));
        QVERIFY(sameColour(image.pixel(0, H / 2), QColor(120, 120, 120)));
        // Below the strip and inside the frame nothing is drawn.
        QCOMPARE(inkBox(image, QRect(1, 23, W - 4, H - 25),
                        [](QRgb p) { return !sameColour(p, Qt::white); }),
                 QRect());
        if (W > 200)
            QVERIFY(findText(image, QFont(), "Color Coordinates", QPoint(W / 2 - 25, 15)).found);
    }

    // The pictures are read once: painting after the files are gone still
    // shows them.
    void picturesAreReadOnce()
    {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath("icon/resImage");
        for (const char *name : {"ab.png", "L.png"})
            QVERIFY(QFile::copy(QStringLiteral("./icon/resImage/") + name,
                                dir.filePath(QStringLiteral("icon/resImage/") + name)));
        const chartPictures pictures(dir.path());
        QVERIFY(QDir(dir.filePath("icon")).removeRecursively());
        for (int paint = 0; paint < 2; ++paint) {
            const QImage image = render(shown("CIE1976L*a*b*", {50, 0, 0}), pictures);
            // The disc fills its box around (177.5, 170) with radius 98.
            QCOMPARE(countColour(image, QRect(200, 110, 40, 40), Qt::white), 0);
        }
    }

    void widgetFollowsPressedItems()
    {
        QTreeWidget tree;
        auto *type =
            new QTreeWidgetItem(new QTreeWidgetItem(&tree), {"Type T001", "", "50", "20", "40"});
        auto *sample = new QTreeWidgetItem(type, {"Sample S001", "", "52", "nan", "41"});
        type->setText(10, "CIE1976L*a*b*");
        sample->setText(10, "CIELCH");

        painterLabRk chart;
        chart.setChartItem(sample);
        QCOMPARE(chart.shown().colorSpace, QString("CIELCH"));
        QVERIFY(chart.shown().sampleShown);
        QCOMPARE(chart.shown().type[1], 20.f);
        QVERIFY(std::isnan(chart.shown().sample[1]));
        chart.setChartItem(type);
        QVERIFY(!chart.shown().sampleShown);
        chart.setChartSpace("sRGB");
        QCOMPARE(chart.shown().colorSpace, QString("sRGB"));

        // After a reset the empty a*b* chart: hue and chroma 0.00, no point.
        chart.resetChart();
        chart.resize(kSize);
        const QImage image = chart.grab().toImage();
        saveArtifact(image, "colourChart-widget-reset");
        QVERIFY(
            findText(image, chart.font(), "HueH=0.00", QPoint(30, 45), 2, textOn::widget).found);
        QCOMPARE(countColour(image, image.rect(), kCyan), 0);
    }

    void swatch_data()
    {
        QTest::addColumn<int>("shown"); // 1 Type alone, 2 Sample, 3 reset
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QColor>("upper"); // invalid: the window background
        QTest::addColumn<QColor>("lower");

        // A dark Sample: every channel below 16 keeps its own colour.
        QTest::newRow("Sample under its Type") << 2 << QStringList{"Type T001", "Sample S001"}
                                               << QColor(200, 40, 40) << QColor(10, 11, 12);
        QTest::newRow("Type without Samples")
            << 1 << QStringList{"Type T001", ""} << QColor(200, 40, 40) << QColor();
        QTest::newRow("new measurement") << 3 << QStringList{"", ""} << QColor() << QColor();
    }

    void swatch()
    {
        QFETCH(int, shown);
        QFETCH(QStringList, names);
        QFETCH(QColor, upper);
        QFETCH(QColor, lower);

        QTreeWidget tree;
        auto *type = new QTreeWidgetItem(new QTreeWidgetItem(&tree), {"Type T001"});
        auto *sample = new QTreeWidgetItem(type, {"Sample S001"});
        type->setBackground(1, QColor(200, 40, 40));
        sample->setBackground(1, QColor("#0a0b0c"));
        fakeColorRk swatch;
        const QColor window(230, 235, 240);
        QPalette palette = swatch.palette();
        palette.setColor(QPalette::Window, window);
        swatch.setPalette(palette);
        swatch.resize(160, 320);
        swatch.setSwatchItem(sample, true);
        if (shown == 1)
            swatch.setSwatchItem(type, false);
        if (shown == 3)
            swatch.resetSwatch();

        const QImage image = swatch.grab().toImage();
        saveArtifact(image, QStringLiteral("swatch-") + QTest::currentDataTag());
        // Fields (20, 70, 120, 100) and (20, 170, 120, 100) in one grey frame
        // (20, 70, 120, 200), the title strip (10, 0, 140, 22).
        QVERIFY(sameColour(image.pixel(80, 110), upper.isValid() ? upper : window));
        QVERIFY(sameColour(image.pixel(80, 210), lower.isValid() ? lower : window));
        for (const QPoint &frame : {QPoint(20, 150), QPoint(140, 200), QPoint(100, 270)})
            QVERIFY(sameColour(image.pixel(frame), QColor(120, 120, 120)));
        QVERIFY(sameColour(image.pixel(12, 5), QColor(220, 220, 220)));
        QVERIFY(
            findText(image, swatch.font(), "simulation", QPoint(50, 15), 2, textOn::widget).found);
        // The names at (w/2 - 30, 60) and (w/2 - 30, h - 31), moved left as
        // far as they would run past the widget: every name whole.
        const QPoint nameAt[2] = {QPoint(50, 60), QPoint(50, 289)};
        for (int i = 0; i < 2; ++i) {
            if (names[i].isEmpty()) {
                QCOMPARE(inkBox(image, QRect(0, nameAt[i].y() - 20, 160, 25), darkInk), QRect());
                continue;
            }
            const int width = QFontMetrics(swatch.font()).horizontalAdvance(names[i]);
            const QPoint at(qMin(nameAt[i].x(), 160 - 2 - width), nameAt[i].y());
            const textMatch name = findText(image, swatch.font(), names[i], at, 2, textOn::widget);
            QVERIFY2(name.found, name.what());
            QVERIFY(at.x() + width <= 160);
        }
    }
};

QTEST_MAIN(tst_colourChart)
#include "tst_colourChart.moc"
