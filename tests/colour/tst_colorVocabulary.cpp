#include "colorVocabulary.h"

#include <QtTest>

Q_DECLARE_METATYPE(ColorSpace)
Q_DECLARE_METATYPE(ColorFormula)

class tst_colorVocabulary : public QObject
{
    Q_OBJECT

private slots:
    void colorSpaceIndex_data();
    void colorSpaceIndex();
    void componentNames_data();
    void componentNames();
    void formulaIndex_data();
    void formulaIndex();
    void deltaSigns();
    void formulaNamesRoundTrip();
    void labels_data();
    void labels();
    void lightSources();
    void conditionNames();
};

void tst_colorVocabulary::colorSpaceIndex_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<ColorSpace>("space");

    QTest::newRow("CIE1976L*a*b*") << "CIE1976L*a*b*" << ColorSpace::Lab;
    QTest::newRow("CIE1976LAB") << "CIE1976LAB" << ColorSpace::Lab;
    QTest::newRow("CIEL*a*b*") << "CIEL*a*b*" << ColorSpace::Lab;
    QTest::newRow("CIELCH") << "CIELCH" << ColorSpace::Lch;
    QTest::newRow("CIEL*CH") << "CIEL*CH" << ColorSpace::Lch;
    QTest::newRow("CIEXYZ") << "CIEXYZ" << ColorSpace::Xyz;
    QTest::newRow("CIELUV") << "CIELUV" << ColorSpace::Luv;
    QTest::newRow("HunterLAB") << "HunterLAB" << ColorSpace::Hunter;
    QTest::newRow("sRGB") << "sRGB" << ColorSpace::Srgb;
    // Known elsewhere, but not by this recogniser.
    QTest::newRow("CIEL*cH") << "CIEL*cH" << ColorSpace::None;
    QTest::newRow("CIEL*u*v*") << "CIEL*u*v*" << ColorSpace::None;
    QTest::newRow("HunterLab") << "HunterLab" << ColorSpace::None;
    // Exact, case-sensitive, untrimmed.
    QTest::newRow("lower case") << "cielch" << ColorSpace::None;
    QTest::newRow("leading blank") << " CIELCH" << ColorSpace::None;
    QTest::newRow("trailing blank") << "sRGB " << ColorSpace::None;
    QTest::newRow("srgb") << "SRGB" << ColorSpace::None;
    QTest::newRow("empty") << "" << ColorSpace::None;
    QTest::newRow("instrument mode") << "Whiteness/Yellowness" << ColorSpace::None;
}

void tst_colorVocabulary::colorSpaceIndex()
{
    QFETCH(QString, name);
    QFETCH(ColorSpace, space);
    QCOMPARE(::colorSpaceIndex(name), space);
}

void tst_colorVocabulary::componentNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("names");

    const QStringList lab{"L", "a", "b"};
    const QStringList lch{"L", "c", "H"};
    const QStringList luv{"L", "u", "v"};
    QTest::newRow("CIE1976L*a*b*") << "CIE1976L*a*b*" << lab;
    QTest::newRow("CIE1976LAB") << "CIE1976LAB" << lab;
    QTest::newRow("CIEL*a*b*") << "CIEL*a*b*" << lab;
    QTest::newRow("CIELCH") << "CIELCH" << lch;
    QTest::newRow("CIEL*CH") << "CIEL*CH" << lch;
    QTest::newRow("CIEL*cH") << "CIEL*cH" << lch;
    QTest::newRow("CIEXYZ") << "CIEXYZ" << QStringList{"X", "Y", "Z"};
    QTest::newRow("CIELUV") << "CIELUV" << luv;
    QTest::newRow("CIEL*u*v*") << "CIEL*u*v*" << luv;
    QTest::newRow("HunterLAB") << "HunterLAB" << QStringList{"HunterL", "HunterA", "HunterB"};
    QTest::newRow("sRGB") << "sRGB" << QStringList{"R", "G", "B"};
    QTest::newRow("HunterLab") << "HunterLab" << QStringList();
    QTest::newRow("empty") << "" << QStringList();
}

