#include "libraryValue.h"

#include <QVector>

namespace {

const QStringList &allLabels()
{
    // Longest first, so that "HunterL" is never taken for "H".
    static const QStringList labels{"HunterL", "HunterA", "HunterB", "L", "a", "b", "c", "H",
                                    "X",       "Y",       "Z",       "U", "V", "R", "G", "B"};
    return labels;
}

bool startsNumber(QChar c)
{
    return c.isDigit() || c == QLatin1Char('-') || c == QLatin1Char('+') || c == QLatin1Char('.');
}

// The length of the label in front of a part's number.
int labelLength(const QString &part)
{
    for (const QString &label : allLabels()) {
        if (part.startsWith(label))
            return label.size();
    }
    int n = 0;
    while (n < part.size() && !startsNumber(part.at(n)))
        ++n;
    return n;
}

} // namespace

QStringList libraryValueLabels(const QString &colorSpaceName)
{
    switch (colorSpaceIndex(colorSpaceName)) {
    case ColorSpace::Lab:
        return {"L", "a", "b"};
    case ColorSpace::Lch:
        return {"L", "c", "H"};
    case ColorSpace::Xyz:
        return {"X", "Y", "Z"};
    case ColorSpace::Luv:
        return {"L", "U", "V"};
    case ColorSpace::Hunter:
        return {"HunterL", "HunterA", "HunterB"};
    case ColorSpace::Srgb:
        return {"R", "G", "B"};
    case ColorSpace::None:
        break;
    }
    return {};
}

QString libraryValueText(const QStringList &labels, const ColorTriple &values)
{
    QStringList parts;
    for (int i = 0; i < 3; ++i)
        parts << labels.value(i) + QString::number(double(values[size_t(i)]), 'f', 2);
    return parts.join(QStringLiteral("  "));
}

LibraryValue parseLibraryValue(const QString &text)
{
    LibraryValue value;
    const QVector<QStringRef> parts = text.splitRef(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 0; i < 3; ++i) {
        if (i >= parts.size()) {
            value.labels << QString();
            continue;
        }
        const QString part = parts.at(i).toString();
        const int n = labelLength(part);
        value.labels << part.left(n);
        // Invalid text reads as 0, like every number read back from a text.
        value.values[size_t(i)] = part.midRef(n).toFloat();
    }
    return value;
}
