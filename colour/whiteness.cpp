#include "whiteness.h"

#include "colorConversions.h"

#include <cmath>
#include <limits>

WhitenessIndices whitenessIndices(float X, float Y, float Z, float HL, float Ha, float Hb)
{
    constexpr float nan = std::numeric_limits<float>::quiet_NaN();
    WhitenessIndices w;
    // A black reading (Y = 0, or below 0 from an L* under 0) reflects no
    // light: yellowness divides by Y, the Hunter L, a, b of such a reading
    // take its square root, and the Ganz form divides by X + Y + Z.  Not one
    // of the four describes it, so none is given a number (a clamped 40 or a
    // blue whiteness of 1.16 would read as a measured value).
    if (!(Y > 0)) {
        w.yellowness = w.hunter = w.ganz = w.blue = nan;
        return w;
    }
    w.yellowness = static_cast<float>(100 * (1.305 * X - 1.15 * Z) / Y);

    const double dL = 100.0 - HL;
    w.hunter = static_cast<float>(
        100 - std::sqrt(dL * dL + static_cast<double>(Ha) * Ha + static_cast<double>(Hb) * Hb));

    // Single precision throughout; the constants are the chromaticity of the
    // reference white.
    const float s = X + Y + Z;
    if (!(s > 0)) {
        w.ganz = nan;
        w.blue = static_cast<float>(0.925 * Z + 1.16);
        return w;
    }
    const float x = X / s;
    const float y = Y / s;
    float W = 800.0f * (0.3138053f - x) + Y + 1700.0f * (0.33098334f - y);
    const float upper = 5.0f * Y - 280.0f;
    if (W < 40.0f)
        W = 40.0f;
    else if (W > upper)
        W = upper;
    w.ganz = W;

    w.blue = static_cast<float>(0.925 * Z + 1.16);
    return w;
}

WhitenessIndices whitenessFromLab(float L, float a, float b)
{
    const ColorTriple xyz = labToXyz(L, a, b);
    const ColorTriple hunter = xyzToHunterLab(xyz[0], xyz[1], xyz[2]);
    return whitenessIndices(xyz[0], xyz[1], xyz[2], hunter[0], hunter[1], hunter[2]);
}
