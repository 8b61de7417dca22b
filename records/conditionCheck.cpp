#include "conditionCheck.h"

#include "colorVocabulary.h"
#include "itemColumns.h"

#include <QCoreApplication>
#include <QTreeWidgetItem>

namespace conditionCheck {

bool sameLightSource(const QString &one, const QString &other)
{
    // The instrument names "F2", "F11", "F12" (and the rest) for the lights
    // that our settings call "F2(CWF)", "F11(TL84)", "F12(U30)".
    auto systemName = [](const QString &name) {
        const QString mapped = lightSourceFromInstrument(name);
        return mapped.isEmpty() ? name : mapped;
    };
    return one == other || systemName(one) == systemName(other);
}

bool sameColorSpace(const QString &one, const QString &other)
{
    // Our names and the instrument's ("CIE1976LAB" for L*a*b*) are one;
    // any other text is only the same as itself.
    const ColorSpace a = colorSpaceOf(one, SpaceSpellings::ConditionCheck);
    const ColorSpace b = colorSpaceOf(other, SpaceSpellings::ConditionCheck);
    if (a != ColorSpace::None || b != ColorSpace::None)
        return a == b;
    return one == other;
}

Mismatch firstMismatch(const QTreeWidgetItem *type, const MeasuringConditions &current)
{
    if (!sameLightSource(type->text(lightSourceColumn), current.standardLight))
        return lightSourceMismatch;
    if (type->text(caliberColumn) != current.caliber)
        return caliberMismatch;
    if (type->text(lightModeColumn) != current.SCISCE)
        return lightModeMismatch;
    if (!sameColorSpace(type->text(colorSpaceColumn), current.colorSpace))
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
