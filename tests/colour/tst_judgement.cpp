#include "judgement.h"

#include <QTranslator>
#include <QtTest>

#include <cmath>
#include <limits>

namespace {

const float kNaN = std::numeric_limits<float>::quiet_NaN();

const QString kPass = QStringLiteral("Pass");

QStringList repeated(const QString &text)
{
    QStringList out;
    for (int i = 0; i < 7; ++i)
        out << text;
    return out;
}
const QString kFail = QStringLiteral("Fail");

// Marks every text of the "judgement" context, to prove that the words and
// verdicts pass through translation under that context.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override
    {
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        if (qstrcmp(context, "judgement") == 0)
            return QStringLiteral("<") + QString::fromUtf8(sourceText) + QStringLiteral(">");
        return QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class tst_judgement : public QObject
{
    Q_OBJECT

private slots:
    void verdictBoundaries_data();
    void verdictBoundaries();
    void nanNeverPasses();
    void deviationWords_data();
    void deviationWords();
    void wordThreshold_data();
    void wordThreshold();
    void xyzHasNoWords();
    void unrecognisedSpace();
    void labAliasesAgree();
    void asymmetricLimits();
    void normalisation_data();
    void normalisation();
    void storedTolerance_data();
    void storedTolerance();
    void rowTexts();
    void listOrder();
    void translated();
};

void tst_judgement::verdictBoundaries_data()
{
    QTest::addColumn<float>("dE");
    QTest::addColumn<float>("d");
    QTest::addColumn<QString>("verdict");

    QTest::newRow("2.00 passes") << 2.00f << 2.00f << kPass;
    QTest::newRow("2.01 fails") << 2.01f << 2.01f << kFail;
    QTest::newRow("0 passes") << 0.0f << 0.0f << kPass;
    QTest::newRow("just above") << std::nextafter(2.0f, 3.0f) << std::nextafter(2.0f, 3.0f)
                                << kFail;
}

void tst_judgement::verdictBoundaries()
{
    QFETCH(float, dE);
    QFETCH(float, d);
    QFETCH(QString, verdict);
    const Tolerance defaults;
    for (int coordinate = 0; coordinate < 3; ++coordinate) {
        float ds[3] = {0, 0, 0};
        ds[coordinate] = d;
        const QStringList t =
            judgementTexts(dE, ds[0], ds[1], ds[2], QStringLiteral("CIE1976L*a*b*"), defaults);
        QCOMPARE(t.size(), 7);
        QCOMPARE(t.at(3), verdict);
        QCOMPARE(t.at(4 + coordinate), verdict);
        // The lower limit is a magnitude: -d against -nDelat.
        ds[coordinate] = -d;
        const QStringList n =
            judgementTexts(dE, ds[0], ds[1], ds[2], QStringLiteral("CIE1976L*a*b*"), defaults);
        QCOMPARE(n.at(4 + coordinate), verdict);
        for (int other = 0; other < 3; ++other)
            if (other != coordinate)
                QCOMPARE(n.at(4 + other), kPass);
    }
}

void tst_judgement::nanNeverPasses()
{
    const Tolerance defaults;
    const QStringList t = judgementTexts(kNaN, kNaN, 0, kNaN, "CIE1976L*a*b*", defaults);
    QCOMPARE(t.at(3), kFail);
    QCOMPARE(t.at(4), kFail);
    QCOMPARE(t.at(5), kPass);
    QCOMPARE(t.at(6), kFail);
    // A NaN difference has no direction.
    QCOMPARE(t.at(0), QString("--"));
    QCOMPARE(t.at(1), QString("Normal"));
    QCOMPARE(t.at(2), QString("--"));

    // A limit text that reads as NaN passes nothing either.
    Tolerance odd;
    odd.delatE = "nan";
    odd.pDelatL = "nan";
    const QStringList u = judgementTexts(1, 1, 0, 0, "CIE1976L*a*b*", odd);
    QCOMPARE(u.at(3), kFail);
    QCOMPARE(u.at(4), kFail);
}

void tst_judgement::deviationWords_data()
{
    QTest::addColumn<QString>("space");
    QTest::addColumn<QStringList>("positive");
    QTest::addColumn<QStringList>("negative");

    const QStringList labP{"White+ Black-", "Red+ Green-", "Yellow+ Blue-"};
    const QStringList labN{"Black+ White-", "Green+ Red-", "Blue+ Yellow-"};
    QTest::newRow("CIE1976L*a*b*") << "CIE1976L*a*b*" << labP << labN;
    QTest::newRow("CIE1976LAB") << "CIE1976LAB" << labP << labN;
    QTest::newRow("CIEL*a*b*") << "CIEL*a*b*" << labP << labN;
    QTest::newRow("CIELUV") << "CIELUV" << labP << labN;
    const QStringList lchP{"White+ Black-", "Supersaturation", "Hue+"};
    const QStringList lchN{"Black+ White-", "Undersaturation", "Hue-"};
    QTest::newRow("CIELCH") << "CIELCH" << lchP << lchN;
    QTest::newRow("CIEL*CH") << "CIEL*CH" << lchP << lchN;
    QTest::newRow("HunterLAB") << "HunterLAB"
                               << QStringList{"White+ black-", "Red+ green-", "Yellow+ blue-"}
                               << QStringList{"Black+ white-", "Green+ red-", "Blue+ yellow-"};
    QTest::newRow("sRGB") << "sRGB" << QStringList{"White+ ", "Red+ ", "Yellow+ "}
                          << QStringList{"Black+ ", "Green+ ", "Blue+ "};
}

void tst_judgement::deviationWords()
{
    QFETCH(QString, space);
    QFETCH(QStringList, positive);
    QFETCH(QStringList, negative);
    const Tolerance tol;
    QCOMPARE(judgementTexts(1, 1, 1, 1, space, tol).mid(0, 3), positive);
    QCOMPARE(judgementTexts(1, -1, -1, -1, space, tol).mid(0, 3), negative);
    QCOMPARE(judgementTexts(1, 0, 0, 0, space, tol).mid(0, 3),
             (QStringList{"Normal", "Normal", "Normal"}));
    // Mixed directions are worded per coordinate.
    QCOMPARE(judgementTexts(1, 0.5f, 0, -0.5f, space, tol).mid(0, 3),
             (QStringList{positive.at(0), "Normal", negative.at(2)}));
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(deviationWord(i, 1, space), positive.at(i));
        QCOMPARE(deviationWord(i, -1, space), negative.at(i));
    }
}

void tst_judgement::wordThreshold_data()
{
    QTest::addColumn<float>("d");
    QTest::addColumn<QString>("word");

    QTest::newRow("+0.005") << 0.005f << "Normal";
    QTest::newRow("-0.005") << -0.005f << "Normal";
    QTest::newRow("+0.0051") << 0.0051f << "Red+ Green-";
    QTest::newRow("-0.0051") << -0.0051f << "Green+ Red-";
    QTest::newRow("0") << 0.0f << "Normal";
    QTest::newRow("-0") << -0.0f << "Normal";
    QTest::newRow("huge") << 3e38f << "Red+ Green-";
    QTest::newRow("-inf") << -std::numeric_limits<float>::infinity() << "Green+ Red-";
}

void tst_judgement::wordThreshold()
{
    QFETCH(float, d);
    QFETCH(QString, word);
    // 0.005f widened is 0.004999999888..., below the double 0.005: Normal.
    QCOMPARE(judgementTexts(0, 0, d, 0, "CIE1976L*a*b*", Tolerance()).at(1), word);
}

void tst_judgement::xyzHasNoWords()
{
    const QStringList t = judgementTexts(2.5f, 1, -1, 3, "CIEXYZ", Tolerance());
    QCOMPARE(t, (QStringList{"--", "--", "--", kFail, kPass, kPass, kFail}));
    QCOMPARE(judgementTexts(0, 0, 0, 0, "CIEXYZ", Tolerance()).mid(0, 3),
             (QStringList{"--", "--", "--"}));
}

void tst_judgement::unrecognisedSpace()
{
    for (const char *space : {"CIEL*u*v*", "CIEL*cH", "HunterLab", ""}) {
        const QStringList t = judgementTexts(3, 1, -3, 0, space, Tolerance());
        QCOMPARE(t, (QStringList{"", "", "", kFail, kPass, kFail, kPass}));
    }
}

void tst_judgement::labAliasesAgree()
{
    const Tolerance tol;
    const QStringList reference = judgementTexts(1.7f, 0.3f, -2.2f, 0.004f, "CIE1976L*a*b*", tol);
    QCOMPARE(reference,
             (QStringList{"White+ Black-", "Green+ Red-", "Normal", kPass, kPass, kFail, kPass}));
    QCOMPARE(judgementTexts(1.7f, 0.3f, -2.2f, 0.004f, "CIE1976LAB", tol), reference);
    QCOMPARE(judgementTexts(1.7f, 0.3f, -2.2f, 0.004f, "CIEL*a*b*", tol), reference);

    // Hunter: positive first, normal second.
    const QStringList hunter = judgementTexts(1, 0.8f, 0.001f, 0, "HunterLAB", tol);
    QCOMPARE(hunter.at(0), QString("White+ black-"));
    QCOMPARE(hunter.at(1), QString("Normal"));
}

void tst_judgement::asymmetricLimits()
{
    Tolerance tol;
    tol.delatE = "1.00";
    tol.nDelatL = "0.50";
    tol.pDelatL = "1.50";
    tol.nDelata = "3.00";
    tol.pDelata = "0.10";
    tol.nDelatb = "0.00";
    tol.pDelatb = "0.00";
    QCOMPARE(judgementTexts(1.0f, -0.5f, -3.0f, 0, "CIELCH", tol).mid(3),
             (QStringList{kPass, kPass, kPass, kPass}));
    QCOMPARE(judgementTexts(1.01f, -0.51f, 0.11f, 0.01f, "CIELCH", tol).mid(3),
             (QStringList{kFail, kFail, kFail, kFail}));
    QCOMPARE(judgementTexts(0.5f, 1.5f, 0.1f, -0.01f, "CIELCH", tol).mid(3),
             (QStringList{kPass, kPass, kPass, kFail}));
}

void tst_judgement::normalisation_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kept");

