// Which spellings of a colour-space name each reader of the program takes for
// which space, seen from the readers themselves: a spelling a reader accepts
// behaves exactly like the space's canonical name there, and one it refuses
// behaves like a name that is no space at all.  The accepted sets differ on
// purpose (files and instruments of different ages); these rows are what
// users' measurements may carry, so a reader that starts refusing or
// accepting another spelling fails here.

#include "colorVocabulary.h"
#include "conditionCheck.h"
#include "deviationCharts.h"
#include "painterLabRk.h"
#include "reportPages.h"
#include "setMeasurementRk.h"

#include <QCryptographicHash>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QtTest>

Q_DECLARE_METATYPE(ColorSpace)
Q_DECLARE_METATYPE(SpaceSpellings)

namespace {

// A name no reader takes for a space.
const QString kNoSpace = QStringLiteral("no space");

// Every spelling some reader knows, and some that none does.
const QStringList kCandidates = {
    "CIE1976L*a*b*", "CIE1976LAB", "CIEL*a*b*", "CIELAB",  "CIELCH",
    "CIEL*CH",       "CIEL*cH",    "CIEXYZ",    "CIELUV",  "CIEL*u*v*",
    "HunterLAB",     "HunterLab",  "sRGB",      "cielch",  " CIELCH",
    "sRGB ",         "SRGB",       "",          "CIE LAB", "Whiteness/Yellowness"};

using Accepted = QHash<QString, ColorSpace>;

// The six canonical names, which every reader accepts.
Accepted canonical()
{
    return {{"CIE1976L*a*b*", ColorSpace::Lab}, {"CIELCH", ColorSpace::Lch},
            {"CIEXYZ", ColorSpace::Xyz},        {"CIELUV", ColorSpace::Luv},
            {"HunterLAB", ColorSpace::Hunter},  {"sRGB", ColorSpace::Srgb}};
}

Accepted plus(Accepted set, const Accepted &more)
{
    for (auto it = more.begin(); it != more.end(); ++it)
        set.insert(it.key(), it.value());
    return set;
}

// What each reader accepts besides the canonical names.
Accepted acceptedBy(SpaceSpellings table)
{
    switch (table) {
    case SpaceSpellings::Conversion:
        return plus(canonical(), {{"CIE1976LAB", ColorSpace::Lab},
                                  {"CIEL*a*b*", ColorSpace::Lab},
                                  {"CIEL*CH", ColorSpace::Lch}});
    case SpaceSpellings::ExportColumns:
        return plus(acceptedBy(SpaceSpellings::Conversion),
                    {{"CIEL*cH", ColorSpace::Lch}, {"CIEL*u*v*", ColorSpace::Luv}});
    case SpaceSpellings::ReportWords:
        return plus(canonical(), {{"CIE1976LAB", ColorSpace::Lab},
                                  {"CIELAB", ColorSpace::Lab},
                                  {"CIEL*CH", ColorSpace::Lch},
                                  {"CIEL*cH", ColorSpace::Lch},
                                  {"CIEL*u*v*", ColorSpace::Luv}});
    case SpaceSpellings::DeviationCharts:
        return plus(canonical(), {{"CIE1976LAB", ColorSpace::Lab}, {"CIEL*CH", ColorSpace::Lch}});
    case SpaceSpellings::ColourChart:
        return plus(acceptedBy(SpaceSpellings::DeviationCharts),
                    {{"HunterLab", ColorSpace::Hunter}});
    case SpaceSpellings::ConditionCheck:
        return plus(canonical(), {{"CIE1976LAB", ColorSpace::Lab}});
    case SpaceSpellings::SettingDialog:
        return plus(canonical(), {{"CIEL*CH", ColorSpace::Lch}});
    }
    return {};
}

const QList<SpaceSpellings> kTables = {
    SpaceSpellings::Conversion,      SpaceSpellings::ExportColumns, SpaceSpellings::ReportWords,
    SpaceSpellings::DeviationCharts, SpaceSpellings::ColourChart,   SpaceSpellings::ConditionCheck,
    SpaceSpellings::SettingDialog};

const QList<ColorSpace> kSpaces = {ColorSpace::Lab, ColorSpace::Lch,    ColorSpace::Xyz,
                                   ColorSpace::Luv, ColorSpace::Hunter, ColorSpace::Srgb};

QString tableName(SpaceSpellings table)
{
    const char *names[] = {"Conversion",  "ExportColumns",  "ReportWords",  "DeviationCharts",
                           "ColourChart", "ConditionCheck", "SettingDialog"};
    return QString::fromLatin1(names[static_cast<int>(table)]);
}

QString imageDigest(const QImage &image)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(
            QByteArray(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes()),
            QCryptographicHash::Sha1)
            .toHex());
}