void tst_colorVocabulary::componentNames()
{
    QFETCH(QString, name);
    QFETCH(QStringList, names);
    QCOMPARE(::componentNames(name), names);
}

void tst_colorVocabulary::formulaIndex_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<ColorFormula>("formula");

    const QString d = QString(QChar(0x0394)) + "E";
    QTest::newRow("Lab") << d + "Lab" << ColorFormula::Lab;
    QTest::newRow("00") << d + "00" << ColorFormula::E00;
    QTest::newRow("CMC") << d + "CMC" << ColorFormula::Cmc;
    QTest::newRow("ISO") << d + "ISO" << ColorFormula::Iso;
    QTest::newRow("CIE94") << d + "CIE94" << ColorFormula::Cie94;
    QTest::newRow("FCM2") << d + "FCM" + QChar(0x2161) << ColorFormula::Fmc2;
    QTest::newRow("Luv") << d + "Luv" << ColorFormula::Luv;
    QTest::newRow("Hunter") << d + "Hunter" << ColorFormula::Hunter;
    QTest::newRow("sRGB") << d + "sRGB" << ColorFormula::Srgb;
    QTest::newRow("Lch") << d + "Lch" << ColorFormula::Lch;
    // Everything else is computed like the Luv entry.
    QTest::newRow("L*a*b*") << d + "L*a*b*" << ColorFormula::Luv;
    QTest::newRow("triangle Lab") << QString(QChar(0x25B3)) + "ELab" << ColorFormula::Luv;
    QTest::newRow("latin II") << d + "FCMII" << ColorFormula::Luv;
    QTest::newRow("L*ch") << d + "L*ch" << ColorFormula::Luv;
    QTest::newRow("case") << d + "cmc" << ColorFormula::Luv;
    QTest::newRow("latin D") << "DE00" << ColorFormula::Luv;
    QTest::newRow("empty") << "" << ColorFormula::Luv;
    QTest::newRow("delta only") << QString(QChar(0x0394)) << ColorFormula::Luv;
}

void tst_colorVocabulary::formulaIndex()
{
    QFETCH(QString, name);
    QFETCH(ColorFormula, formula);
    QCOMPARE(::formulaIndex(name), formula);
}

void tst_colorVocabulary::deltaSigns()
{
    const QStringList formulas = formulaNames();
    QCOMPARE(formulas.size(), 10);
    for (const QString &f : formulas)
        QCOMPARE(f.at(0).unicode(), ushort(0x0394));
    QCOMPARE(formulas.at(5).size(), 6);
    QCOMPARE(formulas.at(5).at(5).unicode(), ushort(0x2161));

    QCOMPARE(defaultFormulaName(), QString::fromUtf8("\xE2\x96\xB3"
                                                     "ELab"));
    QCOMPARE(defaultFormulaName().at(0).unicode(), ushort(0x25B3));
    QCOMPARE(dialogLabFormulaName(), QString::fromUtf8("\xCE\x94"
                                                       "EL*a*b*"));

    for (const QString &space : colorSpaceNames()) {
        for (const QString &label : panelDifferenceLabels(space))
            QCOMPARE(label.at(0).unicode(), ushort(0x25B3));
        for (const QString &label : toleranceRowLabels(space))
            QCOMPARE(label.at(0).unicode(), ushort(0x0394));
    }
}

void tst_colorVocabulary::formulaNamesRoundTrip()
{
    const QStringList names = formulaNames();
    for (int i = 0; i < names.size(); ++i) {
        QCOMPARE(static_cast<int>(::formulaIndex(names.at(i))), i);
        QCOMPARE(formulaName(static_cast<ColorFormula>(i)), names.at(i));
    }
    const QStringList spaces = colorSpaceNames();
    QCOMPARE(spaces.size(), 6);
    for (const QString &s : spaces)
        QCOMPARE(colorSpaceName(::colorSpaceIndex(s)), s);
    QVERIFY(colorSpaceName(ColorSpace::None).isEmpty());
    // The instrument's names are all recognised, as the same spaces.
    const QStringList instrument = instrumentColorSpaceNames();
    QCOMPARE(instrument.size(), 6);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(::colorSpaceIndex(instrument.at(i)), ::colorSpaceIndex(spaces.at(i)));
    QCOMPARE(::colorSpaceIndex(whitenessDisplayModeName()), ColorSpace::None);
}

