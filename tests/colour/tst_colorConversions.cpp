#include "colorConversions.h"
#include "whitePoints.h"

#include <QRegularExpression>
#include <QtTest>

#include <cmath>
#include <limits>

namespace {

const float kNaN = std::numeric_limits<float>::quiet_NaN();
const float kInf = std::numeric_limits<float>::infinity();

bool isWhole(float v)
{
    return std::isfinite(v) && std::trunc(v) == v;
}

bool isColorName(const QString &name)
{
    static const QRegularExpression re(QStringLiteral("^#[0-9a-f]{6}$"));
    return re.match(name).hasMatch();
}

} // namespace

class tst_colorConversions : public QObject
{
    Q_OBJECT

private slots:
    void referenceWhite();
    void darkYellowUsesLinearBranch();
    void labXyzRoundTrip();
    void lchHue_data();
    void lchHue();
    void lchChroma();
    void colorSpaceValuesDispatch_data();
    void colorSpaceValuesDispatch();
    void unrecognisedSpaceGivesNothing();
    void srgbOutOfGamut();
    void srgbWholeNumbers();
    void srgbNonFinite();
    void colorNames_data();
    void colorNames();
    void colorNameAlwaysValid();
    void blackReadings();
    void labBackAndOtherWhites();
};

void tst_colorConversions::referenceWhite()
{
    const ColorTriple xyz = labToXyz(100, 0, 0);
    QVERIFY(xyz[0] == 94.81f);
    QVERIFY(xyz[1] == 100.0f);
    QVERIFY(xyz[2] == 107.32f);

    const ColorTriple luv = xyzToLuv(xyz[0], xyz[1], xyz[2]);
    QVERIFY(std::fabs(luv[0] - 100) < 1e-4);
    QVERIFY2(std::fabs(luv[1]) < 1e-3, qPrintable(QString::number(luv[1])));
    QVERIFY2(std::fabs(luv[2]) < 1e-3, qPrintable(QString::number(luv[2])));

    // The Hunter constants are not those of the reference white.
    const ColorTriple hunter = xyzToHunterLab(xyz[0], xyz[1], xyz[2]);
    QCOMPARE(QString::number(hunter[0], 'f', 2), QString("100.00"));
    QCOMPARE(QString::number(hunter[1], 'f', 2), QString("-5.76"));
    QCOMPARE(QString::number(hunter[2], 'f', 2), QString("6.37"));

    const ColorTriple lab = xyzToLab(xyz[0], xyz[1], xyz[2]);
    QVERIFY(std::fabs(lab[0] - 100) < 1e-4);
    QVERIFY(std::fabs(lab[1]) < 1e-4);
    QVERIFY(std::fabs(lab[2]) < 1e-4);
}

void tst_colorConversions::darkYellowUsesLinearBranch()
{
    // fz = 46/116 - 60/200 is below 6/29: Z comes from the linear branch and
    // is negative here, X and Y from the cube.
    const ColorTriple xyz = labToXyz(30, 10, 60);
    const double fy = 46.0 / 116;
    const double fx = 10.0 / 500 + fy;
    const double fz = fy - 0.3;
    QVERIFY(std::fabs(xyz[0] - 94.81 * fx * fx * fx) < 1e-4);
    QVERIFY(std::fabs(xyz[1] - 100 * fy * fy * fy) < 1e-4);
    QVERIFY(std::fabs(xyz[2] - 107.32 * (fz - 4.0 / 29) * 0.12841854934601665) < 1e-4);
    QVERIFY(xyz[2] < 0);

    // Dark readings where L <= 8 take Y from the linear branch as well.
    const ColorTriple dark = labToXyz(5, 0, 0);
    QVERIFY(std::fabs(dark[1] - 100 * (21.0 / 116 - 4.0 / 29) * 0.12841854934601665) < 1e-5);
}

