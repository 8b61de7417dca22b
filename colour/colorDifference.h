#ifndef COLORDIFFERENCE_H
#define COLORDIFFERENCE_H

// Colour-difference formulas. Every formula takes the Type (the standard) as
// its first triple and the Sample as its second; differences are Sample minus
// Type. A difference that cannot be evaluated (FMC-II for a black Type, or
// NaN coordinates) is NaN, never a number that could pass a tolerance.

#include "colorConversions.h"
#include "colorVocabulary.h"

#include <QString>

// The colour difference by formula name, with the coordinates read in the
// named colour space. Only "CIEXYZ" makes the weighted formulas and the
// CIELAB-type Euclidean names convert the triples to L*a*b* first; "ΔEsRGB"
// always takes the triples as they are; an unknown formula name is the
// Euclidean distance.
float colorDifference(const ColorTriple &type, const ColorTriple &sample,
                      const QString &colorSpaceName, const QString &formulaName);
// The same after the names have been recognised.
float colorDifference(const ColorTriple &type, const ColorTriple &sample, ColorSpace space,
                      ColorFormula formula);

// Euclidean distance, the squares summed in single precision.
float deltaEEuclidean(const ColorTriple &type, const ColorTriple &sample);
// CIEDE2000 with kL = kC = kH = 1.
float deltaE2000(float L1, float a1, float b1, float L2, float a2, float b2);
// CMC with l:c = 2:1. A negative radicand of the hue difference (rounding)
// counts as 0.
float deltaECmc(float L1, float a1, float b1, float L2, float a2, float b2);
// The ISO-named weighted formula; not symmetric in its two colours.
float deltaEIso(float L1, float a1, float b1, float L2, float a2, float b2);
// CIE94 with kL = 2, weighted by the geometric mean of the two chromas. A
// negative radicand of the hue difference counts as 0.
float deltaECie94(float L1, float a1, float b1, float L2, float a2, float b2);
// FMC-II; NaN when the Type is black (Y <= 0: no chromaticity to measure against).
float deltaEFmc2(float L1, float a1, float b1, float L2, float a2, float b2);

#endif // COLORDIFFERENCE_H