// Both deviation charts with a Sample off centre on every axis.
QString deviationChartsDrawing(const QString &name)
{
    QImage image(240, 120, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font;
    font.setPixelSize(11);
    painter.setFont(font);
    lightnessDeviation lightness;
    lightness.colorSpace = name;
    lightness.value = 0.7f;
    chromaticDeviation chromatic;
    chromatic.colorSpace = name;
    chromatic.vertical = 0.6f;
    chromatic.horizontal = -0.8f;
    paintLightnessDeviation(painter, QRect(0, 0, 120, 120), lightness,
                            deviationChartStyle::screen());
    paintChromaticDeviation(painter, QRect(120, 0, 120, 120), chromatic,
                            deviationChartStyle::screen());
    painter.end();
    return imageDigest(image);
}

// What the reader that uses `table` makes of `name`, as one comparable text.
QString readerSees(SpaceSpellings table, const QString &name)
{
    switch (table) {
    case SpaceSpellings::Conversion:
        // The panel, the tolerance dialog and the printed column names.
        return QStringList(panelCoordinateLabels(name) + toleranceRowLabels(name) +
                           reportComponentNames(name))
            .join('|');
    case SpaceSpellings::ExportColumns:
        return componentNames(name).join('|');
    case SpaceSpellings::ReportWords: {
        QStringList words;
        for (int coordinate = 0; coordinate < 3; ++coordinate)
            words << report2DeviationWord(coordinate, 1.0f, name)
                  << report2DeviationWord(coordinate, -1.0f, name);
        return words.join('|');
    }
    case SpaceSpellings::DeviationCharts:
        return deviationChartsDrawing(name);
    case SpaceSpellings::ColourChart:
        return QString::number(static_cast<int>(colourChartKindOf(name)));
    case SpaceSpellings::ConditionCheck: {
        // With which canonical names (and the instrument's) it is one space.
        QString same;
        for (const QString &other : colorSpaceNames() + instrumentColorSpaceNames())
            same += conditionCheck::sameColorSpace(name, other) ? '1' : '0';
        return same;
    }
    case SpaceSpellings::SettingDialog:
        return QStringList(setMeasurementRk::formulasFor("PX71", name) + QStringList{"/"} +
                           setMeasurementRk::formulasFor("QM-64", name))
            .join('|');
    }
    return QString();
}

} // namespace

class tst_spaceSpellings : public QObject
{
    Q_OBJECT

private slots:
    void readersTakeTheirSpellings_data();
    void readersTakeTheirSpellings();
    void tablesListWhatTheyAccept();
    void readersTellTheSpacesApart();
};

void tst_spaceSpellings::readersTakeTheirSpellings_data()
{
    QTest::addColumn<SpaceSpellings>("table");
    QTest::addColumn<QString>("name");
    QTest::addColumn<ColorSpace>("space");
    for (SpaceSpellings table : kTables) {
        const Accepted accepted = acceptedBy(table);
        for (const QString &name : kCandidates) {
            const QString tag = tableName(table) + " '" + name + "'";
            QTest::newRow(qPrintable(tag))
                << table << name << accepted.value(name, ColorSpace::None);
        }
    }
}

void tst_spaceSpellings::readersTakeTheirSpellings()
{
    QFETCH(SpaceSpellings, table);
    QFETCH(QString, name);
    QFETCH(ColorSpace, space);

    QCOMPARE(colorSpaceOf(name, table), space);
    // The reader that names the table: like the canonical name, or like no
    // space at all.
    const QString like = space == ColorSpace::None ? kNoSpace : colorSpaceName(space);
    QCOMPARE(readerSees(table, name), readerSees(table, like));
    if (table == SpaceSpellings::Conversion)
        QCOMPARE(colorSpaceIndex(name), space);
}

void tst_spaceSpellings::tablesListWhatTheyAccept()
{
    // No table accepts a spelling beyond the candidates above, and each lists
    // its canonical name first.
    for (SpaceSpellings table : kTables) {
        Accepted listed;
        for (ColorSpace space : kSpaces) {
            const QStringList names = spaceSpellings(space, table);
            QVERIFY2(!names.isEmpty() && names.first() == colorSpaceName(space),
                     qPrintable(tableName(table)));
            for (const QString &name : names)
                listed.insert(name, space);
        }
        QVERIFY2(listed == acceptedBy(table), qPrintable(tableName(table)));
    }
}

void tst_spaceSpellings::readersTellTheSpacesApart()
{
    // Without this the comparisons above could pass for a reader that sees
    // every name alike.
    for (SpaceSpellings table : kTables) {
        QSet<QString> seen;
        for (ColorSpace space : kSpaces) {
            const QString sees = readerSees(table, colorSpaceName(space));
            QVERIFY2(sees != readerSees(table, kNoSpace),
                     qPrintable(tableName(table) + ": " + colorSpaceName(space)));
            seen.insert(sees);
        }
        // The colour chart draws L*a*b* and Hunter Lab on one plane, and the
        // report words Hunter Lab and L*u*v* like L*a*b*.
        const int distinct = table == SpaceSpellings::ColourChart   ? 5
                             : table == SpaceSpellings::ReportWords ? 4
                                                                    : 6;
        QCOMPARE(seen.size(), distinct);
    }
}

QTEST_MAIN(tst_spaceSpellings)
#include "tst_spaceSpellings.moc"
