#include "colorDifference.h"

#include <cmath>
#include <limits>

namespace {

constexpr double kDegToRad = kPi / 180;

template <typename T> inline T sq(T v)
{
    return v * v;
}

inline double pow7(double v)
{
    const double v2 = v * v;
    return v2 * v2 * v2 * v;
}

} // namespace

float deltaEEuclidean(const ColorTriple &type, const ColorTriple &sample)
{
    const float d1 = sample[0] - type[0];
    const float d2 = sample[1] - type[1];
    const float d3 = sample[2] - type[2];
    const float sum = d1 * d1 + d2 * d2 + d3 * d3;
    return static_cast<float>(std::sqrt(static_cast<double>(sum)));
}

float deltaE2000(float L1, float a1, float b1, float L2, float a2, float b2)
{
    const double C1 = std::sqrt(sq<double>(a1) + sq<double>(b1));
    const double C2 = std::sqrt(sq<double>(a2) + sq<double>(b2));
    const double Cbar = (C1 + C2) / 2;
    const double p25 = std::pow(25.0, 7.0);
    const double Cbar7 = pow7(Cbar);
    const double G = 0.5 * (1 - std::sqrt(Cbar7 / (Cbar7 + p25)));

    const double a1p = (1 + G) * a1;
    const double a2p = (1 + G) * a2;
    const double C1p = std::sqrt(a1p * a1p + sq<double>(b1));
    const double C2p = std::sqrt(a2p * a2p + sq<double>(b2));
    const double h1p = hueAngle(a1p, b1);
    const double h2p = hueAngle(a2p, b2);

    const double dLp = static_cast<double>(L2) - L1;
    const double dCp = C2p - C1p;
    double dhp = h2p - h1p;
    if (std::fabs(dhp) > 180)
        dhp = h1p >= h2p ? dhp + 360 : dhp - 360;
    const double dHp = 2 * std::sqrt(C1p * C2p) * std::sin(dhp / 2 * kDegToRad);

    const double Lbar = (static_cast<double>(L1) + L2) / 2;
    const double Cbarp = (C1p + C2p) / 2;
    double Hbar;
    if (std::fabs(h1p - h2p) <= 180)
        Hbar = (h1p + h2p) / 2;
    else if (h1p + h2p < 360)
        Hbar = (h1p + h2p + 360) / 2;
    else
        Hbar = (h1p + h2p - 360) / 2;

    const double T =
        1 - 0.17 * std::cos((Hbar - 30) * kDegToRad) + 0.24 * std::cos((2 * Hbar) * kDegToRad) +
        0.32 * std::cos((3 * Hbar + 6) * kDegToRad) - 0.2 * std::cos((4 * Hbar - 63) * kDegToRad);

    const double SL = 1 + 0.015 * sq(Lbar - 50) / std::sqrt(20 + sq(Lbar - 50));
    const double SC = 1 + 0.045 * Cbarp;
    const double SH = 1 + 0.015 * Cbarp * T;

    const double dTheta = 30 * std::exp(-sq((Hbar - 275) / 25));
    const double Cbarp7 = pow7(Cbarp);
    const double RC = 2 * std::sqrt(Cbarp7 / (Cbarp7 + p25));
    const double RT = -std::sin(2 * dTheta * kDegToRad) * RC;

    const double l = dLp / SL;
    const double c = dCp / SC;
    const double h = dHp / SH;
    double r = l * l + c * c + h * h + RT * c * h;
    if (r < 0) // rounding only; keeps NaN
        r = 0;
    return static_cast<float>(std::sqrt(r));
}

