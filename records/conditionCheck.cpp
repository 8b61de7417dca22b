#include "conditionCheck.h"

#include "itemColumns.h"

#include <QCoreApplication>
#include <QTreeWidgetItem>

namespace conditionCheck {

Mismatch firstMismatch(const QTreeWidgetItem *type, const MeasuringConditions &current)
{
    if (type->text(lightSourceColumn) != current.standardLight)
        return lightSourceMismatch;
    if (type->text(caliberColumn) != current.caliber)
        return caliberMismatch;
    if (type->text(lightModeColumn) != current.SCISCE)
        return lightModeMismatch;
    // The instrument's own name for L*a*b* equals ours.
    const QString typeSpace = type->text(colorSpaceColumn);
    const bool sameSpace =
        typeSpace == current.colorSpace || (typeSpace == QLatin1String("CIE1976LAB") &&
                                            current.colorSpace == QLatin1String("CIE1976L*a*b*"));
    if (!sameSpace)
        return colorSpaceMismatch;
    if (type->text(illuminationColumn) != current.illuminationMode)
        return illuminationMismatch;
    if (type->text(observerColumn) != current.observer)
        return observerMismatch;
    if (type->text(averageTimesColumn) != current.averageTestTime)
        return averageMismatch;
    return noMismatch;
}

MeasuringConditions conditionsOf(const QTreeWidgetItem *item)
{
    MeasuringConditions c;
    c.standardLight = item->text(lightSourceColumn);
    c.instrumentModel = item->text(instrumentModelColumn);
    c.caliber = item->text(caliberColumn);
    c.SCISCE = item->text(lightModeColumn);
    c.colorSpace = item->text(colorSpaceColumn);
    c.colorDiffFormula = item->text(formulaColumn);
    c.illuminationMode = item->text(illuminationColumn);
    c.observer = item->text(observerColumn);
    c.averageTestTime = item->text(averageTimesColumn);
    return c;
}

QString message(Mismatch mismatch)
{
    static const char *const messages[] = {
        QT_TRANSLATE_NOOP("conditionCheck",
                          "Please change in measurement setup if light sources don’t \n"
                          "agree with Type!"),
        QT_TRANSLATE_NOOP("conditionCheck",
                          "Please use caliber consistent with standard instrument if caliber \n"
                          "don’t agree with Type measuring conditions!"),
        QT_TRANSLATE_NOOP("conditionCheck",
                          "Please change in measurement setup if containing light mode \n"
                          "is not consistent with Type measurement conditions!"),
        QT_TRANSLATE_NOOP("conditionCheck",
                          "Please change in measurement setup if color splace is not \n"
                          "consistent with Type measurement conditions!"),
        QT_TRANSLATE_NOOP("conditionCheck",
                          "Please use illumination consistent instrument if illumination \n"
                          "don’t agree with Type measuring conditions!"),
        QT_TRANSLATE_NOOP("conditionCheck",
                          "Please use observer consistent with instrument if observer \n"
                          "don’t agree with Type!"),
        QT_TRANSLATE_NOOP("conditionCheck",
                          "Please change in measurement setup if average measurement settings \n"
                          "are not consistent with Type measurement conditions!"),
    };
    if (mismatch < lightSourceMismatch || mismatch > averageMismatch)
        return QString();
    return QCoreApplication::translate("conditionCheck", messages[mismatch]);
}

QStringList linkStrings(const MeasuringConditions &c)
{
    return {c.standardLight,    c.instrumentModel,  c.caliber,  c.SCISCE,         c.colorSpace,
            c.colorDiffFormula, c.illuminationMode, c.observer, c.averageTestTime};
}

} // namespace conditionCheck
