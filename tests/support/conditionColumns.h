#ifndef QCM_TESTS_CONDITIONCOLUMNS_H
#define QCM_TESTS_CONDITIONCOLUMNS_H

// The measuring conditions a made-up Type or Sample is added to the tree
// with: its columns from the time on, after the name and the three values.
// Only the colour space and the formula change the charts and the checks the
// tests look at, so only they can be chosen.

#include <QString>
#include <QStringList>

inline QStringList conditionColumns(const QString &colorSpace = QStringLiteral("CIE1976L*a*b*"),
                                    const QString &formula = QStringLiteral("ΔE00"))
{
    return {"2026-12-09 08:00:00",
            "D65",
            "PX71",
            "8mm",
            "SCI",
            colorSpace,
            formula,
            "8/d",
            "CIE 10°",
            "1",
            "1"};
}

#endif