    QTest::newRow("1.234") << "1.234"
                           << "1.23";
    QTest::newRow("1.5") << "1.5"
                         << "1.50";
    QTest::newRow("2") << "2"
                       << "2.00";
    QTest::newRow("abc") << "abc"
                         << "0.00";
    QTest::newRow("empty") << ""
                           << "0.00";
    QTest::newRow("1.236") << "1.236"
                           << "1.24";
    QTest::newRow("negative") << "-1.5"
                              << "-1.50";
    QTest::newRow("exponent") << "2.5e1"
                              << "25.00";
    QTest::newRow("nan") << "nan"
                         << "0.00";
    QTest::newRow("inf") << "inf"
                         << "0.00";
    QTest::newRow("overflow") << "1e39"
                              << "0.00";
    QTest::newRow("comma") << "1,5"
                           << "0.00";
}

void tst_judgement::normalisation()
{
    QFETCH(QString, text);
    QFETCH(QString, kept);
    QCOMPARE(normalizedToleranceText(text), kept);

    Tolerance t;
    t.pDelatb = text;
    QCOMPARE(normalizedTolerance(t).pDelatb, kept);
    QCOMPARE(normalizedTolerance(t).delatE, QString("2.00"));
}

void tst_judgement::storedTolerance_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("applied");

    const QStringList defaults = repeated("2.00");
    QTest::newRow("all empty") << repeated("") << defaults;
    QTest::newRow("all zero") << repeated("0.00") << defaults;
    const QStringList someZero{"0.00", "0.00", "0.00", "1.00", "0.00", "0.00", "0.00"};
    QTest::newRow("some zero") << someZero << someZero;
    const QStringList zeroUnformatted{"0", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00"};
    QTest::newRow("zero unformatted") << zeroUnformatted << zeroUnformatted;
    const QStringList someEmpty{"", "", "", "", "", "", "1.00"};
    QTest::newRow("some empty") << someEmpty << someEmpty;
    QTest::newRow("huge dE") << QStringList{"1000000", "1", "1", "1", "1", "1", "1"} << defaults;
    QTest::newRow("huge negative nL")
        << QStringList{"1", "-1000000", "1", "1", "1", "1", "1"} << defaults;
    QTest::newRow("inf dE") << QStringList{"inf", "1", "1", "1", "1", "1", "1"} << defaults;
    const QStringList edge{"999999", "-999999", "1", "1", "1", "1", "1"};
    QTest::newRow("at the limit") << edge << edge;
    const QStringList hugeOther{"1", "1", "5000000", "1", "1", "1", "1"};
    QTest::newRow("only dE and nL checked") << hugeOther << hugeOther;
}

