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

// The colour-space recogniser used by the conversions, the colour difference,
// the judgement and the labels.
ColorSpace colorSpaceIndex(const QString &name);

// The component names used as export and report column names. This list
// knows a wider set of aliases than colorSpaceIndex ("CIEL*cH", "CIEL*u*v*");
// an unknown name gives an empty list.
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
