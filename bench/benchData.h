#ifndef QCM_BENCH_BENCHDATA_H
#define QCM_BENCH_BENCHDATA_H

// The made-up measurements the benchmarks feed the program, alike in every
// program so that their times can be set side by side; the conditions are
// the tests' own (conditionColumns()).

#include "../tests/support/conditionColumns.h"
#include "measuringFile.h"

// Every column of a Type or Sample called `name`; `n` varies its values and
// its minute.
inline ItemTexts benchItem(const QString &name, int n)
{
    ItemTexts t;
    t[nameColumn] = name;
    t[value1Column] = QString::number(40 + n % 50 + 0.123, 'g', 6);
    t[value2Column] = QString::number(-5 + n % 11 * 0.71, 'g', 6);
    t[value3Column] = QString::number(12.5 - n % 7 * 1.3, 'g', 6);
    t[timeColumn] = QStringLiteral("2024-03-01 10:%1:30").arg(n % 60, 2, 10, QLatin1Char('0'));
    t[lightSourceColumn] = QStringLiteral("D65");
    t[instrumentModelColumn] = QStringLiteral("PX71");
    t[caliberColumn] = QStringLiteral("8mm");
    t[lightModeColumn] = QStringLiteral("SCI");
    t[colorSpaceColumn] = QStringLiteral("CIE1976L*a*b*");
    t[formulaColumn] = QStringLiteral("ΔE00");
    t[illuminationColumn] = QStringLiteral("8/d");
    t[observerColumn] = QStringLiteral("CIE 10°");
    t[averageTimesColumn] = QStringLiteral("1");
    t[averageCountColumn] = QStringLiteral("1");
    return t;
}

#endif
