#ifndef QCM_TESTS_LABCONDITIONS_H
#define QCM_TESTS_LABCONDITIONS_H

// The conditions in force for the next measurement of most tests: CIELAB
// with the plain Lab difference, one reading a measurement.

#include "measuringConditions.h"

inline MeasuringConditions labConditions()
{
    MeasuringConditions c;
    c.instrumentModel = "PX71";
    c.illuminationMode = "8/d";
    c.standardLight = "D65";
    c.caliber = "8mm";
    c.observer = "CIE 10°";
    c.SCISCE = "SCI";
    c.colorSpace = "CIE1976L*a*b*";
    c.colorDiffFormula = "ΔELab";
    c.averageTestTime = "1";
    return c;
}

#endif
