#include "colorDifference.h"

#include <QFile>
#include <QtTest>

#include <cmath>
#include <limits>

namespace {

const float kNaN = std::numeric_limits<float>::quiet_NaN();
const float kInf = std::numeric_limits<float>::infinity();

QString greek(const char *rest)
{
    return QString(QChar(0x0394)) + QLatin1String(rest);
}

const QString kFmc = QString(QChar(0x0394)) + QStringLiteral("EFCM") + QChar(0x2161);
const QString kLab = QStringLiteral("CIE1976L*a*b*");
const QString kXyz = QStringLiteral("CIEXYZ");

QString dataDir()
{
    const QByteArray root = qgetenv("QCM_SOURCE_DIR");
    if (!root.isEmpty())
        return QString::fromLocal8Bit(root) + QStringLiteral("/tests/colour/data");
    return QStringLiteral(QCM_COLOUR_TEST_DATA);
}

} // namespace

Q_DECLARE_METATYPE(ColorTriple)

class tst_colorDifference : public QObject
{
    Q_OBJECT

private slots:
    void ciede2000Published_data();
    void ciede2000Published();
    void identicalColoursGiveZero_data();
    void identicalColoursGiveZero();
    void acrossTheBAxis();
    void weightedFormulas_data();
    void weightedFormulas();
    void isoIsNotSymmetric();
    void euclideanAliases();
    void xyzConversion();
    void fmc2UnderXyzMatchesLab();
    void fmc2BlackTypeIsNaN();
    void negativeRadicandIsClamped();
    void nonFiniteInputs();
};

void tst_colorDifference::ciede2000Published_data()
{
    QTest::addColumn<float>("L1");
    QTest::addColumn<float>("a1");
    QTest::addColumn<float>("b1");
    QTest::addColumn<float>("L2");
    QTest::addColumn<float>("a2");
    QTest::addColumn<float>("b2");
    QTest::addColumn<double>("dE");

    QFile file(dataDir() + QStringLiteral("/ciede2000_sharma.tsv"));
    QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(file.fileName()));
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 35); // header and the 34 pairs
    for (int i = 1; i < lines.size(); ++i) {
        const QStringList f = lines.at(i).split('\t');
        QCOMPARE(f.size(), 8);
        QTest::newRow(qPrintable("pair " + f.at(0)))
            << f.at(1).toFloat() << f.at(2).toFloat() << f.at(3).toFloat() << f.at(4).toFloat()
            << f.at(5).toFloat() << f.at(6).toFloat() << f.at(7).toDouble();
    }
}

void tst_colorDifference::ciede2000Published()
{
    QFETCH(float, L1);
    QFETCH(float, a1);
    QFETCH(float, b1);
    QFETCH(float, L2);
    QFETCH(float, a2);
    QFETCH(float, b2);
    QFETCH(double, dE);

    const float got = deltaE2000(L1, a1, b1, L2, a2, b2);
    QCOMPARE(QString::number(got, 'f', 4), QString::number(dE, 'f', 4));
    // Through the dispatcher as well, under both L*a*b* names.
    QCOMPARE(colorDifference({L1, a1, b1}, {L2, a2, b2}, kLab, greek("E00")), got);
    QCOMPARE(colorDifference({L1, a1, b1}, {L2, a2, b2}, "CIE1976LAB", greek("E00")), got);
}

void tst_colorDifference::identicalColoursGiveZero_data()
{
    QTest::addColumn<QString>("space");
    QTest::addColumn<QString>("formula");
    for (const QString &formula : formulaNames())
        for (const QString &space : {kLab, kXyz, QStringLiteral("CIELCH")})
            QTest::newRow(qPrintable(space + " " + formula)) << space << formula;
}

void tst_colorDifference::identicalColoursGiveZero()
{
    QFETCH(QString, space);
    QFETCH(QString, formula);
    const ColorTriple colours[] = {
        {50, 2.6772f, -79.7751f}, {90, -1, 3}, {25, 40, 20}, {60, 0, 0}, {70, -30, -30}};
    for (const ColorTriple &c : colours) {
        // Under CIEXYZ the triples are read as X, Y, Z.
        const ColorTriple t = space == kXyz ? labToXyz(c[0], c[1], c[2]) : c;
        QCOMPARE(colorDifference(t, t, space, formula), 0.0f);
    }
}

void tst_colorDifference::acrossTheBAxis()
{
    // L* = 50 and b* = 10 for both, a* = 1 for the Type and -1 for the Sample.
    const ColorTriple type{50, 1, 10};
    const ColorTriple sample{50, -1, 10};
    QCOMPARE(QString::number(colorDifference(type, sample, kLab, greek("E00")), 'f', 4),
             QString("2.7055"));
    QCOMPARE(QString::number(colorDifference(type, sample, kLab, greek("ECMC")), 'f', 2),
             QString("2.80"));
    QCOMPARE(QString::number(colorDifference(type, sample, kLab, greek("EISO")), 'f', 2),
             QString("1.98"));
}

