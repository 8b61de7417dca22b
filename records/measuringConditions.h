#ifndef QCM_MEASURINGCONDITIONS_H
#define QCM_MEASURINGCONDITIONS_H

#include <QString>

// The conditions in force for the next measurement; copied into columns 6 to
// 14 of every new item.  Four of them come from the instrument, the rest from
// the user's settings.
struct MeasuringConditions
{
    QString instrumentModel;
    QString illuminationMode;
    QString standardLight;
    QString caliber;
    QString observer;
    QString SCISCE;
    QString colorSpace;
    QString colorDiffFormula;
    QString averageTestTime;
    QString averageTestCount; // kept and saved, never copied into items

    bool operator==(const MeasuringConditions &o) const
    {
        return instrumentModel == o.instrumentModel && illuminationMode == o.illuminationMode &&
               standardLight == o.standardLight && caliber == o.caliber && observer == o.observer &&
               SCISCE == o.SCISCE && colorSpace == o.colorSpace &&
               colorDiffFormula == o.colorDiffFormula && averageTestTime == o.averageTestTime &&
               averageTestCount == o.averageTestCount;
    }
    bool operator!=(const MeasuringConditions &o) const { return !(*this == o); }
};

#endif