float deltaECmc(float L1, float a1, float b1, float L2, float a2, float b2)
{
    const float dL = L2 - L1;
    const float da = a2 - a1;
    const float db = b2 - b1;
    const float C1 = std::sqrt(a1 * a1 + b1 * b1);
    const float C2 = std::sqrt(a2 * a2 + b2 * b2);
    const float dC = C2 - C1;
    float r = da * da + db * db - dC * dC;
    if (r < 0) // a difference of squares that rounding made negative
        r = 0;
    const float dH = std::sqrt(r);

    const float H1 = static_cast<float>(hueAngle(a1, b1));
    const float C1_4 = C1 * C1 * C1 * C1;
    const float F = std::sqrt(C1_4 / (C1_4 + 1900.0f));
    const float rad = static_cast<float>(kDegToRad);
    const float T = (164.0f <= H1 && H1 <= 345.0f)
                        ? 0.56f + std::fabs(0.2f * std::cos((H1 + 168.0f) * rad))
                        : 0.36f + std::fabs(0.4f * std::cos((H1 + 35.0f) * rad));

    const float SL = L1 < 16.0f ? 0.511f : 0.040975f * L1 / (1.0f + 0.01765f * L1);
    const float SC = 0.0638f * C1 / (1.0f + 0.0131f * C1) + 0.638f;
    const float SH = SC * (F * T + 1.0f - F);

    return std::sqrt(sq(dL / (2.0f * SL)) + sq(dC / SC) + sq(dH / SH));
}

float deltaEIso(float L1, float a1, float b1, float L2, float a2, float b2)
{
    const float s1 = a1 * a1 + b1 * b1;
    const float s2 = a2 * a2 + b2 * b2;
    const double C1 = std::sqrt(static_cast<double>(s1));
    const double C2 = std::sqrt(static_cast<double>(s2));
    const double dC = C2 - C1;
    const double Cbar = (C1 + C2) / 2;
    const double dL = static_cast<double>(L2) - L1;
    const double da = static_cast<double>(a2) - a1;
    const double db = static_cast<double>(b2) - b1;

    // dC^2 is added here, not subtracted: this formula's own definition.
    const double G = std::sqrt(dC * dC + da * da + db * db);

    const double h1 = hueAngle(a1, b1);
    const double h2 = hueAngle(a2, b2);
    const double hbar = std::fabs(h2 - h1) <= 180 ? (h1 + h2) / 2 : (h1 + h2) / 2 + 180;

    const double D = std::fabs(hbar - 280);
    const double w = D <= 180 ? sq((hbar - 280) / 30) : sq((360 - D) / 30);
    const double E = std::exp(-w);
    const double v = E * Cbar * dC / 100;

    const double SC = 1 + sq(20 * Cbar / 1000);
    const double SH = 1 + sq(10 * Cbar / 1000);
    return static_cast<float>(std::sqrt(sq((dC - v) / SC) + dL * dL + sq((G - v) / SH)));
}

float deltaECie94(float L1, float a1, float b1, float L2, float a2, float b2)
{
    const float C1 = static_cast<float>(std::sqrt(static_cast<double>(a1 * a1 + b1 * b1)));
    const float C2 = static_cast<float>(std::sqrt(static_cast<double>(a2 * a2 + b2 * b2)));
    const float Cg = static_cast<float>(std::sqrt(static_cast<double>(C1 * C2)));

    const float dL = L2 - L1;
    const float da = a2 - a1;
    const float db = b2 - b1;
    const float dC = C2 - C1;
    float r = da * da + db * db - dC * dC;
    if (r < 0) // a difference of squares that rounding made negative
        r = 0;
    const float dH = static_cast<float>(std::sqrt(static_cast<double>(r)));

    const float SC = 1.0f + 0.045f * Cg;
    const float SH = 1.0f + 0.015f * Cg;
    const float sum = sq(dH / SH) + sq(dC / SC) + sq(0.5f * dL);
    return static_cast<float>(std::sqrt(static_cast<double>(sum)));
}