void tst_colorConversions::labXyzRoundTrip()
{
    for (float L : {1.0f, 5.0f, 8.5f, 30.0f, 50.0f, 75.0f, 99.0f}) {
        for (float a : {-80.0f, -20.0f, 0.0f, 3.5f, 60.0f}) {
            for (float b : {-90.0f, -5.0f, 0.0f, 40.0f, 90.0f}) {
                const ColorTriple xyz = labToXyz(L, a, b);
                const ColorTriple lab = xyzToLab(xyz[0], xyz[1], xyz[2]);
                const QString where = QString("L=%1 a=%2 b=%3 -> %4 %5 %6")
                                          .arg(L)
                                          .arg(a)
                                          .arg(b)
                                          .arg(lab[0])
                                          .arg(lab[1])
                                          .arg(lab[2]);
                QVERIFY2(std::fabs(lab[0] - L) < 2e-3, qPrintable(where));
                QVERIFY2(std::fabs(lab[1] - a) < 2e-3, qPrintable(where));
                QVERIFY2(std::fabs(lab[2] - b) < 2e-3, qPrintable(where));
            }
        }
    }
}

void tst_colorConversions::lchHue_data()
{
    QTest::addColumn<float>("a");
    QTest::addColumn<float>("b");
    QTest::addColumn<float>("hue");

    QTest::newRow("first quadrant") << 20.0f << 20.0f << 45.0f;
    // pi = 3.1415926 puts atan(-1) at -45.0000008 degrees; truncation does the rest.
    QTest::newRow("second quadrant") << -20.0f << 20.0f << 134.0f;
    QTest::newRow("third quadrant") << -20.0f << -20.0f << 225.0f;
    QTest::newRow("fourth quadrant") << 20.0f << -20.0f << 314.0f;
    QTest::newRow("positive a axis") << 20.0f << 0.0f << 0.0f;
    QTest::newRow("positive b axis") << 0.0f << 20.0f << 90.0f;
    QTest::newRow("negative a axis") << -20.0f << 0.0f << 180.0f;
    QTest::newRow("negative b axis") << 0.0f << -20.0f << 270.0f;
    QTest::newRow("neutral") << 0.0f << 0.0f << 0.0f;
    QTest::newRow("negative zero a") << -0.0f << 5.0f << 90.0f;
    QTest::newRow("almost on +a from below") << 20.0f << -1e-20f << 0.0f;
    QTest::newRow("steep") << 1e-20f << 20.0f << 90.0f;
    QTest::newRow("30 degrees") << 17.320508f << 10.0f << 30.0f;
}

void tst_colorConversions::lchHue()
{
    QFETCH(float, a);
    QFETCH(float, b);
    QFETCH(float, hue);
    const ColorTriple lch = labToLch(50, a, b);
    QVERIFY(lch[0] == 50.0f);
    QVERIFY2(lch[2] == hue, qPrintable(QString::number(lch[2])));
    QVERIFY(lch[2] >= 0 && lch[2] < 360);
    // Through the dispatcher under both names of the space.
    QVERIFY(colorSpaceValues(50, a, b, "CIELCH").at(2) == hue);
    QVERIFY(colorSpaceValues(50, a, b, "CIEL*CH").at(2) == hue);
}

void tst_colorConversions::lchChroma()
{
    QVERIFY(std::fabs(labToLch(50, 20, 20)[1] - 28.284271f) < 1e-5);
    QVERIFY(labToLch(50, 3, -4)[1] == 5.0f);

    // No float-to-integer step exists for the hue: NaN stays NaN, infinities
    // give an angle or NaN, never undefined behaviour.
    QVERIFY(std::isnan(labToLch(50, kNaN, 1)[2]));
    QVERIFY(std::isnan(labToLch(50, 1, kNaN)[2]));
    QVERIFY(labToLch(50, kInf, 1)[2] == 0.0f);
    QVERIFY(labToLch(50, -kInf, 1)[2] == 180.0f);
    QVERIFY(std::isnan(labToLch(50, kInf, kInf)[2]));
    QVERIFY(labToLch(50, 3e38f, -3e38f)[2] == 314.0f);
}

