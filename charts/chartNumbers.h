#ifndef QCM_CHARTNUMBERS_H
#define QCM_CHARTNUMBERS_H

#include <QString>

#include <cmath>

// Helpers shared by the chart drawings.  Coordinates and differences can be
// NaN or infinite (a damaged file, FMC-II against a black Type): such a value
// is printed as "--" and never reaches a pixel position or an int.

// `value` with `decimals` decimals, "--" when it is not finite.
inline QString chartNumber(double value, int decimals)
{
    if (!std::isfinite(value))
        return QStringLiteral("--");
    return QString::number(value, 'f', decimals);
}

// Whether every value is finite.
template <typename... T> bool allFinite(T... values)
{
    return (std::isfinite(double(values)) && ...);
}

// Pixel coordinates beyond this distance are pulled in before drawing: far
// outside any device, and still small enough for the rasteriser.
inline constexpr double kFarPixel = 1.0e6;

inline double clampPixel(double value)
{
    return value < -kFarPixel ? -kFarPixel : (value > kFarPixel ? kFarPixel : value);
}

#endif
