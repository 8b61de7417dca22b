#include "judgement.h"

#include "colorVocabulary.h"

#include <QCoreApplication>

#include <cmath>

namespace {

constexpr char kContext[] = "judgement";

QString tr(const char *source)
{
    return QCoreApplication::translate(kContext, source);
}

// Positive and negative word of each coordinate, per colour space.
struct Words
{
    const char *positive[3];
    const char *negative[3];
};

const Words kLabWords = {
    {QT_TRANSLATE_NOOP("judgement", "White+ Black-"), QT_TRANSLATE_NOOP("judgement", "Red+ Green-"),
     QT_TRANSLATE_NOOP("judgement", "Yellow+ Blue-")},
    {QT_TRANSLATE_NOOP("judgement", "Black+ White-"), QT_TRANSLATE_NOOP("judgement", "Green+ Red-"),
     QT_TRANSLATE_NOOP("judgement", "Blue+ Yellow-")}};

const Words kLchWords = {
    {QT_TRANSLATE_NOOP("judgement", "White+ Black-"),
     QT_TRANSLATE_NOOP("judgement", "Supersaturation"), QT_TRANSLATE_NOOP("judgement", "Hue+")},
    {QT_TRANSLATE_NOOP("judgement", "Black+ White-"),
     QT_TRANSLATE_NOOP("judgement", "Undersaturation"), QT_TRANSLATE_NOOP("judgement", "Hue-")}};

// Hunter's second halves are lower case.
const Words kHunterWords = {
    {QT_TRANSLATE_NOOP("judgement", "White+ black-"), QT_TRANSLATE_NOOP("judgement", "Red+ green-"),
     QT_TRANSLATE_NOOP("judgement", "Yellow+ blue-")},
    {QT_TRANSLATE_NOOP("judgement", "Black+ white-"), QT_TRANSLATE_NOOP("judgement", "Green+ red-"),
     QT_TRANSLATE_NOOP("judgement", "Blue+ yellow-")}};

// The sRGB words end in a blank.
const Words kRgbWords = {
    {QT_TRANSLATE_NOOP("judgement", "White+ "), QT_TRANSLATE_NOOP("judgement", "Red+ "),
     QT_TRANSLATE_NOOP("judgement", "Yellow+ ")},
    {QT_TRANSLATE_NOOP("judgement", "Black+ "), QT_TRANSLATE_NOOP("judgement", "Green+ "),
     QT_TRANSLATE_NOOP("judgement", "Blue+ ")}};

const char *const kNormal = QT_TRANSLATE_NOOP("judgement", "Normal");
const char *const kNoWord = QT_TRANSLATE_NOOP("judgement", "--");
const char *const kPass = QT_TRANSLATE_NOOP("judgement", "Pass");
const char *const kFail = QT_TRANSLATE_NOOP("judgement", "Fail");

const Words *wordsOf(ColorSpace space)
{
    switch (space) {
    case ColorSpace::Lab:
    case ColorSpace::Luv:
        return &kLabWords;
    case ColorSpace::Lch:
        return &kLchWords;
    case ColorSpace::Hunter:
        return &kHunterWords;
    case ColorSpace::Srgb:
        return &kRgbWords;
    case ColorSpace::Xyz:
    case ColorSpace::None:
        break;
    }
    return nullptr;
}

QString wordFor(ColorSpace space, int coordinate, float difference)
{
    if (space == ColorSpace::None || coordinate < 0 || coordinate > 2)
        return QString();
    if (space == ColorSpace::Xyz || std::isnan(difference))
        return tr(kNoWord);
    const Words *words = wordsOf(space);
    // 0.005 is a double; the difference is widened to compare with it.
    const double d = difference;
    if (d > 0.005)
        return tr(words->positive[coordinate]);
    if (d < -0.005)
        return tr(words->negative[coordinate]);
    return tr(kNormal);
}

// Pass when -lower <= d <= upper; written so that NaN on either side fails.
QString rangeVerdict(float d, const QString &lower, const QString &upper)
{
    const float lo = lower.toFloat();
    const float hi = upper.toFloat();
    return (d <= hi && -lo <= d) ? tr(kPass) : tr(kFail);
}

} // namespace

