#ifndef JUDGEMENT_H
#define JUDGEMENT_H

// Tolerance judgement: the Pass/Fail verdicts of a Sample against its Type and
// the words that describe the direction of each coordinate's deviation.

#include <QString>
#include <QStringList>

// Seven decimal texts, the numbers parsed from them each time they are used.
// The lower limits (n...) are stored as magnitudes: the first difference
// passes from -nDelatL up to pDelatL. The field names are also the settings
// keys.
struct Tolerance
{
    QString delatE = QStringLiteral("2.00");
    QString nDelatL = QStringLiteral("2.00");
    QString pDelatL = QStringLiteral("2.00");
    QString nDelata = QStringLiteral("2.00");
    QString pDelata = QStringLiteral("2.00");
    QString nDelatb = QStringLiteral("2.00");
    QString pDelatb = QStringLiteral("2.00");

    // The seven texts in the order delatE, nDelatL, pDelatL, nDelata, pDelata,
    // nDelatb, pDelatb (the order of the tolerance signals and the settings).
    QStringList toList() const;
    // From seven texts in that order; a list of another length gives the defaults.
    static Tolerance fromList(const QStringList &texts);
    // The settings keys in the same order.
    static QStringList keys();
    // Seven null texts: what a measuring file's header holds before its texts
    // are read (the file writes a null text apart from an empty one).
    static Tolerance nullTexts()
    {
        Tolerance t;
        t.delatE = t.nDelatL = t.pDelatL = t.nDelata = t.pDelata = t.nDelatb = t.pDelatb =
            QString();
        return t;
    }

    bool operator==(const Tolerance &o) const { return toList() == o.toList(); }
    bool operator!=(const Tolerance &o) const { return !(*this == o); }
};

// A tolerance text as it is kept: the text read as a number and written with
// two decimals ("1.5" -> "1.50", "1.234" -> "1.23"); text that is no finite
// number becomes "0.00".
QString normalizedToleranceText(const QString &text);
// All seven texts normalised.
Tolerance normalizedTolerance(const Tolerance &tolerance);

// The tolerance read from the settings at start-up, before it is applied: all
// seven empty, all seven "0.00", or |delatE| or |nDelatL| above 999999 give
// the defaults ("2.00" seven times); anything else is kept as it is.
Tolerance checkedStoredTolerance(const Tolerance &stored);

// The four row texts of the information panel: "△E≤x", "-x≤△L≤y", "-x≤△a≤y",
// "-x≤△b≤y" (the L*a*b* letters in every colour space).
QStringList toleranceRowTexts(const Tolerance &tolerance);

// The seven judgement strings: the three deviation words (first, second,
// third coordinate), then the four verdicts (ΔE, first, second, third).
// dE is the colour difference, d1..d3 are Sample minus Type; a value equal to
// its limit passes, and a NaN value never passes. A NaN difference has no
// direction and is worded "--". Words and verdicts are translated in the
// context "judgement".
QStringList judgementTexts(float dE, float d1, float d2, float d3, const QString &colorSpaceName,
                           const Tolerance &tolerance);

// The deviation word of one coordinate (index 0..2) for one difference.
QString deviationWord(int coordinate, float difference, const QString &colorSpaceName);

#endif // JUDGEMENT_H
