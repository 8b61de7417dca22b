#ifndef QCM_LIBRARYVALUE_H
#define QCM_LIBRARYVALUE_H

// The value text of a library entry: three parts joined by two spaces, each a
// coordinate label followed by the value with two decimals, for example
// "L52.34  a-1.20  b3.45" or "HunterL52.34  HunterA-1.20  HunterB3.45".

#include "colorConversions.h"

#include <QString>
#include <QStringList>

// The labels of a colour space: "L", "a", "b"; "L", "c", "H"; "X", "Y", "Z";
// "L", "U", "V"; "HunterL", "HunterA", "HunterB"; "R", "G", "B".  Empty for a
// name the colour-space recogniser does not know.
QStringList libraryValueLabels(const QString &colorSpaceName);

// The value text of three coordinates under three labels.
QString libraryValueText(const QStringList &labels, const ColorTriple &values);

struct LibraryValue
{
    QStringList labels; // as found in the text, one per part
    ColorTriple values{{0.0f, 0.0f, 0.0f}};
};

// Splits a value text at its spaces and strips each part's label, whatever
// its length; a part that is missing or not a number reads as 0, and its
// label as empty.
LibraryValue parseLibraryValue(const QString &text);

#endif