float deltaEFmc2(float L1, float a1, float b1, float L2, float a2, float b2)
{
    const ColorTriple t = labToXyz(L1, a1, b1);
    const ColorTriple s = labToXyz(L2, a2, b2);

    auto P = [](const ColorTriple &c) {
        return static_cast<float>(0.724 * c[0] + 0.382 * c[1] - 0.098 * c[2]);
    };
    auto Q = [](const ColorTriple &c) {
        return static_cast<float>(-0.48 * c[0] + 1.37 * c[1] + 0.1276 * c[2]);
    };
    auto S = [](const ColorTriple &c) { return static_cast<float>(0.686 * c[2]); };

    const double P1 = P(t);
    const double Q1 = Q(t);
    const double S1 = S(t);
    const double Y1 = t[1];

    const double P1s = P1 * P1;
    const double Q1s = Q1 * Q1;
    const double K = std::sqrt(P1s + Q1s);
    // A black Type has no chromaticity to measure the Sample against. Y1 <= 0
    // also covers an L* = 0 Type, whose XYZ rounding leaves a hair below 0 and
    // which would otherwise give an absurdly large but finite value.
    constexpr float nan = std::numeric_limits<float>::quiet_NaN();
    if (!(Y1 > 0) || !(K > 0))
        return nan;
    const double a = std::sqrt(17.3 * (P1s + Q1s) /
                               ((1 + 2.73 * P1s * Q1s / (P1s * P1s + Q1s * Q1s)) * 1000000));
    const double b = std::sqrt((0.2015 * Y1 * Y1 + S1 * S1) * 3.098 / 10000);
    if (!(a > 0) || !(b > 0))
        return nan;

    const double dP = P(s) - P1;
    const double dQ = Q(s) - Q1;
    const double dS = S(s) - S1;

    const double lambda = (P1 * dP + Q1 * dQ) / K;
    const double dC1 = ((Q1 * dP - P1 * dQ) / K) / a;
    const double dC2 = (S1 * lambda / K - dS) / b;
    const double dCc = std::sqrt(dC1 * dC1 + dC2 * dC2);

    const double Y2 = Y1 * Y1;
    const double Y3 = Y2 * Y1;
    const double Y4 = Y3 * Y1;
    const double K1 = 0.55669 + 0.049434 * Y1 - 0.82575 * Y2 / 1000 + 0.79172 * Y3 / 100000 -
                      0.30087 * Y4 / 10000000;
    const double K2 = 0.17548 + 0.027556 * Y1 - 0.57262 * Y2 / 1000 + 0.63893 * Y3 / 100000 -
                      0.26731 * Y4 / 10000000;

    const double dL = 0.279 * lambda / a;
    return static_cast<float>(std::sqrt(sq(K1 * dCc) + sq(K2 * dL)));
}

float colorDifference(const ColorTriple &type, const ColorTriple &sample, ColorSpace space,
                      ColorFormula formula)
{
    if (formula == ColorFormula::Srgb)
        return deltaEEuclidean(type, sample);

    ColorTriple t = type;
    ColorTriple s = sample;
    if (space == ColorSpace::Xyz) {
        t = xyzToLab(type[0], type[1], type[2]);
        s = xyzToLab(sample[0], sample[1], sample[2]);
    }
    switch (formula) {
    case ColorFormula::E00:
        return deltaE2000(t[0], t[1], t[2], s[0], s[1], s[2]);
    case ColorFormula::Cmc:
        return deltaECmc(t[0], t[1], t[2], s[0], s[1], s[2]);
    case ColorFormula::Iso:
        return deltaEIso(t[0], t[1], t[2], s[0], s[1], s[2]);
    case ColorFormula::Cie94:
        return deltaECie94(t[0], t[1], t[2], s[0], s[1], s[2]);
    case ColorFormula::Fmc2:
        return deltaEFmc2(t[0], t[1], t[2], s[0], s[1], s[2]);
    case ColorFormula::Lab:
    case ColorFormula::Luv:
    case ColorFormula::Hunter:
    case ColorFormula::Srgb:
    case ColorFormula::Lch:
        break;
    }
    return deltaEEuclidean(t, s);
}

float colorDifference(const ColorTriple &type, const ColorTriple &sample,
                      const QString &colorSpaceName, const QString &formulaName)
{
    return colorDifference(type, sample, colorSpaceIndex(colorSpaceName),
                           formulaIndex(formulaName));
}
