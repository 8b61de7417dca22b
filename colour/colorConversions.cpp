#include "colorConversions.h"
#include "whitePoints.h"

#include <cmath>
#include <limits>

namespace {

// Constants of the CIELAB function pair, written out as the conversions use
// them.
constexpr double k6_29 = 0.20689655172413793;     // 6/29
constexpr double k841_108 = 7.787037037037037;    // 841/108
constexpr double k4_29 = 0.13793103448275862;     // 4/29
constexpr double k3x6_29sq = 0.12841854934601665; // 3*(6/29)^2

// (6/29)^3, formed at run time as the cube of 6/29 (not the rounded 216/24389).
const double kEpsilon = k6_29 * k6_29 * k6_29;

// The second white of the display colour, single precision widened.
constexpr double kDisplayWhiteX = 96.4220962524414;
constexpr double kDisplayWhiteZ = 82.52110290527344;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

inline double cube(double v)
{
    return v * v * v;
}

// The inverse CIELAB function, scaled by the white's component.
inline float finv(float f, double white)
{
    if (f > k6_29)
        return static_cast<float>(white * cube(f));
    return static_cast<float>(white * (f - k4_29) * k3x6_29sq);
}

// The gamma companding shared by the "sRGB" numbers and the display colour.
// A negative or zero channel has no power value and stays on the linear branch.
inline float compand(float c)
{
    if (c > 0) {
        const double e = 1.055 * std::pow(static_cast<double>(c), 0.4166666666666667) - 0.055;
        if (e > 0.04045)
            return static_cast<float>(e);
    }
    return static_cast<float>(12.92 * c);
}

// 255*c truncated toward zero, kept in float form. Truncating with std::trunc
// never converts to an integer type, so no input can be undefined here; the
// saturation only keeps the numbers convertible to int for callers.
inline float rgbChannel(float c)
{
    if (std::isnan(c))
        return kNaN;
    const double v = std::trunc(255.0 * c);
    if (v >= static_cast<double>(kRgbChannelMax))
        return kRgbChannelMax;
    if (v <= static_cast<double>(kRgbChannelMin))
        return kRgbChannelMin;
    return static_cast<float>(v);
}

// 255*c truncated and clamped to 0..255; NaN counts as 0.
inline int displayChannel(float c)
{
    const double v = 255.0 * c;
    if (!(v > 0)) // also NaN
        return 0;
    if (v >= 255)
        return 255;
    return static_cast<int>(v);
}

} // namespace

double hueAngle(double a, double b)
{
    if (a == 0 && b == 0)
        return 0;
    double h = std::atan2(b, a) * 180 / kPi;
    if (h < 0)
        h += 360;
    // A tiny negative angle rounds up to 360 exactly; it is the same direction as 0.
    if (h >= 360)
        h -= 360;
    return h;
}

ColorTriple labToXyz(float L, float a, float b)
{
    return labToXyz(L, a, b, kReferenceWhite);
}

ColorTriple labToXyz(float L, float a, float b, const WhitePoint &white)
{
    const float fy = static_cast<float>((static_cast<double>(L) + 16) / 116);
    const float fx = static_cast<float>(static_cast<double>(a) / 500 + fy);
    const float fz = static_cast<float>(fy - static_cast<double>(b) / 200);

    const float X = finv(fx, white.X);
    const float Y =
        (fy > k6_29 || L > 8)
            ? static_cast<float>(static_cast<double>(white.Y) * cube(fy))
            : static_cast<float>(static_cast<double>(white.Y) * (fy - k4_29) * k3x6_29sq);
    const float Z = finv(fz, white.Z);
    return {X, Y, Z};
}

ColorTriple xyzToLab(float X, float Y, float Z)
{
    return xyzToLab(X, Y, Z, kReferenceWhite);
}

ColorTriple xyzToLab(float X, float Y, float Z, const WhitePoint &white)
{
    const float xr = X / white.X;
    const float yr = Y / white.Y;
    const float zr = Z / white.Z;

    auto f = [](float ratio, float v, float w) {
        if (ratio > kEpsilon)
            return static_cast<float>(std::pow(static_cast<double>(ratio), 1.0 / 3.0));
        return static_cast<float>(static_cast<double>(v) * k841_108 / w + k4_29);
    };
    const float fx = f(xr, X, white.X);
    const float fy = f(yr, Y, white.Y);
    const float fz = f(zr, Z, white.Z);

    const float Ls = 116.0f * fy - 16.0f;
    const float as = 500.0f * (fx - fy);
    const float bs = 200.0f * (fy - fz);
    return {Ls, as, bs};
}