void tst_judgement::storedTolerance()
{
    QFETCH(QStringList, stored);
    QFETCH(QStringList, applied);
    QCOMPARE(checkedStoredTolerance(Tolerance::fromList(stored)).toList(), applied);
}

void tst_judgement::rowTexts()
{
    Tolerance t;
    t.delatE = "1.50";
    t.nDelatL = "0.30";
    t.pDelatL = "0.40";
    t.nDelata = "%2";
    const QString le = QString(QChar(0x2264));
    const QString tri = QString(QChar(0x25B3));
    QCOMPARE(toleranceRowTexts(t),
             (QStringList{tri + "E" + le + "1.50", "-0.30" + le + tri + "L" + le + "0.40",
                          "-%2" + le + tri + "a" + le + "2.00",
                          "-2.00" + le + tri + "b" + le + "2.00"}));
}

void tst_judgement::listOrder()
{
    const QStringList keys = Tolerance::keys();
    QCOMPARE(keys, (QStringList{"delatE", "nDelatL", "pDelatL", "nDelata", "pDelata", "nDelatb",
                                "pDelatb"}));
    const QStringList values{"1", "2", "3", "4", "5", "6", "7"};
    const Tolerance t = Tolerance::fromList(values);
    QCOMPARE(t.delatE, QString("1"));
    QCOMPARE(t.nDelatL, QString("2"));
    QCOMPARE(t.pDelatb, QString("7"));
    QCOMPARE(t.toList(), values);
    QCOMPARE(Tolerance::fromList({"1"}), Tolerance());
    QCOMPARE(Tolerance().toList(), repeated("2.00"));
}

void tst_judgement::translated()
{
    MarkingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const QStringList t = judgementTexts(3, 1, 0, -1, "HunterLAB", Tolerance());
    const QStringList x = judgementTexts(1, 0, 0, 0, "CIEXYZ", Tolerance());
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(t, (QStringList{"<White+ black->", "<Normal>", "<Blue+ yellow->", "<Fail>", "<Pass>",
                             "<Pass>", "<Pass>"}));
    QCOMPARE(x.at(0), QString("<-->"));
    // Without the translator the English source texts come back.
    QCOMPARE(judgementTexts(3, 1, 0, -1, "HunterLAB", Tolerance()).at(3), kFail);
}

QTEST_GUILESS_MAIN(tst_judgement)
#include "tst_judgement.moc"
