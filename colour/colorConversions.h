#ifndef COLORCONVERSIONS_H
#define COLORCONVERSIONS_H

// Colour-space conversions of single-precision CIE L*a*b* readings.
//
// Every conversion between L*a*b* and XYZ (and the L*u*v* white point) uses one
// fixed reference white, whatever light source is chosen: Xn = 94.81,
// Yn = 100, Zn = 107.32 as single-precision constants. XYZ is on the scale
// where Yn = 100. Formulas are evaluated in double precision unless a step is
// deliberately single precision; every result is stored as a float. The
// precision of each step is part of the result: stored files and printed
// reports show these numbers, so keep the steps as they are.

#include "colorVocabulary.h"

#include <QList>
#include <QString>

#include <array>

// Three coordinates of one colour, in the order of the value columns.
using ColorTriple = std::array<float, 3>;

inline constexpr float kWhiteX = 94.81f;
inline constexpr float kWhiteY = 100.0f;
inline constexpr float kWhiteZ = 107.32f;
// pi as every angle conversion of this program uses it.
inline constexpr double kPi = 3.1415926;

// The three coordinates of a reading in the named colour space, or an empty
// list when colorSpaceIndex does not know the name.
QList<float> colorSpaceValues(float L, float a, float b, const QString &colorSpaceName);
// The same for a recognised space; ColorSpace::None gives (L, a, b).
ColorTriple colorSpaceTriple(float L, float a, float b, ColorSpace space);

ColorTriple labToXyz(float L, float a, float b);
ColorTriple xyzToLab(float X, float Y, float Z);
// L*, C*ab and the hue truncated to whole degrees (0 <= h < 360).
// Hues on the axes: a* = 0 gives 90 (b* > 0) or 270 (b* < 0); b* = 0 gives
// 0 (a* > 0) or 180 (a* < 0); a neutral colour gives 0. NaN input gives NaN.
ColorTriple labToLch(float L, float a, float b);
// A perfectly black XYZ (15Y + X + 3Z = 0) has u* = v* = 0, the limit of the
// formula as the colour darkens, rather than a division by zero.
ColorTriple xyzToLuv(float X, float Y, float Z);
// Y <= 0 gives (0, 0, 0), again the limit of the formula, instead of
// dividing by zero or taking the root of a negative number.
ColorTriple xyzToHunterLab(float X, float Y, float Z);
// R, G, B as whole numbers in float form, not clamped to 0..255 (out-of-gamut
// colours show numbers outside that range). A NaN channel stays NaN; a
// channel beyond the range of a 32-bit int (also +-infinity) saturates at
// kRgbChannelMin or kRgbChannelMax, so that any later conversion to int is
// defined.
ColorTriple xyzToRgb(float X, float Y, float Z);
inline constexpr float kRgbChannelMin = -2147483648.0f; // -2^31
inline constexpr float kRgbChannelMax = 2147483520.0f;  // largest float below 2^31

// The display colour of a reading: "#" and six lower-case hexadecimal digits.
// Channels are clamped to 0..255; a NaN channel counts as 0.
QString labToColorName(float L, float a, float b);

// Hue angle of (a, b) in degrees, 0 <= h < 360, 0 for a = b = 0, with the
// program's value of pi. Used by the weighted colour-difference formulas.
double hueAngle(double a, double b);

#endif // COLORCONVERSIONS_H