void tst_colorConversions::colorSpaceValuesDispatch_data()
{
    QTest::addColumn<QString>("space");
    QTest::addColumn<float>("L");
    QTest::addColumn<float>("a");
    QTest::addColumn<float>("b");

    for (const char *space : {"CIE1976L*a*b*", "CIE1976LAB", "CIEL*a*b*", "CIELCH", "CIEL*CH",
                              "CIEXYZ", "CIELUV", "HunterLAB", "sRGB"}) {
        QTest::newRow(qPrintable(QString("%1 blue").arg(space)))
            << space << 40.0f << 10.0f << -50.0f;
        QTest::newRow(qPrintable(QString("%1 pale").arg(space)))
            << space << 85.5f << -3.25f << 7.0f;
    }
}

void tst_colorConversions::colorSpaceValuesDispatch()
{
    QFETCH(QString, space);
    QFETCH(float, L);
    QFETCH(float, a);
    QFETCH(float, b);

    const QList<float> v = colorSpaceValues(L, a, b, space);
    QCOMPARE(v.size(), 3);
    const ColorTriple xyz = labToXyz(L, a, b);
    ColorTriple expected{L, a, b};
    switch (colorSpaceIndex(space)) {
    case ColorSpace::Lab:
    case ColorSpace::None:
        break;
    case ColorSpace::Lch:
        expected = labToLch(L, a, b);
        break;
    case ColorSpace::Xyz:
        expected = xyz;
        break;
    case ColorSpace::Luv:
        expected = xyzToLuv(xyz[0], xyz[1], xyz[2]);
        break;
    case ColorSpace::Hunter:
        expected = xyzToHunterLab(xyz[0], xyz[1], xyz[2]);
        break;
    case ColorSpace::Srgb:
        expected = xyzToRgb(xyz[0], xyz[1], xyz[2]);
        break;
    }
    for (int i = 0; i < 3; ++i)
        QVERIFY(v.at(i) == expected[i]);

    // Independent checks of the coordinates themselves.
    switch (colorSpaceIndex(space)) {
    case ColorSpace::Lch:
        QVERIFY(std::fabs(v.at(1) - std::hypot(a, b)) < 1e-4);
        break;
    case ColorSpace::Luv: {
        // CIE 1976 u*, v* from the primed chromaticities of the same white.
        const double d = xyz[0] + 15.0 * xyz[1] + 3.0 * xyz[2];
        const double dn = 94.81 + 1500 + 3 * 107.32;
        const double u = 13 * v.at(0) * (4 * xyz[0] / d - 4 * 94.81 / dn);
        const double vv = 13 * v.at(0) * (9 * xyz[1] / d - 900 / dn);
        QVERIFY(std::fabs(v.at(0) - L) < 1e-3);
        QVERIFY2(std::fabs(v.at(1) - u) < 1e-2, qPrintable(QString::number(v.at(1))));
        QVERIFY2(std::fabs(v.at(2) - vv) < 1e-2, qPrintable(QString::number(v.at(2))));
        break;
    }
    case ColorSpace::Hunter:
        QVERIFY(std::fabs(v.at(0) - 10 * std::sqrt(xyz[1])) < 1e-4);
        break;
    case ColorSpace::Srgb:
        for (float c : v)
            QVERIFY(isWhole(c));
        break;
    default:
        break;
    }
}

void tst_colorConversions::unrecognisedSpaceGivesNothing()
{
    for (const char *space : {"CIEL*u*v*", "CIEL*cH", "HunterLab", "", "cielab"})
        QVERIFY2(colorSpaceValues(50, 10, 10, space).isEmpty(), space);
}

void tst_colorConversions::srgbOutOfGamut()
{
    // A saturated blue-violet beyond the sRGB gamut: the coordinates leave
    // 0..255, the swatch is clamped.
    const QList<float> rgb = colorSpaceValues(30, 60, -110, "sRGB");
    QCOMPARE(rgb.size(), 3);
    bool outside = false;
    for (float c : rgb) {
        QVERIFY(isWhole(c));
        outside = outside || c < 0 || c > 255;
    }
    QVERIFY2(outside, qPrintable(QString("%1 %2 %3").arg(rgb[0]).arg(rgb[1]).arg(rgb[2])));
    QVERIFY(isColorName(labToColorName(30, 60, -110)));

    // A mid grey lies within the gamut.
    for (float c : colorSpaceValues(50, 0, 0, "sRGB"))
        QVERIFY(c > 0 && c < 255);
}

