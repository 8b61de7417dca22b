#include "colorConversions.h"
#include "shownNumber.h"
#include "whiteness.h"

#include <QtTest>

#include <cmath>
#include <limits>

namespace {

QString shown(float v)
{
    return QString::number(v, 'f', 2);
}

} // namespace

class tst_whiteness : public QObject
{
    Q_OBJECT

private slots:
    void referenceWhite();
    void ganzLowerLimit();
    void ganzUpperLimit();
    void ganzWithinLimits();
    void fromLabMatchesChain();
    void blackReading();
};

void tst_whiteness::referenceWhite()
{
    const WhitenessIndices w = whitenessFromLab(100, 0, 0);
    QCOMPARE(shown(w.yellowness), QString("0.31"));
    QCOMPARE(shown(w.hunter), QString("91.41"));
    QCOMPARE(shown(w.ganz), QString("100.00"));
    QCOMPARE(shown(w.blue), QString("100.43"));
}

void tst_whiteness::ganzLowerLimit()
{
    // A strongly yellow sample falls below 40 and is shown as 40.
    const WhitenessIndices w = whitenessFromLab(90, 0, 60);
    QCOMPARE(shown(w.ganz), QString("40.00"));
    QVERIFY(w.yellowness > 40);

    // The raw value is indeed far below 40.
    const ColorTriple xyz = labToXyz(90, 0, 60);
    const double s = xyz[0] + xyz[1] + xyz[2];
    const double raw = 800 * (0.3138053 - xyz[0] / s) + xyz[1] + 1700 * (0.33098334 - xyz[1] / s);
    QVERIFY(raw < 0);
}

void tst_whiteness::ganzUpperLimit()
{
    // W = 800*(0.3138053 - 0.25) + 60 + 1700*(0.33098334 - 0.3) = 163.7, above
    // 5*60 - 280 = 20: the value becomes 20 (the lower limit applies first).
    const WhitenessIndices w = whitenessIndices(50, 60, 90, 0, 0, 0);
    QCOMPARE(shown(w.ganz), QString("20.00"));

    // A bluish white: W above 5Y - 280 but that limit above 40.
    const ColorTriple xyz = labToXyz(98, 2, -30);
    const ColorTriple h = xyzToHunterLab(xyz[0], xyz[1], xyz[2]);
    const WhitenessIndices b = whitenessIndices(xyz[0], xyz[1], xyz[2], h[0], h[1], h[2]);
    const float limit = 5.0f * xyz[1] - 280.0f;
    QVERIFY(limit > 40);
    QCOMPARE(b.ganz, limit);
}

void tst_whiteness::ganzWithinLimits()
{
    const ColorTriple xyz = labToXyz(95, 0, 1);
    const WhitenessIndices w = whitenessIndices(xyz[0], xyz[1], xyz[2], 0, 0, 0);
    const double s = double(xyz[0]) + xyz[1] + xyz[2];
    const double expected =
        800 * (0.3138053 - xyz[0] / s) + xyz[1] + 1700 * (0.33098334 - xyz[1] / s);
    QVERIFY(expected > 40 && expected < 5.0 * xyz[1] - 280);
    QVERIFY(std::fabs(w.ganz - expected) < 1e-3);
    QVERIFY(std::fabs(w.blue - (0.925 * xyz[2] + 1.16)) < 1e-4);
    QVERIFY(std::fabs(w.yellowness - 100 * (1.305 * xyz[0] - 1.15 * xyz[2]) / xyz[1]) < 1e-4);
    QVERIFY(std::fabs(w.hunter - 0) < 1e-6); // Hunter L, a, b of 0 given: 100 - 100
}

void tst_whiteness::fromLabMatchesChain()
{
    for (const ColorTriple &lab :
         {ColorTriple{96, -0.5f, 2}, ColorTriple{80, 3, 10}, ColorTriple{99, 1, -8}}) {
        const ColorTriple xyz = labToXyz(lab[0], lab[1], lab[2]);
        const ColorTriple h = xyzToHunterLab(xyz[0], xyz[1], xyz[2]);
        const WhitenessIndices a = whitenessFromLab(lab[0], lab[1], lab[2]);
        const WhitenessIndices b = whitenessIndices(xyz[0], xyz[1], xyz[2], h[0], h[1], h[2]);
        QCOMPARE(a.yellowness, b.yellowness);
        QCOMPARE(a.hunter, b.hunter);
        QCOMPARE(a.ganz, b.ganz);
        QCOMPARE(a.blue, b.blue);
        const double hunter =
            100 - std::sqrt(std::pow(100.0 - h[0], 2) + h[1] * h[1] + h[2] * h[2]);
        QVERIFY(std::fabs(a.hunter - hunter) < 1e-4);
    }
}

void tst_whiteness::blackReading()
{
    // Y = 0, or below 0 from an L* under 0: none of the four indices is a
    // number (a clamped 40.00 or a blue whiteness of 1.16 would read as
    // measured), and each is shown as "--".  Just above black they are.
    for (float L : {0.0f, -0.5f, -20.0f}) {
        const WhitenessIndices w = whitenessFromLab(L, 0, 0);
        for (float index : {w.yellowness, w.hunter, w.ganz, w.blue}) {
            QVERIFY2(std::isnan(index), qPrintable(QString::number(L)));
            QCOMPARE(shownNumber(double(index)), QString("--"));
        }
    }
    const WhitenessIndices w = whitenessIndices(0, 0, 0, 0, 0, 0);
    QVERIFY(std::isnan(w.yellowness) && std::isnan(w.hunter) && std::isnan(w.ganz) &&
            std::isnan(w.blue));
    const WhitenessIndices dark = whitenessFromLab(0.5f, 0, 0);
    for (float index : {dark.yellowness, dark.hunter, dark.ganz, dark.blue})
        QVERIFY(std::isfinite(index));
    QCOMPARE(shownNumber(double(dark.ganz)), QString("40.00"));
    QCOMPARE(shownNumber(std::numeric_limits<double>::quiet_NaN()), QString("--"));
    QCOMPARE(shownNumber(-std::numeric_limits<double>::infinity()), QString("--"));
}

QTEST_GUILESS_MAIN(tst_whiteness)
#include "tst_whiteness.moc"
