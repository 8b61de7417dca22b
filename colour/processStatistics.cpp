#include "processStatistics.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
// d2 of moving ranges of two: 3 / 1.128.
constexpr double movingRangeFactor = 2.66;

struct Limits
{
    float lower, upper;
};

Limits rangeLimits(const QString &negative, const QString &positive)
{
    return {-negative.toFloat(), positive.toFloat()};
}

// The same float comparisons as the verdicts, so that a Sample counted as
// passing here reads "Pass" everywhere.
bool inRange(double d, Limits limits)
{
    const float v = float(d);
    return v <= limits.upper && limits.lower <= v;
}

template <typename Get> DeviationFigures figuresOf(const QVector<SampleDeviation> &samples, Get get)
{
    DeviationFigures f;
    double sum = 0;
    for (const SampleDeviation &s : samples) {
        const double v = get(s);
        if (!std::isfinite(v))
            continue;
        if (f.n == 0) {
            f.minimum = f.maximum = v;
        } else {
            f.minimum = std::min(f.minimum, v);
            f.maximum = std::max(f.maximum, v);
        }
        sum += v;
        ++f.n;
    }
    if (f.n == 0)
        return f;
    f.mean = sum / f.n;
    if (f.n < 2)
        return f;
    // Equal values have no spread, whatever the rounding of their mean.
    if (f.minimum == f.maximum) {
        f.standardDeviation = 0;
        return f;
    }
    double squares = 0;
    for (const SampleDeviation &s : samples) {
        const double v = get(s);
        if (std::isfinite(v))
            squares += (v - f.mean) * (v - f.mean);
    }
    f.standardDeviation = std::sqrt(squares / (f.n - 1));
    return f;
}

template <typename Get>
ControlLimits controlLimitsOf(const QVector<SampleDeviation> &samples, const DeviationFigures &f,
                              Get get)
{
    ControlLimits c;
    if (f.n < 2)
        return c;
    double ranges = 0;
    int count = 0;
    double previous = notANumber;
    for (const SampleDeviation &s : samples) {
        const double v = get(s);
        if (!std::isfinite(v))
            continue;
        if (std::isfinite(previous)) {
            ranges += std::fabs(v - previous);
            ++count;
        }
        previous = v;
    }
    const double averageRange = ranges / count;
    c.centre = f.mean;
    c.lower = f.mean - movingRangeFactor * averageRange;
    c.upper = f.mean + movingRangeFactor * averageRange;
    return c;
}

bool capable(const DeviationFigures &f)
{
    return f.n >= ProcessStatistics::minimumForCapability && f.standardDeviation > 0;
}

double oneSidedCpk(const DeviationFigures &f, double upper)
{
    return capable(f) ? (upper - f.mean) / (3 * f.standardDeviation) : notANumber;
}

double twoSidedCpk(const DeviationFigures &f, double lower, double upper)
{
    if (!capable(f))
        return notANumber;
    return std::min(upper - f.mean, f.mean - lower) / (3 * f.standardDeviation);
}

// The 0.95 quantile of Fisher's F with 2 and d degrees of freedom: its
// distribution function 1 - (1 + 2x/d)^(-d/2) inverts in closed form.
double f95TwoAnd(double d)
{
    return d / 2 * (std::pow(0.05, -2 / d) - 1);
}

ControlEllipse ellipseOf(const QVector<SampleDeviation> &samples)
{
    ControlEllipse e;
    double sumX = 0, sumY = 0;
    int n = 0;
    for (const SampleDeviation &s : samples) {
        if (std::isfinite(s.d2) && std::isfinite(s.d3)) {
            sumX += s.d2;
            sumY += s.d3;
            ++n;
        }
    }
    if (n < ControlEllipse::minimumSamples)
        return e;
    const double mx = sumX / n, my = sumY / n;
    double sxx = 0, sxy = 0, syy = 0;
    for (const SampleDeviation &s : samples) {
        if (std::isfinite(s.d2) && std::isfinite(s.d3)) {
            sxx += (s.d2 - mx) * (s.d2 - mx);
            sxy += (s.d2 - mx) * (s.d3 - my);
            syy += (s.d3 - my) * (s.d3 - my);
        }
    }
    sxx /= n - 1;
    sxy /= n - 1;
    syy /= n - 1;
    const double det = sxx * syy - sxy * sxy;
    // A covariance without spread in some direction has no ellipse.
    if (!(det > 1e-12 * std::max(1e-300, (sxx + syy) * (sxx + syy))))
        return e;

    // Eigenvalues of the symmetric 2x2 covariance.
    const double half = (sxx + syy) / 2;
    const double root = std::hypot((sxx - syy) / 2, sxy);
    const double major = half + root;
    const double minor = half - root;
    // A further observation of the same process: T² within
    // 2(n+1)(n-1) / (n(n-2)) F(0.95; 2, n-2).
    e.limit = 2.0 * (n + 1) * (n - 1) / (double(n) * (n - 2)) * f95TwoAnd(n - 2);
    e.centreX = mx;
    e.centreY = my;
    e.semiMajor = std::sqrt(e.limit * major);
    e.semiMinor = std::sqrt(e.limit * std::max(0.0, minor));
    e.angle = 0.5 * std::atan2(2 * sxy, sxx - syy);
    e.inverseXX = syy / det;
    e.inverseXY = -sxy / det;
    e.inverseYY = sxx / det;
    e.valid = true;
    return e;
}

} // namespace