void tst_colorVocabulary::labels_data()
{
    QTest::addColumn<QString>("space");
    QTest::addColumn<QStringList>("coordinates");
    QTest::addColumn<QStringList>("differences");
    QTest::addColumn<QStringList>("toleranceRows");

    const QString t = QString(QChar(0x25B3));
    const QString d = QString(QChar(0x0394));
    auto with = [](const QString &sign, const QStringList &l) {
        QStringList out;
        for (const QString &s : l)
            out << sign + s;
        return out;
    };
    const QStringList lab{"L", "a", "b"};
    for (const char *name : {"CIE1976L*a*b*", "CIE1976LAB", "CIEL*a*b*"})
        QTest::newRow(name) << name << lab << with(t, lab) << with(d, lab);
    const QStringList lch{"L", "c", "H"};
    QTest::newRow("CIELCH") << "CIELCH" << lch << with(t, lch) << with(d, lch);
    QTest::newRow("CIEL*CH") << "CIEL*CH" << lch << with(t, lch) << with(d, lch);
    const QStringList xyz{"X", "Y", "Z"};
    QTest::newRow("CIEXYZ") << "CIEXYZ" << xyz << with(t, xyz) << with(d, xyz);
    const QStringList luv{"L*", "u*", "v*"};
    QTest::newRow("CIELUV") << "CIELUV" << luv << with(t, luv)
                            << with(d, QStringList{"L", "u", "v"});
    const QStringList hunter{"HunterL", "HunterA", "HunterB"};
    QTest::newRow("HunterLAB") << "HunterLAB" << hunter << with(t, hunter) << with(d, hunter);
    const QStringList rgb{"R", "G", "B"};
    QTest::newRow("sRGB") << "sRGB" << rgb << with(t, rgb) << with(d, rgb);

    const QStringList null{"NULL", "NULL", "NULL"};
    QTest::newRow("CIEL*u*v*") << "CIEL*u*v*" << null << null << QStringList();
    QTest::newRow("CIEL*cH") << "CIEL*cH" << null << null << QStringList();
    QTest::newRow("HunterLab") << "HunterLab" << null << null << QStringList();
}

void tst_colorVocabulary::labels()
{
    QFETCH(QString, space);
    QFETCH(QStringList, coordinates);
    QFETCH(QStringList, differences);
    QFETCH(QStringList, toleranceRows);
    QCOMPARE(panelCoordinateLabels(space), coordinates);
    QCOMPARE(panelDifferenceLabels(space), differences);
    QCOMPARE(toleranceRowLabels(space), toleranceRows);
}

void tst_colorVocabulary::lightSources()
{
    const QStringList system = lightSourceNames();
    QCOMPARE(system,
             (QStringList{"A", "D50", "D65", "C", "F2(CWF)", "F7", "F11(TL84)", "F12(U30)"}));
    QCOMPARE(lightSourceFromInstrument("F2"), QString("F2(CWF)"));
    QCOMPARE(lightSourceFromInstrument("F11"), QString("F11(TL84)"));
    QCOMPARE(lightSourceFromInstrument("F12"), QString("F12(U30)"));
    QCOMPARE(lightSourceFromInstrument("D65"), QString("D65"));
    QVERIFY(lightSourceFromInstrument("F2(CWF)").isEmpty());
    QVERIFY(lightSourceFromInstrument("d65").isEmpty());
}

void tst_colorVocabulary::conditionNames()
{
    // The degree sign must survive as U+00B0, whatever the source encoding.
    QCOMPARE(observerName(), QString::fromUtf8("CIE 10\xC2\xB0"));
    QCOMPARE(observerName().at(6).unicode(), ushort(0x00B0));
}

QTEST_GUILESS_MAIN(tst_colorVocabulary)
#include "tst_colorVocabulary.moc"
