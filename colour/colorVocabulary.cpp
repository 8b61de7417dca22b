#include "colorVocabulary.h"

// The delta signs are written as escapes so that no editor or font can turn
// one into the other: \u25B3 is the triangle, \u0394 the Greek capital delta.

QString labSpaceName()
{
    return QStringLiteral("CIE1976L*a*b*");
}

QString lchSpaceName()
{
    return QStringLiteral("CIELCH");
}

QString xyzSpaceName()
{
    return QStringLiteral("CIEXYZ");
}

QString luvSpaceName()
{
    return QStringLiteral("CIELUV");
}

QString hunterSpaceName()
{
    return QStringLiteral("HunterLAB");
}

QString srgbSpaceName()
{
    return QStringLiteral("sRGB");
}

QStringList colorSpaceNames()
{
    return {labSpaceName(), lchSpaceName(),    xyzSpaceName(),
            luvSpaceName(), hunterSpaceName(), srgbSpaceName()};
}

QString colorSpaceName(ColorSpace space)
{
    switch (space) {
    case ColorSpace::Lab:
        return labSpaceName();
    case ColorSpace::Lch:
        return lchSpaceName();
    case ColorSpace::Xyz:
        return xyzSpaceName();
    case ColorSpace::Luv:
        return luvSpaceName();
    case ColorSpace::Hunter:
        return hunterSpaceName();
    case ColorSpace::Srgb:
        return srgbSpaceName();
    case ColorSpace::None:
        break;
    }
    return QString();
}

QStringList instrumentColorSpaceNames()
{
    return {instrumentLabSpaceName(), lchSpaceName(),    xyzSpaceName(),
            luvSpaceName(),           hunterSpaceName(), srgbSpaceName()};
}

QString instrumentLabSpaceName()
{
    return QStringLiteral("CIE1976LAB");
}

QString whitenessDisplayModeName()
{
    return QStringLiteral("Whiteness/Yellowness");
}

namespace {

struct Spelling
{
    ColorSpace space;
    const char *name;
};

// The tables of SpaceSpellings, canonical names first.  Every name is ASCII.
constexpr Spelling kConversion[] = {
    {ColorSpace::Lab, "CIE1976L*a*b*"}, {ColorSpace::Lab, "CIE1976LAB"},
    {ColorSpace::Lab, "CIEL*a*b*"},     {ColorSpace::Lch, "CIELCH"},
    {ColorSpace::Lch, "CIEL*CH"},       {ColorSpace::Xyz, "CIEXYZ"},
    {ColorSpace::Luv, "CIELUV"},        {ColorSpace::Hunter, "HunterLAB"},
    {ColorSpace::Srgb, "sRGB"}};

constexpr Spelling kExportColumns[] = {
    {ColorSpace::Lab, "CIE1976L*a*b*"}, {ColorSpace::Lab, "CIE1976LAB"},
    {ColorSpace::Lab, "CIEL*a*b*"},     {ColorSpace::Lch, "CIELCH"},
    {ColorSpace::Lch, "CIEL*CH"},       {ColorSpace::Lch, "CIEL*cH"},
    {ColorSpace::Xyz, "CIEXYZ"},        {ColorSpace::Luv, "CIELUV"},
    {ColorSpace::Luv, "CIEL*u*v*"},     {ColorSpace::Hunter, "HunterLAB"},
    {ColorSpace::Srgb, "sRGB"}};

constexpr Spelling kReportWords[] = {
    {ColorSpace::Lab, "CIE1976L*a*b*"}, {ColorSpace::Lab, "CIE1976LAB"},
    {ColorSpace::Lab, "CIELAB"},        {ColorSpace::Lch, "CIELCH"},
    {ColorSpace::Lch, "CIEL*CH"},       {ColorSpace::Lch, "CIEL*cH"},
    {ColorSpace::Xyz, "CIEXYZ"},        {ColorSpace::Luv, "CIELUV"},
    {ColorSpace::Luv, "CIEL*u*v*"},     {ColorSpace::Hunter, "HunterLAB"},
    {ColorSpace::Srgb, "sRGB"}};

constexpr Spelling kDeviationCharts[] = {
    {ColorSpace::Lab, "CIE1976L*a*b*"}, {ColorSpace::Lab, "CIE1976LAB"},
    {ColorSpace::Lch, "CIELCH"},        {ColorSpace::Lch, "CIEL*CH"},
    {ColorSpace::Xyz, "CIEXYZ"},        {ColorSpace::Luv, "CIELUV"},
    {ColorSpace::Hunter, "HunterLAB"},  {ColorSpace::Srgb, "sRGB"}};

constexpr Spelling kColourChart[] = {
    {ColorSpace::Lab, "CIE1976L*a*b*"}, {ColorSpace::Lab, "CIE1976LAB"},
    {ColorSpace::Lch, "CIELCH"},        {ColorSpace::Lch, "CIEL*CH"},
    {ColorSpace::Xyz, "CIEXYZ"},        {ColorSpace::Luv, "CIELUV"},
    {ColorSpace::Hunter, "HunterLAB"},  {ColorSpace::Hunter, "HunterLab"},
    {ColorSpace::Srgb, "sRGB"}};

constexpr Spelling kConditionCheck[] = {
    {ColorSpace::Lab, "CIE1976L*a*b*"}, {ColorSpace::Lab, "CIE1976LAB"},
    {ColorSpace::Lch, "CIELCH"},        {ColorSpace::Xyz, "CIEXYZ"},
    {ColorSpace::Luv, "CIELUV"},        {ColorSpace::Hunter, "HunterLAB"},
    {ColorSpace::Srgb, "sRGB"}};

constexpr Spelling kSettingDialog[] = {
    {ColorSpace::Lab, "CIE1976L*a*b*"}, {ColorSpace::Lch, "CIELCH"},
    {ColorSpace::Lch, "CIEL*CH"},       {ColorSpace::Xyz, "CIEXYZ"},
    {ColorSpace::Luv, "CIELUV"},        {ColorSpace::Hunter, "HunterLAB"},
    {ColorSpace::Srgb, "sRGB"}};

struct Table
{
    const Spelling *begin;
    const Spelling *end;
};

template <size_t N> constexpr Table tableOf(const Spelling (&spellings)[N])
{
    return {spellings, spellings + N};
}

Table tableOf(SpaceSpellings table)
{
    switch (table) {
    case SpaceSpellings::Conversion:
        break;
    case SpaceSpellings::ExportColumns:
        return tableOf(kExportColumns);
    case SpaceSpellings::ReportWords:
        return tableOf(kReportWords);
    case SpaceSpellings::DeviationCharts:
        return tableOf(kDeviationCharts);
    case SpaceSpellings::ColourChart:
        return tableOf(kColourChart);
    case SpaceSpellings::ConditionCheck:
        return tableOf(kConditionCheck);
    case SpaceSpellings::SettingDialog:
        return tableOf(kSettingDialog);
    }
    return tableOf(kConversion);
}

} // namespace