void tst_colorDifference::weightedFormulas_data()
{
    // Values from an independent double-precision evaluation of each formula;
    // the program's single-precision steps agree to well within 1e-3.
    QTest::addColumn<QString>("formula");
    QTest::addColumn<ColorTriple>("type");
    QTest::addColumn<ColorTriple>("sample");
    QTest::addColumn<double>("dE");

    const ColorTriple t1{50, 2.6772f, -79.7751f}, s1{50, 0, -82.7485f};
    const ColorTriple t2{60, 30, 40}, s2{55, 35, 30};
    const ColorTriple t3{80, -20, 15}, s3{82, -18, 20};
    const ColorTriple t4{40, 10, -40}, s4{42, 14, -38};
    const ColorTriple t5{50, 1, 10}, s5{50, -1, 10};

    QTest::newRow("CMC blue") << greek("ECMC") << t1 << s1 << 1.738736;
    QTest::newRow("CMC orange") << greek("ECMC") << t2 << s2 << 11.246294;
    QTest::newRow("CMC green") << greek("ECMC") << t3 << s3 << 3.818432;
    QTest::newRow("CMC violet") << greek("ECMC") << t4 << s4 << 3.488618;
    QTest::newRow("CIE94 blue") << greek("ECIE94") << t1 << s1 << 1.380130;
    QTest::newRow("CIE94 orange") << greek("ECIE94") << t2 << s2 << 6.698796;
    QTest::newRow("CIE94 green") << greek("ECIE94") << t3 << s3 << 3.862580;
    QTest::newRow("CIE94 b axis") << greek("ECIE94") << t5 << s5 << 1.738000;
    QTest::newRow("ISO blue") << greek("EISO") << t1 << s1 << 1.689413;
    QTest::newRow("ISO orange") << greek("EISO") << t2 << s2 << 11.030551;
    QTest::newRow("ISO violet") << greek("EISO") << t4 << s4 << 4.593539;
    QTest::newRow("FMC-II blue") << kFmc << t1 << s1 << 11.794937;
    QTest::newRow("FMC-II orange") << kFmc << t2 << s2 << 18.358094;
    QTest::newRow("FMC-II green") << kFmc << t3 << s3 << 15.157923;
    QTest::newRow("FMC-II b axis") << kFmc << t5 << s5 << 5.472602;
}

void tst_colorDifference::weightedFormulas()
{
    QFETCH(QString, formula);
    QFETCH(ColorTriple, type);
    QFETCH(ColorTriple, sample);
    QFETCH(double, dE);
    const float got = colorDifference(type, sample, kLab, formula);
    QVERIFY2(std::fabs(got - dE) < 1e-3 * std::max(1.0, dE),
             qPrintable(QString("%1 instead of %2").arg(got).arg(dE)));
}

void tst_colorDifference::isoIsNotSymmetric()
{
    // The Type is the first colour: exchanging the colours changes the value
    // whenever the hue weight v is not 0.
    const ColorTriple t{50, 2.6772f, -79.7751f}, s{50, 0, -82.7485f};
    const float forward = deltaEIso(t[0], t[1], t[2], s[0], s[1], s[2]);
    const float backward = deltaEIso(s[0], s[1], s[2], t[0], t[1], t[2]);
    QVERIFY(std::fabs(forward - 1.689413) < 1e-3);
    QVERIFY(std::fabs(backward - 4.299599) < 1e-3);
}

void tst_colorDifference::euclideanAliases()
{
    const ColorTriple t{50, 10, 20}, s{53, 14, 32};
    const float expected = 13.0f; // sqrt(9 + 16 + 144)
    // The names in everyday use, the Euclidean ones and unknown ones all
    // give the plain distance on L*a*b* coordinates.
    const QStringList names{greek("ELab"), greek("EL*a*b*"), QString(QChar(0x25B3)) + "ELab",
                            greek("ELuv"), greek("EHunter"), greek("EsRGB"),
                            greek("ELch"), greek("EFCMII"),  QString(),
                            "nonsense"};
    for (const QString &name : names)
        for (const QString &space :
             {kLab, QStringLiteral("CIE1976LAB"), QStringLiteral("CIEL*a*b*"),
              QStringLiteral("sRGB"), QStringLiteral("unknown")})
            QVERIFY2(colorDifference(t, s, space, name) == expected,
                     qPrintable(name + " in " + space));
    // Latin "II" is not FMC-II.
    QVERIFY(colorDifference(t, s, kLab, kFmc) != expected);
}