double ControlEllipse::t2(double x, double y) const
{
    const double dx = x - centreX, dy = y - centreY;
    return inverseXX * dx * dx + 2 * inverseXY * dx * dy + inverseYY * dy * dy;
}

namespace {

// The tolerance's numbers, read once for all Samples.
struct ToleranceLimits
{
    explicit ToleranceLimits(const Tolerance &t)
        : dE(t.delatE.toFloat()), d1(rangeLimits(t.nDelatL, t.pDelatL)),
          d2(rangeLimits(t.nDelata, t.pDelata)), d3(rangeLimits(t.nDelatb, t.pDelatb))
    {
    }
    bool passes(const SampleDeviation &s) const
    {
        return float(s.dE) <= dE && inRange(s.d1, d1) && inRange(s.d2, d2) && inRange(s.d3, d3);
    }
    float dE;
    Limits d1, d2, d3;
};

} // namespace

bool samplePasses(const SampleDeviation &s, const Tolerance &tolerance)
{
    return ToleranceLimits(tolerance).passes(s);
}

bool reachesWarningLevel(const SampleDeviation &s, const Tolerance &tolerance, double percent)
{
    if (!(percent > 0) || !samplePasses(s, tolerance))
        return false;
    const double share = percent / 100;
    // In single precision, like the verdicts: 2.4 reaches 80 % of 3.00.
    auto reaches = [share](double value, double limit) {
        return limit > 0 && float(std::fabs(value)) >= float(share * limit);
    };
    const auto side = [&](double d, const QString &negative, const QString &positive) {
        return d < 0 ? reaches(d, negative.toDouble()) : reaches(d, positive.toDouble());
    };
    return reaches(s.dE, tolerance.delatE.toDouble()) ||
           side(s.d1, tolerance.nDelatL, tolerance.pDelatL) ||
           side(s.d2, tolerance.nDelata, tolerance.pDelata) ||
           side(s.d3, tolerance.nDelatb, tolerance.pDelatb);
}

ProcessStatistics processStatistics(const QVector<SampleDeviation> &samples,
                                    const Tolerance &tolerance)
{
    ProcessStatistics p;
    p.samples = samples.size();
    const ToleranceLimits limits(tolerance);
    for (const SampleDeviation &s : samples)
        p.passes += limits.passes(s) ? 1 : 0;
    if (p.samples > 0)
        p.passRate = double(p.passes) / p.samples;

    const auto dE = [](const SampleDeviation &s) { return s.dE; };
    const auto d1 = [](const SampleDeviation &s) { return s.d1; };
    const auto d2 = [](const SampleDeviation &s) { return s.d2; };
    const auto d3 = [](const SampleDeviation &s) { return s.d3; };
    p.dE = figuresOf(samples, dE);
    p.d1 = figuresOf(samples, d1);
    p.d2 = figuresOf(samples, d2);
    p.d3 = figuresOf(samples, d3);
    p.dC = figuresOf(samples, [](const SampleDeviation &s) { return s.dC; });
    p.dH = figuresOf(samples, [](const SampleDeviation &s) { return s.dH; });

    p.cpkE = oneSidedCpk(p.dE, tolerance.delatE.toDouble());
    p.cpk1 = twoSidedCpk(p.d1, -tolerance.nDelatL.toDouble(), tolerance.pDelatL.toDouble());
    p.cpk2 = twoSidedCpk(p.d2, -tolerance.nDelata.toDouble(), tolerance.pDelata.toDouble());
    p.cpk3 = twoSidedCpk(p.d3, -tolerance.nDelatb.toDouble(), tolerance.pDelatb.toDouble());

    p.controlE = controlLimitsOf(samples, p.dE, dE);
    p.control1 = controlLimitsOf(samples, p.d1, d1);
    p.control2 = controlLimitsOf(samples, p.d2, d2);
    p.control3 = controlLimitsOf(samples, p.d3, d3);
    p.ellipse = ellipseOf(samples);
    return p;
}
