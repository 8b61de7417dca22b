#ifndef QCM_WHITEPOINTS_H
#define QCM_WHITEPOINTS_H

// The whites of the standard illuminants for the two CIE standard observers,
// XYZ with Y = 100 (the tristimulus values of the 5 nm tables in common use).
// The program's own conversions keep their one reference white; these serve
// the exchange of colours with other programs, which state the illuminant and
// observer their XYZ belong to.

#include "colorConversions.h"

#include <QString>

// A white of XYZ on the scale where its Y is 100.
struct WhitePoint
{
    float X;
    float Y;
    float Z;
};
inline constexpr WhitePoint kReferenceWhite{kWhiteX, kWhiteY, kWhiteZ};

// labToXyz and xyzToLab with another white than the reference white:
// colours exchanged with other programs are stated under the white of their
// illuminant and observer.  With kReferenceWhite they give what the plain
// conversions give.
ColorTriple labToXyz(float L, float a, float b, const WhitePoint &white);
ColorTriple xyzToLab(float X, float Y, float Z, const WhitePoint &white);

// L*a*b* back from the three coordinates of a recognised colour space, for
// items whose coordinates were stored in another space: XYZ and L*u*v* under
// the reference white, L*C*h (the hue as stored, in whole degrees, so the
// result is as exact as that hue), Hunter Lab.  "sRGB" numbers are truncated
// whole numbers and give no L*a*b*: false, as for an unrecognised space.
bool labFromSpace(const ColorTriple &values, ColorSpace space, ColorTriple *lab);

// 2 for the CIE 1931 observer, 10 for the CIE 1964 observer; 0 when the text
// names neither.  Reads "CIE 10°", "10", "10 degree", "2°", "2 deg" and alike.
int observerDegrees(const QString &text);
// The white of an illuminant ("A", "C", "D50", "D55", "D65", "D75", "F2",
// "F7", "F11", "F12", also the system names "F2(CWF)", "F11(TL84)",
// "F12(U30)"; letters in any case) for a 2 or 10 degree observer.  False for
// another illuminant or observer.
bool illuminantWhite(const QString &illuminant, int observerDegrees, WhitePoint *white);
// The CIE name of a system light-source name: "F2(CWF)" gives "F2"; a name
// without a bracket is given as it is.
QString cieIlluminantName(const QString &lightSource);

#endif
