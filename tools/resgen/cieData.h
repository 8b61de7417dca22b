#ifndef QCM_RESGEN_CIEDATA_H
#define QCM_RESGEN_CIEDATA_H

#include <QPointF>
#include <QRgb>
#include <QVector>

// Colorimetric helpers for the generated charts. Double precision on purpose:
// these only paint pictures and never meet the program's measured values.
namespace cie {

struct Tristimulus
{
    double X;
    double Y;
    double Z;
};

struct ObserverSample
{
    int nanometres;
    double xBar;
    double yBar;
    double zBar;
};

// CIE 1931 2-degree standard observer, 380 to 780 nm in 5 nm steps.
const QVector<ObserverSample> &standardObserver1931();

// Spectral locus, one point per table row, in CIE 1931 xy and CIE 1976 u'v'.
QVector<QPointF> spectralLocusXy();
QVector<QPointF> spectralLocusUv();

QPointF xyFromXyz(const Tristimulus &t);
QPointF uvFromXyz(const Tristimulus &t);
QPointF xyFromUv(const QPointF &uv);

// CIE L*a*b* (D65 white) to XYZ with Y of the white = 1.
Tristimulus labToXyz(double L, double a, double b);

// XYZ (Y of white = 1) to 8-bit sRGB: linear matrix, companding, clamping.
QRgb xyzToSrgb(const Tristimulus &t);

// L*a*b* to 8-bit sRGB keeping lightness and hue: a colour outside the sRGB
// gamut is brought to the gamut boundary by lowering its chroma, which avoids
// the hue shifts and hard edges of clamping each channel on its own.
QRgb labToSrgbChromaClipped(double L, double a, double b);

// A display colour for a chromaticity: the brightest in-gamut colour of that
// hue, with out-of-gamut chromaticities pulled towards white.
QRgb displayColourForXy(const QPointF &xy);

} // namespace cie

#endif
