#ifndef QCM_CONDITIONCHECK_H
#define QCM_CONDITIONCHECK_H

#include "measuringConditions.h"

#include <QStringList>

class QTreeWidgetItem;

// A Sample is comparable with its Type only when both were measured under the
// same conditions.  The seven conditions are checked in a fixed order; the
// first that differs names the refusal.
namespace conditionCheck {

enum Mismatch
{
    noMismatch = -1,
    lightSourceMismatch = 0,
    caliberMismatch,
    lightModeMismatch,
    colorSpaceMismatch,
    illuminationMismatch,
    observerMismatch,
    averageMismatch,
};

// The same light, whether named by the instrument ("F11") or by us
// ("F11(TL84)").
bool sameLightSource(const QString &one, const QString &other);
// The same colour space, named by us or by the instrument (the
// ConditionCheck spellings: "CIE1976LAB" and "CIE1976L*a*b*" are one).
bool sameColorSpace(const QString &one, const QString &other);

// The first condition of `type`'s columns that differs from `current`.
Mismatch firstMismatch(const QTreeWidgetItem *type, const MeasuringConditions &current);

// The conditions an item was measured under, read from its columns.
MeasuringConditions conditionsOf(const QTreeWidgetItem *item);

// The translated refusal message of a mismatch.
QString message(Mismatch mismatch);

// The nine condition strings handed to the serial link, in its order:
// light source, model, caliber, light mode, colour space, formula,
// illumination, observer, readings per average.
QStringList linkStrings(const MeasuringConditions &conditions);

} // namespace conditionCheck

#endif