QStringList Tolerance::toList() const
{
    return {delatE, nDelatL, pDelatL, nDelata, pDelata, nDelatb, pDelatb};
}

Tolerance Tolerance::fromList(const QStringList &texts)
{
    Tolerance t;
    if (texts.size() != 7)
        return t;
    t.delatE = texts.at(0);
    t.nDelatL = texts.at(1);
    t.pDelatL = texts.at(2);
    t.nDelata = texts.at(3);
    t.pDelata = texts.at(4);
    t.nDelatb = texts.at(5);
    t.pDelatb = texts.at(6);
    return t;
}

QStringList Tolerance::keys()
{
    return {QStringLiteral("delatE"),  QStringLiteral("nDelatL"), QStringLiteral("pDelatL"),
            QStringLiteral("nDelata"), QStringLiteral("pDelata"), QStringLiteral("nDelatb"),
            QStringLiteral("pDelatb")};
}

QString normalizedToleranceText(const QString &text)
{
    // Invalid text reads as 0; so does a NaN or an overflowing number, which
    // would otherwise make every comparison fail or every one pass.
    float v = text.toFloat();
    if (!std::isfinite(v))
        v = 0;
    return QString::number(static_cast<double>(v), 'f', 2);
}

Tolerance normalizedTolerance(const Tolerance &tolerance)
{
    QStringList texts = tolerance.toList();
    for (QString &t : texts)
        t = normalizedToleranceText(t);
    return Tolerance::fromList(texts);
}

Tolerance checkedStoredTolerance(const Tolerance &stored)
{
    const QStringList texts = stored.toList();
    bool allEmpty = true;
    bool allZero = true;
    for (const QString &t : texts) {
        allEmpty = allEmpty && t.isEmpty();
        allZero = allZero && t == QLatin1String("0.00");
    }
    if (allEmpty || allZero)
        return Tolerance();
    if (std::fabs(stored.delatE.toFloat()) > 999999 || std::fabs(stored.nDelatL.toFloat()) > 999999)
        return Tolerance();
    return stored;
}

QStringList toleranceRowTexts(const Tolerance &tolerance)
{
    const QChar delta(kPanelDelta);
    const QChar le(0x2264);
    const QString range =
        QStringLiteral("-%1") + le + delta + QStringLiteral("%3") + le + QStringLiteral("%2");
    return {QString(delta) + QStringLiteral("E") + le + tolerance.delatE,
            range.arg(tolerance.nDelatL, tolerance.pDelatL, QStringLiteral("L")),
            range.arg(tolerance.nDelata, tolerance.pDelata, QStringLiteral("a")),
            range.arg(tolerance.nDelatb, tolerance.pDelatb, QStringLiteral("b"))};
}

QString deviationWord(int coordinate, float difference, const QString &colorSpaceName)
{
    return wordFor(colorSpaceIndex(colorSpaceName), coordinate, difference);
}

QStringList judgementTexts(float dE, float d1, float d2, float d3, const QString &colorSpaceName,
                           const Tolerance &tolerance)
{
    const ColorSpace space = colorSpaceIndex(colorSpaceName);
    QStringList out;
    out.reserve(7);
    out << wordFor(space, 0, d1) << wordFor(space, 1, d2) << wordFor(space, 2, d3);
    const float limit = tolerance.delatE.toFloat();
    out << (dE <= limit ? tr(kPass) : tr(kFail));
    out << rangeVerdict(d1, tolerance.nDelatL, tolerance.pDelatL);
    out << rangeVerdict(d2, tolerance.nDelata, tolerance.pDelata);
    out << rangeVerdict(d3, tolerance.nDelatb, tolerance.pDelatb);
    return out;
}