ColorTriple labToLch(float L, float a, float b)
{
    const float sum = a * a + b * b;
    const float C = static_cast<float>(std::sqrt(static_cast<double>(sum)));

    const double ad = a;
    const double bd = b;
    double h;
    if (std::isnan(a) || std::isnan(b))
        h = std::numeric_limits<double>::quiet_NaN();
    else if (a > 0 && b > 0)
        h = std::atan(bd / ad) * 180 / kPi;
    else if (a < 0 && b != 0)
        h = std::atan(bd / ad) * 180 / kPi + 180;
    else if (a > 0 && b < 0)
        h = std::atan(bd / ad) * 180 / kPi + 360;
    else if (a == 0 && b > 0)
        h = 90;
    else if (a == 0 && b < 0)
        h = 270;
    else if (a < 0) // b == 0
        h = 180;
    else // a > 0 with b == 0, or a neutral colour
        h = 0;

    // Whole degrees by truncation toward zero, kept as a float; std::trunc
    // never goes through an integer type. A hue that rounding lifts to 360 is 0.
    h = std::trunc(h);
    if (h >= 360)
        h -= 360;
    return {L, C, static_cast<float>(h)};
}

ColorTriple xyzToLuv(float X, float Y, float Z)
{
    const float y = Y / kWhiteY;
    const double fy = y > kEpsilon ? std::pow(static_cast<double>(y), 1.0 / 3.0)
                                   : static_cast<double>(Y) * k841_108 / 100 + k4_29;
    const float Ls = static_cast<float>(116 * fy - 16);

    const float d = 15.0f * Y + X + 3.0f * Z;
    if (d == 0) // a perfectly black reading has no chromaticity
        return {Ls, 0.0f, 0.0f};
    // The chromaticities of the reference white 94.81, 100, 107.32.
    const float un = 0.19785367f;
    const float vn = 0.4695399f;
    const float u = (4.0f * X / d - un) * (13.0f * Ls);
    const float v = (9.0f * Y / d - vn) * (13.0f * Ls);
    return {Ls, u, v};
}

ColorTriple xyzToHunterLab(float X, float Y, float Z)
{
    // The classical Hunter constants, independent of the reference white.
    if (Y <= 0)
        return {0.0f, 0.0f, 0.0f};
    const double s = std::pow(static_cast<double>(Y), 0.5);
    const double L = 10 * s;
    const double a = 17.5 * (1.02 * X - Y) / s;
    const double b = 7.0 * (Y - 0.847 * Z) / s;
    return {static_cast<float>(L), static_cast<float>(a), static_cast<float>(b)};
}

ColorTriple xyzToRgb(float X, float Y, float Z)
{
    // Scale to a D50 white.
    const float x = static_cast<float>(static_cast<double>(X) * 0.964221 / kWhiteX);
    const float y = Y / 100.0f;
    const float z = static_cast<float>(static_cast<double>(Z) * 0.825211 / kWhiteZ);

    const float R =
        static_cast<float>(3.13405134140307 * x - 1.61702771078607 * y - 0.49065220978742 * z);
    const float G =
        static_cast<float>(-0.97876272987415 * x + 1.91614222843468 * y + 0.03344962851486 * z);
    const float B =
        static_cast<float>(0.07194257711719 * x - 0.22897117960925 * y + 1.40521830532745 * z);

    return {rgbChannel(compand(R)), rgbChannel(compand(G)), rgbChannel(compand(B))};
}