void tst_colorConversions::srgbWholeNumbers()
{
    for (float L = 0; L <= 100; L += 12.5f)
        for (float a = -100; a <= 100; a += 25)
            for (float b = -100; b <= 100; b += 25)
                for (float c : colorSpaceValues(L, a, b, "sRGB"))
                    QVERIFY(isWhole(c));
}

void tst_colorConversions::srgbNonFinite()
{
    // NaN stays NaN; beyond the int range the channels saturate, so that any
    // later conversion to int is defined.
    for (float c : xyzToRgb(kNaN, 50, 50))
        QVERIFY(std::isnan(c) || isWhole(c));
    QVERIFY(std::isnan(xyzToRgb(kNaN, kNaN, kNaN)[0]));

    const ColorTriple inf = xyzToRgb(kInf, 0, 0);
    QVERIFY(inf[0] == kRgbChannelMax); // +x drives R up
    QVERIFY(inf[1] == kRgbChannelMin); // and G down
    QVERIFY(inf[2] == kRgbChannelMax);

    const ColorTriple huge = xyzToRgb(0, 3e38f, 0);
    for (float c : huge)
        QVERIFY(c == kRgbChannelMax || c == kRgbChannelMin);
    QVERIFY(static_cast<double>(kRgbChannelMax) < 2147483648.0);
    QVERIFY(static_cast<int>(kRgbChannelMax) == 2147483520);

    // Large but in range: exact whole numbers, no saturation.
    const ColorTriple big = xyzToRgb(0, 1e12f, 0);
    QVERIFY(isWhole(big[1]) && big[1] > 255 && big[1] < kRgbChannelMax);

    // From the L*a*b* side as well.
    for (float c : colorSpaceValues(kNaN, 0, 0, "sRGB"))
        QVERIFY(std::isnan(c));
    for (float c : colorSpaceValues(1e30f, 1e30f, -1e30f, "sRGB"))
        QVERIFY(std::isnan(c) || c == kRgbChannelMax || c == kRgbChannelMin);
}

void tst_colorConversions::colorNames_data()
{
    QTest::addColumn<float>("L");
    QTest::addColumn<float>("a");
    QTest::addColumn<float>("b");
    QTest::addColumn<QString>("name");

    // Reference white under the display white: a near-white.
    QTest::newRow("white") << 100.0f << 0.0f << 0.0f << "#feffea";
    // Channels below 16 keep their leading zero.
    QTest::newRow("dark grey") << 2.75f << 0.45f << -1.05f << "#0a0a0a";
    QTest::newRow("black") << 0.0f << 0.0f << 0.0f << "#000000";
    // Channels beyond the gamut are clamped to ff and 00.
    QTest::newRow("too bright") << 150.0f << 0.0f << 0.0f << "#ffffff";
    QTest::newRow("negative L") << -20.0f << 0.0f << 0.0f << "#000000";
}

void tst_colorConversions::colorNames()
{
    QFETCH(float, L);
    QFETCH(float, a);
    QFETCH(float, b);
    QFETCH(QString, name);
    const QString got = labToColorName(L, a, b);
    QCOMPARE(got, name);
    QCOMPARE(got.size(), 7);
}

void tst_colorConversions::colorNameAlwaysValid()
{
    const float values[] = {kNaN, kInf, -kInf, 3e38f, -3e38f, -1e-30f, 0.0f, 50.0f, -50.0f};
    for (float L : values)
        for (float a : values)
            for (float b : values) {
                const QString n = labToColorName(L, a, b);
                QVERIFY2(isColorName(n), qPrintable(n));
            }
    // NaN channels count as 0.
    QCOMPARE(labToColorName(kNaN, kNaN, kNaN), QString("#000000"));
}