ColorSpace colorSpaceOf(const QString &name, SpaceSpellings table)
{
    const Table t = tableOf(table);
    for (const Spelling *s = t.begin; s != t.end; ++s) {
        if (name == QLatin1String(s->name))
            return s->space;
    }
    return ColorSpace::None;
}

QStringList spaceSpellings(ColorSpace space, SpaceSpellings table)
{
    QStringList names;
    const Table t = tableOf(table);
    for (const Spelling *s = t.begin; s != t.end; ++s) {
        if (s->space == space)
            names << QString::fromLatin1(s->name);
    }
    return names;
}

ColorSpace colorSpaceIndex(const QString &name)
{
    return colorSpaceOf(name, SpaceSpellings::Conversion);
}

QStringList componentNames(const QString &name)
{
    switch (colorSpaceOf(name, SpaceSpellings::ExportColumns)) {
    case ColorSpace::Lab:
        return {QStringLiteral("L"), QStringLiteral("a"), QStringLiteral("b")};
    case ColorSpace::Lch:
        return {QStringLiteral("L"), QStringLiteral("c"), QStringLiteral("H")};
    case ColorSpace::Xyz:
        return {QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z")};
    case ColorSpace::Luv:
        return {QStringLiteral("L"), QStringLiteral("u"), QStringLiteral("v")};
    case ColorSpace::Hunter:
        return {QStringLiteral("HunterL"), QStringLiteral("HunterA"), QStringLiteral("HunterB")};
    case ColorSpace::Srgb:
        return {QStringLiteral("R"), QStringLiteral("G"), QStringLiteral("B")};
    case ColorSpace::None:
        break;
    }
    return QStringList();
}

QStringList formulaNames()
{
    return {QStringLiteral("\u0394ELab"),   QStringLiteral("\u0394E00"),
            QStringLiteral("\u0394ECMC"),   QStringLiteral("\u0394EISO"),
            QStringLiteral("\u0394ECIE94"), QStringLiteral("\u0394EFCM\u2161"),
            QStringLiteral("\u0394ELuv"),   QStringLiteral("\u0394EHunter"),
            QStringLiteral("\u0394EsRGB"),  QStringLiteral("\u0394ELch")};
}

QString formulaName(ColorFormula formula)
{
    return formulaNames().at(static_cast<int>(formula));
}

ColorFormula formulaIndex(const QString &name)
{
    // Cheap rejection first: every formula name starts with the Greek delta.
    if (name.size() < 3 || name.at(0).unicode() != kFormulaDelta || name.at(1) != QLatin1Char('E'))
        return ColorFormula::Luv;
    const QStringRef rest = name.midRef(2);
    if (rest == QLatin1String("Lab"))
        return ColorFormula::Lab;
    if (rest == QLatin1String("00"))
        return ColorFormula::E00;
    if (rest == QLatin1String("CMC"))
        return ColorFormula::Cmc;
    if (rest == QLatin1String("ISO"))
        return ColorFormula::Iso;
    if (rest == QLatin1String("CIE94"))
        return ColorFormula::Cie94;
    if (rest == QStringLiteral("FCM\u2161"))
        return ColorFormula::Fmc2;
    if (rest == QLatin1String("Luv"))
        return ColorFormula::Luv;
    if (rest == QLatin1String("Hunter"))
        return ColorFormula::Hunter;
    if (rest == QLatin1String("sRGB"))
        return ColorFormula::Srgb;
    if (rest == QLatin1String("Lch"))
        return ColorFormula::Lch;
    return ColorFormula::Luv;
}

QString dialogLabFormulaName()
{
    return QStringLiteral("\u0394EL*a*b*");
}

QString defaultFormulaName()
{
    return QStringLiteral("\u25B3ELab");
}

QStringList lightSourceNames()
{
    return {QStringLiteral("A"),         QStringLiteral("D50"),     QStringLiteral("D65"),
            QStringLiteral("C"),         QStringLiteral("F2(CWF)"), QStringLiteral("F7"),
            QStringLiteral("F11(TL84)"), QStringLiteral("F12(U30)")};
}

QStringList instrumentLightSourceNames()
{
    return {QStringLiteral("A"),   QStringLiteral("D50"), QStringLiteral("D65"),
            QStringLiteral("C"),   QStringLiteral("F2"),  QStringLiteral("F7"),
            QStringLiteral("F11"), QStringLiteral("F12")};
}

QString lightSourceFromInstrument(const QString &instrumentName)
{
    const int i = instrumentLightSourceNames().indexOf(instrumentName);
    return i < 0 ? QString() : lightSourceNames().at(i);
}

QString defaultLightSourceName()
{
    return QStringLiteral("D65");
}

QStringList caliberNames()
{
    return {QStringLiteral("8mm"), QStringLiteral("4mm"), QStringLiteral("16mm"),
            QStringLiteral("40mm")};
}

QString observerName()
{
    return QStringLiteral("CIE 10\u00B0");
}

QString illuminationModeName()
{
    return QStringLiteral("8/d");
}

QString sciName()
{
    return QStringLiteral("SCI");
}

QString sceName()
{
    return QStringLiteral("SCE");
}

QStringList instrumentModelNames()
{
    return {QStringLiteral("PX71"), QStringLiteral("PX75"), QStringLiteral("QM-64")};
}

namespace {

// Letters of the three coordinates per colour space, as the panel shows them.
QStringList panelLetters(ColorSpace space)
{
    switch (space) {
    case ColorSpace::Lab:
        return {QStringLiteral("L"), QStringLiteral("a"), QStringLiteral("b")};
    case ColorSpace::Lch:
        return {QStringLiteral("L"), QStringLiteral("c"), QStringLiteral("H")};
    case ColorSpace::Xyz:
        return {QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z")};
    case ColorSpace::Luv:
        return {QStringLiteral("L*"), QStringLiteral("u*"), QStringLiteral("v*")};
    case ColorSpace::Hunter:
        return {QStringLiteral("HunterL"), QStringLiteral("HunterA"), QStringLiteral("HunterB")};
    case ColorSpace::Srgb:
        return {QStringLiteral("R"), QStringLiteral("G"), QStringLiteral("B")};
    case ColorSpace::None:
        break;
    }
    return QStringList();
}

QStringList nullLabels()
{
    return {QStringLiteral("NULL"), QStringLiteral("NULL"), QStringLiteral("NULL")};
}

QStringList prefixed(const QStringList &letters, char16_t sign)
{
    QStringList out;
    out.reserve(letters.size());
    for (const QString &l : letters)
        out << QChar(sign) + l;
    return out;
}

} // namespace

QStringList panelCoordinateLabels(const QString &colorSpaceName)
{
    const ColorSpace space = colorSpaceIndex(colorSpaceName);
    return space == ColorSpace::None ? nullLabels() : panelLetters(space);
}

QStringList panelDifferenceLabels(const QString &colorSpaceName)
{
    const ColorSpace space = colorSpaceIndex(colorSpaceName);
    return space == ColorSpace::None ? nullLabels() : prefixed(panelLetters(space), kPanelDelta);
}

QStringList toleranceRowLabels(const QString &colorSpaceName)
{
    const ColorSpace space = colorSpaceIndex(colorSpaceName);
    // The dialog drops the asterisks of the L*u*v* letters.
    if (space == ColorSpace::Luv)
        return prefixed({QStringLiteral("L"), QStringLiteral("u"), QStringLiteral("v")},
                        kFormulaDelta);
    return prefixed(panelLetters(space), kFormulaDelta);
}
