#ifndef COLORVOCABULARY_H
#define COLORVOCABULARY_H

// The names of measuring conditions, colour spaces and colour-difference
// formulas, and the labels shown for each colour space. Every name is compared
// by exact, case-sensitive equality: nothing is trimmed or case-folded.
//
// Two delta signs are in use and are never merged:
//   U+25B3 "WHITE UP-POINTING TRIANGLE" in panel labels, tolerance texts and
//          the default formula name;
//   U+0394 "GREEK CAPITAL LETTER DELTA" in the formula names and in the labels
//          the tolerance dialog sets.

#include <QString>
#include <QStringList>

// U+25B3, the panel's and the tolerance texts' delta sign.
inline constexpr char16_t kPanelDelta = u'\u25B3';
// U+0394, the formula names' delta sign.
inline constexpr char16_t kFormulaDelta = u'\u0394';

enum class ColorSpace
{
    Lab,
    Lch,
    Xyz,
    Luv,
    Hunter,
    Srgb,
    None
};

enum class ColorFormula
{
    Lab,
    E00,
    Cmc,
    Iso,
    Cie94,
    Fmc2,
    Luv,
    Hunter,
    Srgb,
    Lch
};

// --- colour spaces ---------------------------------------------------------

// Canonical names: offered by the setting dialog and carried by new items.
QString labSpaceName();    // "CIE1976L*a*b*"
QString lchSpaceName();    // "CIELCH"
QString xyzSpaceName();    // "CIEXYZ"
QString luvSpaceName();    // "CIELUV"
QString hunterSpaceName(); // "HunterLAB"
QString srgbSpaceName();   // "sRGB"
// The six canonical names in the order above.
QStringList colorSpaceNames();
// The canonical name of a space, empty for None.
QString colorSpaceName(ColorSpace space);

// The instrument's names of the same six spaces ("CIE1976LAB", "CIELCH", ...).
QStringList instrumentColorSpaceNames();
// The instrument's name of L*a*b*, the first of them: "CIE1976LAB".
QString instrumentLabSpaceName();
// The instrument's display mode that is never a colour space of ours.
QString whitenessDisplayModeName(); // "Whiteness/Yellowness"

// --- which spellings of a space each reader accepts ------------------------
//
// Items, files and instruments of different ages spell the spaces
// differently, and each reader of a colour-space name has always accepted its
// own set of spellings.  The sets differ on purpose and each is kept as it
// is: a reader names its table, and a name outside it is no space to that
// reader.  The tables (canonical names, the instrument's names, aliases):
enum class SpaceSpellings
{
    // Conversions, colour difference, judgement, panel and tolerance labels,
    // library values, the report's column names:
    // L*a*b* "CIE1976L*a*b*" "CIE1976LAB" "CIEL*a*b*"; LCh "CIELCH" "CIEL*CH";
    // the other four by their canonical names only.
    Conversion,
    // The export's and report's component column names: Conversion's, and
    // LCh also "CIEL*cH", L*u*v* also "CIEL*u*v*".
    ExportColumns,
    // The printed report's deviation words: L*a*b* "CIE1976L*a*b*"
    // "CIE1976LAB" "CIELAB" (not "CIEL*a*b*"); LCh "CIELCH" "CIEL*CH"
    // "CIEL*cH"; L*u*v* "CIELUV" "CIEL*u*v*"; the rest canonical only.
    ReportWords,
    // The deviation charts: the canonical names, the instrument's
    // "CIE1976LAB", and "CIEL*CH".
    DeviationCharts,
    // The colour-coordinate chart: DeviationCharts' and "HunterLab".
    ColourChart,
    // The comparison of a Type's conditions with the current ones: the
    // canonical names and the instrument's (only L*a*b* differs).
    ConditionCheck,
    // The measurement setting dialog's formula offers: the canonical names
    // and "CIEL*CH".
    SettingDialog
};

// The space `name` spells in `table`; None for a name the table lacks.
// Names compare exactly: nothing is trimmed or case-folded.
ColorSpace colorSpaceOf(const QString &name, SpaceSpellings table);
// Every spelling `table` accepts for `space`, the canonical name first when
// the table has it.
QStringList spaceSpellings(ColorSpace space, SpaceSpellings table);

// The colour-space recogniser used by the conversions, the colour difference,
// the judgement and the labels: colorSpaceOf(name, SpaceSpellings::Conversion).
ColorSpace colorSpaceIndex(const QString &name);

// The component names used as export and report column names, read with the
// ExportColumns spellings (wider than colorSpaceIndex: "CIEL*cH",
// "CIEL*u*v*"); an unknown name gives an empty list.
QStringList componentNames(const QString &name);

// --- colour-difference formulas --------------------------------------------

// The ten formula names, in the order of the ColorFormula enum.
QStringList formulaNames();
QString formulaName(ColorFormula formula);
// Any name that is not one of the ten is computed like "ΔELuv".
ColorFormula formulaIndex(const QString &name);
// "ΔEL*a*b*", the first formula the measurement setting dialog offers.
QString dialogLabFormulaName();
// "△ELab" (U+25B3), the default of the formula setting.
QString defaultFormulaName();

// --- measuring conditions --------------------------------------------------

// System light-source names: "A", "D50", "D65", "C", "F2(CWF)", "F7",
// "F11(TL84)", "F12(U30)".
QStringList lightSourceNames();
// The shorter names in which the instrument reports them, same order.
QStringList instrumentLightSourceNames();
// Maps an instrument light-source name to the system's, empty when unknown.
QString lightSourceFromInstrument(const QString &instrumentName);
// "D65", the light source of an empty settings store.
QString defaultLightSourceName();

QStringList caliberNames();         // "8mm", "4mm", "16mm", "40mm"
QString observerName();             // "CIE 10°"
QString illuminationModeName();     // "8/d"
QString sciName();                  // "SCI"
QString sceName();                  // "SCE"
QStringList instrumentModelNames(); // "PX71", "PX75", "QM-64"

// --- labels per colour space -----------------------------------------------

// The three coordinate labels of the information panel ("L", "a", "b", ...);
// "NULL" three times for a name the recogniser does not know.
QStringList panelCoordinateLabels(const QString &colorSpaceName);
// The three difference labels of the information panel ("△L", "△a", "△b",
// ...); "NULL" three times for an unknown name.
QStringList panelDifferenceLabels(const QString &colorSpaceName);
// The three difference-row labels the tolerance dialog sets ("ΔL", "Δa",
// "Δb", ...); empty for an unknown name, which leaves the labels as they were.
QStringList toleranceRowLabels(const QString &colorSpaceName);

#endif // COLORVOCABULARY_H