void tst_colorDifference::xyzConversion()
{
    const ColorTriple lab1{50, 10, 20}, lab2{53, 14, 32};
    const ColorTriple x1 = labToXyz(lab1[0], lab1[1], lab1[2]);
    const ColorTriple x2 = labToXyz(lab2[0], lab2[1], lab2[2]);

    // "ΔEsRGB" takes the XYZ triples as they are.
    const float xyzDistance =
        std::sqrt(std::pow(x2[0] - x1[0], 2.0f) + std::pow(x2[1] - x1[1], 2.0f) +
                  std::pow(x2[2] - x1[2], 2.0f));
    QVERIFY(std::fabs(colorDifference(x1, x2, kXyz, greek("EsRGB")) - xyzDistance) < 1e-4);

    // The other Euclidean names measure the converted L*a*b* distance.
    for (const char *name : {"ELab", "ELuv", "EHunter", "ELch", "EL*a*b*"}) {
        const float d = colorDifference(x1, x2, kXyz, greek(name));
        QVERIFY2(std::fabs(d - 13.0f) < 1e-3, name);
    }
    // Only the exact name triggers the conversion.
    QVERIFY(std::fabs(colorDifference(x1, x2, "CIEXYZ ", greek("ELab")) - xyzDistance) < 1e-4);

    // The weighted formulas convert too.
    for (const char *name : {"E00", "ECMC", "EISO", "ECIE94"}) {
        const float viaXyz = colorDifference(x1, x2, kXyz, greek(name));
        const float direct = colorDifference(lab1, lab2, kLab, greek(name));
        QVERIFY2(std::fabs(viaXyz - direct) < 1e-3, name);
    }
}

void tst_colorDifference::fmc2UnderXyzMatchesLab()
{
    const ColorTriple pairs[][2] = {{{50, 2.6772f, -79.7751f}, {50, 0, -82.7485f}},
                                    {{60, 30, 40}, {55, 35, 30}},
                                    {{92, -1, 4}, {91.5f, -0.5f, 5}}};
    for (const auto &p : pairs) {
        const float lab = colorDifference(p[0], p[1], kLab, kFmc);
        const ColorTriple x1 = labToXyz(p[0][0], p[0][1], p[0][2]);
        const ColorTriple x2 = labToXyz(p[1][0], p[1][1], p[1][2]);
        const float xyz = colorDifference(x1, x2, kXyz, kFmc);
        QVERIFY(std::isfinite(lab));
        QVERIFY2(std::fabs(xyz - lab) < 1e-3 * std::max(1.0f, lab),
                 qPrintable(QString("%1 vs %2").arg(xyz).arg(lab)));
    }
}

void tst_colorDifference::fmc2BlackTypeIsNaN()
{
    // A black Type leaves nothing to measure against. The result is NaN,
    // which no tolerance passes, rather than a division by zero or a huge
    // number made of rounding noise.
    const ColorTriple black{0, 0, 0};
    const ColorTriple sample{5, 1, 1};
    QVERIFY(std::isnan(colorDifference(black, sample, kXyz, kFmc)));
    QVERIFY(std::isnan(colorDifference(black, sample, kLab, kFmc)));
    QVERIFY(std::isnan(colorDifference({-3, 0, 0}, sample, kLab, kFmc)));
    // A very dark Type still has a value, and the Sample may be black.
    QVERIFY(std::isfinite(colorDifference({0.5f, 0, 0}, sample, kLab, kFmc)));
    QVERIFY(std::isfinite(colorDifference(sample, black, kLab, kFmc)));
}

void tst_colorDifference::negativeRadicandIsClamped()
{
    // Pairs on one hue ray: Δa² + Δb² equals ΔC² in exact arithmetic, and
    // rounding makes the difference slightly negative for many of them.
    int checked = 0;
    for (int i = 1; i <= 400; ++i) {
        const float k1 = 0.37f * i;
        const float k2 = 0.37f * i + 0.11f * (i % 7 + 1);
        const ColorTriple t{50, 3.1f * k1, 4.3f * k1};
        const ColorTriple s{51, 3.1f * k2, 4.3f * k2};
        for (const char *name : {"ECMC", "ECIE94"}) {
            const float d = colorDifference(t, s, kLab, greek(name));
            QVERIFY2(std::isfinite(d), qPrintable(QString("%1 at %2").arg(name).arg(i)));
            ++checked;
        }
    }
    QCOMPARE(checked, 800);
}

void tst_colorDifference::nonFiniteInputs()
{
    const ColorTriple good{50, 10, 10};
    const ColorTriple bad[] = {{kNaN, 10, 10}, {50, kNaN, 10}, {50, 10, kNaN}};
    for (const QString &formula : formulaNames()) {
        for (const ColorTriple &b : bad) {
            for (const QString &space : {kLab, kXyz}) {
                QVERIFY2(std::isnan(colorDifference(good, b, space, formula)),
                         qPrintable(formula + " " + space));
                QVERIFY2(std::isnan(colorDifference(b, good, space, formula)),
                         qPrintable(formula + " " + space));
            }
        }
        // Infinite and huge coordinates must not crash; whatever comes out
        // is a float.
        const ColorTriple wild[] = {{kInf, 0, 0}, {0, -kInf, kInf}, {3e38f, 3e38f, -3e38f}};
        for (const ColorTriple &w : wild) {
            volatile float d = colorDifference(good, w, kLab, formula);
            volatile float e = colorDifference(w, good, kXyz, formula);
            Q_UNUSED(d);
            Q_UNUSED(e);
        }
    }
}

QTEST_GUILESS_MAIN(tst_colorDifference)
#include "tst_colorDifference.moc"
