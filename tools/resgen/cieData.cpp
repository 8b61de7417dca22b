#include "cieData.h"

#include <QtMath>
#include <algorithm>

namespace cie {

namespace {

// CIE 1931 2-degree standard colorimetric observer, colour-matching functions
// x-bar, y-bar, z-bar as published by the CIE (ISO 11664-1 / CIE S 014-1),
// 380 nm to 780 nm at 5 nm intervals.
const ObserverSample kObserver1931[] = {
    {380, 0.001368, 0.000039, 0.006450}, {385, 0.002236, 0.000064, 0.010550},
    {390, 0.004243, 0.000120, 0.020050}, {395, 0.007650, 0.000217, 0.036210},
    {400, 0.014310, 0.000396, 0.067850}, {405, 0.023190, 0.000640, 0.110200},
    {410, 0.043510, 0.001210, 0.207400}, {415, 0.077630, 0.002180, 0.371300},
    {420, 0.134380, 0.004000, 0.645600}, {425, 0.214770, 0.007300, 1.039050},
    {430, 0.283900, 0.011600, 1.385600}, {435, 0.328500, 0.016840, 1.622960},
    {440, 0.348280, 0.023000, 1.747060}, {445, 0.348060, 0.029800, 1.782600},
    {450, 0.336200, 0.038000, 1.772110}, {455, 0.318700, 0.048000, 1.744100},
    {460, 0.290800, 0.060000, 1.669200}, {465, 0.251100, 0.073900, 1.528100},
    {470, 0.195360, 0.090980, 1.287640}, {475, 0.142100, 0.112600, 1.041900},
    {480, 0.095640, 0.139020, 0.812950}, {485, 0.057950, 0.169300, 0.616200},
    {490, 0.032010, 0.208020, 0.465180}, {495, 0.014700, 0.258600, 0.353300},
    {500, 0.004900, 0.323000, 0.272000}, {505, 0.002400, 0.407300, 0.212300},
    {510, 0.009300, 0.503000, 0.158200}, {515, 0.029100, 0.608200, 0.111700},
    {520, 0.063270, 0.710000, 0.078250}, {525, 0.109600, 0.793200, 0.057250},
    {530, 0.165500, 0.862000, 0.042160}, {535, 0.225750, 0.914850, 0.029840},
    {540, 0.290400, 0.954000, 0.020300}, {545, 0.359700, 0.980300, 0.013400},
    {550, 0.433450, 0.994950, 0.008750}, {555, 0.512050, 1.000000, 0.005750},
    {560, 0.594500, 0.995000, 0.003900}, {565, 0.678400, 0.978600, 0.002750},
    {570, 0.762100, 0.952000, 0.002100}, {575, 0.842500, 0.915400, 0.001800},
    {580, 0.916300, 0.870000, 0.001650}, {585, 0.978600, 0.816300, 0.001400},
    {590, 1.026300, 0.757000, 0.001100}, {595, 1.056700, 0.694900, 0.001000},
    {600, 1.062200, 0.631000, 0.000800}, {605, 1.045600, 0.566800, 0.000600},
    {610, 1.002600, 0.503000, 0.000340}, {615, 0.938400, 0.441200, 0.000240},
    {620, 0.854450, 0.381000, 0.000190}, {625, 0.751400, 0.321000, 0.000100},
    {630, 0.642400, 0.265000, 0.000050}, {635, 0.541900, 0.217000, 0.000030},
    {640, 0.447900, 0.175000, 0.000020}, {645, 0.360800, 0.138200, 0.000010},
    {650, 0.283500, 0.107000, 0.000000}, {655, 0.218700, 0.081600, 0.000000},
    {660, 0.164900, 0.061000, 0.000000}, {665, 0.121200, 0.044580, 0.000000},
    {670, 0.087400, 0.032000, 0.000000}, {675, 0.063600, 0.023200, 0.000000},
    {680, 0.046770, 0.017000, 0.000000}, {685, 0.032900, 0.011920, 0.000000},
    {690, 0.022700, 0.008210, 0.000000}, {695, 0.015840, 0.005723, 0.000000},
    {700, 0.011359, 0.004102, 0.000000}, {705, 0.008111, 0.002929, 0.000000},
    {710, 0.005790, 0.002091, 0.000000}, {715, 0.004109, 0.001484, 0.000000},
    {720, 0.002899, 0.001047, 0.000000}, {725, 0.002049, 0.000740, 0.000000},
    {730, 0.001440, 0.000520, 0.000000}, {735, 0.001000, 0.000361, 0.000000},
    {740, 0.000690, 0.000249, 0.000000}, {745, 0.000476, 0.000172, 0.000000},
    {750, 0.000332, 0.000120, 0.000000}, {755, 0.000235, 0.000085, 0.000000},
    {760, 0.000166, 0.000060, 0.000000}, {765, 0.000117, 0.000042, 0.000000},
    {770, 0.000083, 0.000030, 0.000000}, {775, 0.000059, 0.000021, 0.000000},
    {780, 0.000042, 0.000015, 0.000000},
};

// D65 reference white, 2-degree observer, Y = 1.
constexpr double kWhiteX = 0.95047;
constexpr double kWhiteY = 1.0;
constexpr double kWhiteZ = 1.08883;

double labInverse(double t)
{
    const double delta = 6.0 / 29.0;
    return t > delta ? t * t * t : 3.0 * delta * delta * (t - 4.0 / 29.0);
}

double compand(double linear)
{
    if (linear <= 0.0031308)
        return 12.92 * linear;
    return 1.055 * std::pow(linear, 1.0 / 2.4) - 0.055;
}

int toByte(double v)
{
    return qBound(0, int(std::lround(v * 255.0)), 255);
}

void linearSrgb(const Tristimulus &t, double rgb[3])
{
    rgb[0] = 3.2404542 * t.X - 1.5371385 * t.Y - 0.4985314 * t.Z;
    rgb[1] = -0.9692660 * t.X + 1.8760108 * t.Y + 0.0415560 * t.Z;
    rgb[2] = 0.0556434 * t.X - 0.2040259 * t.Y + 1.0572252 * t.Z;
}

} // namespace

const QVector<ObserverSample> &standardObserver1931()
{
    static const QVector<ObserverSample> table(std::begin(kObserver1931), std::end(kObserver1931));
    return table;
}

QPointF xyFromXyz(const Tristimulus &t)
{
    const double sum = t.X + t.Y + t.Z;
    if (sum <= 0.0)
        return QPointF(0.0, 0.0);
    return QPointF(t.X / sum, t.Y / sum);
}

QPointF uvFromXyz(const Tristimulus &t)
{
    const double d = t.X + 15.0 * t.Y + 3.0 * t.Z;
    if (d <= 0.0)
        return QPointF(0.0, 0.0);
    return QPointF(4.0 * t.X / d, 9.0 * t.Y / d);
}

QPointF xyFromUv(const QPointF &uv)
{
    const double d = 6.0 * uv.x() - 16.0 * uv.y() + 12.0;
    if (qFuzzyIsNull(d))
        return QPointF(0.0, 0.0);
    return QPointF(9.0 * uv.x() / d, 4.0 * uv.y() / d);
}

QVector<QPointF> spectralLocusXy()
{
    QVector<QPointF> out;
    for (const ObserverSample &s : standardObserver1931())
        out.append(xyFromXyz({s.xBar, s.yBar, s.zBar}));
    return out;
}

QVector<QPointF> spectralLocusUv()
{
    QVector<QPointF> out;
    for (const ObserverSample &s : standardObserver1931())
        out.append(uvFromXyz({s.xBar, s.yBar, s.zBar}));
    return out;
}

Tristimulus labToXyz(double L, double a, double b)
{
    const double fy = (L + 16.0) / 116.0;
    const double fx = fy + a / 500.0;
    const double fz = fy - b / 200.0;
    return {kWhiteX * labInverse(fx), kWhiteY * labInverse(fy), kWhiteZ * labInverse(fz)};
}

QRgb xyzToSrgb(const Tristimulus &t)
{
    double rgb[3];
    linearSrgb(t, rgb);
    return qRgb(toByte(compand(qBound(0.0, rgb[0], 1.0))),
                toByte(compand(qBound(0.0, rgb[1], 1.0))),
                toByte(compand(qBound(0.0, rgb[2], 1.0))));
}

QRgb labToSrgbChromaClipped(double L, double a, double b)
{
    const auto inGamut = [L](double a1, double b1) {
        double rgb[3];
        linearSrgb(labToXyz(L, a1, b1), rgb);
        const double eps = 1e-9;
        return rgb[0] >= -eps && rgb[1] >= -eps && rgb[2] >= -eps && rgb[0] <= 1 + eps &&
               rgb[1] <= 1 + eps && rgb[2] <= 1 + eps;
    };
    if (inGamut(a, b))
        return xyzToSrgb(labToXyz(L, a, b));
    double lo = 0.0;
    double hi = 1.0;
    for (int i = 0; i < 30; ++i) {
        const double mid = (lo + hi) / 2.0;
        if (inGamut(a * mid, b * mid))
            lo = mid;
        else
            hi = mid;
    }
    return xyzToSrgb(labToXyz(L, a * lo, b * lo));
}

QRgb displayColourForXy(const QPointF &xy)
{
    if (xy.y() <= 1e-6)
        return qRgb(0, 0, 0);
    const Tristimulus t{xy.x() / xy.y(), 1.0, (1.0 - xy.x() - xy.y()) / xy.y()};
    double rgb[3];
    linearSrgb(t, rgb);
    // Desaturate out-of-gamut chromaticities by adding white, then take the
    // brightest colour of that mix.
    const double lowest = std::min({rgb[0], rgb[1], rgb[2]});
    if (lowest < 0.0) {
        for (double &c : rgb)
            c -= lowest;
    }
    const double highest = std::max({rgb[0], rgb[1], rgb[2]});
    if (highest <= 0.0)
        return qRgb(0, 0, 0);
    for (double &c : rgb)
        c /= highest;
    return qRgb(toByte(compand(rgb[0])), toByte(compand(rgb[1])), toByte(compand(rgb[2])));
}

} // namespace cie