void tst_colorConversions::blackReadings()
{
    // A perfectly black XYZ: no division by zero shows; the chromatic
    // coordinates are 0, the limit of the formulas as the colour darkens.
    const ColorTriple luv = xyzToLuv(0, 0, 0);
    QVERIFY(std::fabs(luv[0]) < 1e-4);
    QVERIFY(luv[1] == 0.0f && luv[2] == 0.0f);
    const ColorTriple hunter = xyzToHunterLab(0, 0, 0);
    QVERIFY(hunter[0] == 0.0f && hunter[1] == 0.0f && hunter[2] == 0.0f);
    const ColorTriple hunterNegative = xyzToHunterLab(1, -1e-6f, 1);
    QVERIFY(hunterNegative[0] == 0.0f && hunterNegative[1] == 0.0f);

    // An L* = 0 reading through the dispatcher gives numbers everywhere.
    for (const char *space : {"CIELUV", "HunterLAB", "CIEXYZ", "sRGB", "CIELCH"})
        for (float c : colorSpaceValues(0, 0, 0, space))
            QVERIFY2(std::isfinite(c), space);

    // NaN in gives NaN out, never a made-up number.
    QVERIFY(std::isnan(xyzToHunterLab(kNaN, kNaN, kNaN)[0]));
    QVERIFY(std::isnan(xyzToLuv(kNaN, kNaN, kNaN)[1]));
    QVERIFY(std::isnan(labToXyz(kNaN, 0, 0)[1]));
}

// Coordinates stored in another space come back to the L*a*b* they were
// made from (the hue of L*C*h only as exactly as its whole degrees); the
// conversions under a given white agree with the plain ones under the
// reference white, and the whites of the standard illuminants are found by
// their system names too.
void tst_colorConversions::labBackAndOtherWhites()
{
    const ColorTriple lab{50, 20, -30};
    for (ColorSpace space :
         {ColorSpace::Lab, ColorSpace::Xyz, ColorSpace::Luv, ColorSpace::Hunter}) {
        ColorTriple back{};
        QVERIFY(labFromSpace(colorSpaceTriple(lab[0], lab[1], lab[2], space), space, &back));
        for (int i = 0; i < 3; ++i)
            QVERIFY2(std::fabs(back[i] - lab[i]) < 0.01f, qPrintable(QString::number(back[i])));
    }
    ColorTriple lch{};
    QVERIFY(labFromSpace({50, 28.284271f, 45}, ColorSpace::Lch, &lch));
    QVERIFY(std::fabs(lch[1] - 20) < 0.001f && std::fabs(lch[2] - 20) < 0.001f);
    QVERIFY(!labFromSpace({200, 10, 10}, ColorSpace::Srgb, &lch));
    QVERIFY(!labFromSpace({200, 10, 10}, ColorSpace::None, &lch));

    for (const ColorTriple &c : {ColorTriple{52.34f, -1.2f, 3.45f}, ColorTriple{5, 60, -70}}) {
        QCOMPARE(labToXyz(c[0], c[1], c[2], kReferenceWhite), labToXyz(c[0], c[1], c[2]));
        QCOMPARE(xyzToLab(c[0], c[1] + 10, c[2] + 80, kReferenceWhite),
                 xyzToLab(c[0], c[1] + 10, c[2] + 80));
    }
    WhitePoint white{};
    QVERIFY(illuminantWhite("F11(TL84)", 10, &white));
    QCOMPARE(white.X, 103.866f);
    QVERIFY(illuminantWhite("d50", 2, &white));
    QCOMPARE(white.Z, 82.521f);
    QVERIFY(!illuminantWhite("D93", 2, &white));
    QVERIFY(!illuminantWhite("D65", 0, &white));
    QCOMPARE(observerDegrees("CIE 10°"), 10);
    QCOMPARE(observerDegrees("2 degree"), 2);
    QCOMPARE(observerDegrees("1964"), 0);
    // The white itself is L* = 100 without colour under that white.
    const ColorTriple w = xyzToLab(white.X, white.Y, white.Z, white);
    QVERIFY(std::fabs(w[0] - 100) < 1e-4f && std::fabs(w[1]) < 1e-4f && std::fabs(w[2]) < 1e-4f);
}

QTEST_GUILESS_MAIN(tst_colorConversions)
#include "tst_colorConversions.moc"
