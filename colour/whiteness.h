#ifndef WHITENESS_H
#define WHITENESS_H

// Whiteness and yellowness indices of one reading.

// The four indices, in the order they are shown.
struct WhitenessIndices
{
    float yellowness; // YI
    float hunter;     // Hunter whiteness
    float ganz;       // whiteness of the CIE form, with its validity limits
    float blue;       // blue whiteness
};

// From X, Y, Z (reference white 94.81, 100, 107.32) and the Hunter L, a, b of
// the same XYZ. A black reading (Y = 0 or below) gives NaN for all four: no
// index describes it.
WhitenessIndices whitenessIndices(float X, float Y, float Z, float HL, float Ha, float Hb);
// The same from an L*a*b* reading, through labToXyz and xyzToHunterLab.
WhitenessIndices whitenessFromLab(float L, float a, float b);

#endif // WHITENESS_H
