#ifndef QCM_PROCESSSTATISTICS_H
#define QCM_PROCESSSTATISTICS_H

// Whether a process is in control, not only whether the last Sample passed:
// the figures of a Type's Samples against the tolerance they are judged by.
// Pure arithmetic; every figure that cannot be had is NaN, never a guess.

#include "judgement.h"

#include <QVector>
#include <limits>

// One Sample against its Type: the colour difference and the three
// coordinate differences (Sample minus Type); the chroma and hue differences
// where the formula gives them, NaN otherwise.
struct SampleDeviation
{
    double dE = std::numeric_limits<double>::quiet_NaN();
    double d1 = std::numeric_limits<double>::quiet_NaN();
    double d2 = std::numeric_limits<double>::quiet_NaN();
    double d3 = std::numeric_limits<double>::quiet_NaN();
    double dC = std::numeric_limits<double>::quiet_NaN();
    double dH = std::numeric_limits<double>::quiet_NaN();
};

// The figures of one difference over the Samples that have a number for it
// (a NaN difference is left out, and `n` says how many were counted).  The
// standard deviation is the sample one (n - 1); it needs two values.
struct DeviationFigures
{
    int n = 0;
    double mean = std::numeric_limits<double>::quiet_NaN();
    double standardDeviation = std::numeric_limits<double>::quiet_NaN();
    double minimum = std::numeric_limits<double>::quiet_NaN();
    double maximum = std::numeric_limits<double>::quiet_NaN();
};

// Limits of an individuals chart: the mean plus and minus 2.66 times the
// average moving range of consecutive values.  Needs two values.
struct ControlLimits
{
    double centre = std::numeric_limits<double>::quiet_NaN();
    double lower = std::numeric_limits<double>::quiet_NaN();
    double upper = std::numeric_limits<double>::quiet_NaN();

    bool isValid() const { return upper == upper; }
    // A value outside the limits (a NaN value is not).
    bool beyond(double value) const { return isValid() && (value > upper || value < lower); }
};

// The 95 % Hotelling T² region of (Δa, Δb) in which a further Sample of the
// same process is expected: centred on the mean, its axes along the
// eigenvectors of the sample covariance.  Needs `minimumSamples` points and
// a covariance that is not singular.
struct ControlEllipse
{
    static constexpr int minimumSamples = 10;

    bool valid = false;
    double centreX = 0, centreY = 0;
    // Semi-axes, the major one first, and the angle of the major axis from
    // the first coordinate's axis, in radians within (-pi/2, pi/2].
    double semiMajor = 0, semiMinor = 0;
    double angle = 0;
    // The T² value on the ellipse's border.
    double limit = 0;
    // The inverse covariance, for contains().
    double inverseXX = 0, inverseXY = 0, inverseYY = 0;

    // T² of a point: inside or on the border when <= limit.
    double t2(double x, double y) const;
    bool contains(double x, double y) const { return valid && t2(x, y) <= limit; }
};

struct ProcessStatistics
{
    int samples = 0;
    // Samples that pass every verdict (ΔE and the three coordinates, by the
    // information panel's rule), and their share of all Samples; NaN
    // without Samples.
    int passes = 0;
    double passRate = std::numeric_limits<double>::quiet_NaN();

    DeviationFigures dE, d1, d2, d3, dC, dH;

    // Capability against the tolerance: one-sided for ΔE (its upper limit),
    // two-sided for the coordinates (from -n to +p).  NaN with fewer than
    // five values or no spread.
    static constexpr int minimumForCapability = 5;
    double cpkE = std::numeric_limits<double>::quiet_NaN();
    double cpk1 = std::numeric_limits<double>::quiet_NaN();
    double cpk2 = std::numeric_limits<double>::quiet_NaN();
    double cpk3 = std::numeric_limits<double>::quiet_NaN();

    ControlLimits controlE, control1, control2, control3;
    ControlEllipse ellipse;
};

// The statistics of Samples in the order they were measured.
ProcessStatistics processStatistics(const QVector<SampleDeviation> &samples,
                                    const Tolerance &tolerance);

// A Sample that passes every verdict but reaches `percent` of one of its
// limits (ΔE or a coordinate's range on its side).  A percent of zero or
// less, or NaN, is the warning switched off.
bool reachesWarningLevel(const SampleDeviation &sample, const Tolerance &tolerance, double percent);

// Every verdict passes: ΔE up to its limit, each coordinate from -n to +p
// (a value equal to a limit passes, NaN never does).
bool samplePasses(const SampleDeviation &sample, const Tolerance &tolerance);

#endif