QString labToColorName(float L, float a, float b)
{
    const float fy = (L + 16.0f) / 116.0f;
    const float fx = a / 500.0f + fy;
    const float fz = fy - b / 200.0f;

    // XYZ on the scale where Y of the white is 1.
    const float X =
        static_cast<float>(fx > k6_29 ? cube(fx) * kDisplayWhiteX / 100
                                      : (fx - k4_29) * kDisplayWhiteX * k3x6_29sq / 100);
    const float Y = static_cast<float>(fy > k6_29 ? cube(fy) : (fy - k4_29) * k3x6_29sq);
    const float Z =
        static_cast<float>(fz > k6_29 ? cube(fz) * kDisplayWhiteZ / 100
                                      : (fz - k4_29) * kDisplayWhiteZ * k3x6_29sq / 100);

    float R = static_cast<float>(2.36461 * X - 0.89654 * Y - 0.46807 * Z);
    float G = static_cast<float>(-0.51517 * X + 1.42641 * Y + 0.08876 * Z);
    float B = static_cast<float>(0.0052 * X - 0.01441 * Y + 1.0092 * Z);
    if (R < 0)
        R = 0;
    if (G < 0)
        G = 0;
    if (B < 0)
        B = 0;

    static const char digits[] = "0123456789abcdef";
    const int channels[3] = {displayChannel(compand(R)), displayChannel(compand(G)),
                             displayChannel(compand(B))};
    QChar name[7];
    name[0] = QLatin1Char('#');
    for (int i = 0; i < 3; ++i) {
        name[1 + 2 * i] = QLatin1Char(digits[channels[i] >> 4]);
        name[2 + 2 * i] = QLatin1Char(digits[channels[i] & 0xf]);
    }
    return QString(name, 7);
}

ColorTriple colorSpaceTriple(float L, float a, float b, ColorSpace space)
{
    switch (space) {
    case ColorSpace::Lab:
    case ColorSpace::None:
        break;
    case ColorSpace::Lch:
        return labToLch(L, a, b);
    case ColorSpace::Xyz:
        return labToXyz(L, a, b);
    case ColorSpace::Luv: {
        const ColorTriple xyz = labToXyz(L, a, b);
        return xyzToLuv(xyz[0], xyz[1], xyz[2]);
    }
    case ColorSpace::Hunter: {
        const ColorTriple xyz = labToXyz(L, a, b);
        return xyzToHunterLab(xyz[0], xyz[1], xyz[2]);
    }
    case ColorSpace::Srgb: {
        const ColorTriple xyz = labToXyz(L, a, b);
        return xyzToRgb(xyz[0], xyz[1], xyz[2]);
    }
    }
    return {L, a, b};
}

QList<float> colorSpaceValues(float L, float a, float b, const QString &colorSpaceName)
{
    const ColorSpace space = colorSpaceIndex(colorSpaceName);
    if (space == ColorSpace::None)
        return QList<float>();
    const ColorTriple t = colorSpaceTriple(L, a, b, space);
    return QList<float>{t[0], t[1], t[2]};
}

bool labFromSpace(const ColorTriple &v, ColorSpace space, ColorTriple *lab)
{
    switch (space) {
    case ColorSpace::Lab:
        *lab = v;
        return true;
    case ColorSpace::Lch: {
        const double h = static_cast<double>(v[2]) * kPi / 180;
        *lab = {v[0], static_cast<float>(v[1] * std::cos(h)),
                static_cast<float>(v[1] * std::sin(h))};
        return true;
    }
    case ColorSpace::Xyz:
        *lab = xyzToLab(v[0], v[1], v[2]);
        return true;
    case ColorSpace::Luv: {
        // Y from L* as labToXyz forms it; u' and v' from u* and v* around the
        // chromaticities of the reference white that xyzToLuv uses.
        const ColorTriple grey = labToXyz(v[0], 0, 0);
        const double Y = grey[1];
        const double L13 = 13.0 * static_cast<double>(v[0]);
        if (!(L13 != 0) || !(Y > 0)) {
            *lab = {v[0], 0, 0};
            return true;
        }
        const double u = v[1] / L13 + 0.1978536695241928;
        const double w = v[2] / L13 + 0.46953991055488586;
        if (w == 0) {
            *lab = {v[0], 0, 0};
            return true;
        }
        const double X = Y * 9 * u / (4 * w);
        const double Z = Y * (12 - 3 * u - 20 * w) / (4 * w);
        *lab = xyzToLab(static_cast<float>(X), static_cast<float>(Y), static_cast<float>(Z));
        return true;
    }
    case ColorSpace::Hunter: {
        const double s = static_cast<double>(v[0]) / 10;
        const double Y = s * s;
        if (!(s > 0)) {
            *lab = {0, 0, 0};
            return true;
        }
        const double X = (static_cast<double>(v[1]) * s / 17.5 + Y) / 1.02;
        const double Z = (Y - static_cast<double>(v[2]) * s / 7.0) / 0.847;
        *lab = xyzToLab(static_cast<float>(X), static_cast<float>(Y), static_cast<float>(Z));
        return true;
    }
    case ColorSpace::Srgb:
    case ColorSpace::None:
        break;
    }
    return false;
}
