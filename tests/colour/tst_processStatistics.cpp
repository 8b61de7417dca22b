// The statistics of a Type's Samples, checked against figures computed
// elsewhere: Python's statistics module for the moments, capability and
// moving ranges, a Jacobi rotation of the test's own for the ellipse's axes,
// and published F-table values for its size.

#include "processStatistics.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>
#include <cmath>

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

Tolerance tolerance(const QString &e, const QString &n, const QString &p)
{
    Tolerance t;
    t.delatE = e;
    t.nDelatL = t.nDelata = t.nDelatb = n;
    t.pDelatL = t.pDelata = t.pDelatb = p;
    return t;
}

// A process with a drift in hue: Δa and Δb correlated, some Samples
// failing, one difference the formula gave no number for.
QVector<SampleDeviation> drawnSamples(int count, quint32 seed)
{
    QRandomGenerator random(seed);
    QVector<SampleDeviation> samples;
    for (int i = 0; i < count; ++i) {
        SampleDeviation s;
        const double u = random.generateDouble() * 2 - 1;
        const double v = random.generateDouble() * 2 - 1;
        s.d1 = 0.3 + 0.8 * (random.generateDouble() - 0.5);
        s.d2 = 0.2 + 0.9 * u;
        s.d3 = -0.1 + 0.6 * u + 0.3 * v;
        s.dE = std::sqrt(s.d1 * s.d1 + s.d2 * s.d2 + s.d3 * s.d3);
        s.dC = i % 7 == 3 ? notANumber : 0.5 * s.d2;
        samples << s;
    }
    return samples;
}

// mean, stdev, min, max, cpk and individuals-chart limits by Python.
QJsonObject pythonFigures(const QVector<double> &values, double lower, double upper)
{
    QJsonArray array;
    for (double v : values)
        array << v;
    const QByteArray script = R"(
import json, math, statistics, sys
data = json.load(sys.stdin)
xs = [x for x in data["values"] if x is not None]
lo, hi = data["lower"], data["upper"]
m = statistics.fmean(xs)
s = statistics.stdev(xs)
if lo is None:
    cpk = (hi - m) / (3 * s)
else:
    cpk = min(hi - m, m - lo) / (3 * s)
mr = statistics.fmean(abs(b - a) for a, b in zip(xs, xs[1:]))
json.dump({"n": len(xs), "mean": m, "sd": s, "min": min(xs), "max": max(xs), "cpk": cpk,
           "lcl": m - 2.66 * mr, "ucl": m + 2.66 * mr}, sys.stdout)
)";
    QProcess python;
    python.start(QStringLiteral(QCM_TEST_PYTHON), {"-c", QString::fromUtf8(script)});
    QJsonObject input{{"values", array}, {"upper", upper}};
    input["lower"] = std::isnan(lower) ? QJsonValue() : QJsonValue(lower);
    python.write(QJsonDocument(input).toJson());
    python.closeWriteChannel();
    if (!python.waitForFinished(60000) || python.exitCode() != 0)
        return {};
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

bool near(double a, double b, double relative = 1e-9)
{
    return std::fabs(a - b) <= relative * std::max(1.0, std::fabs(b));
}

// Eigen-decomposition of a symmetric 2x2 matrix by one Jacobi rotation,
// eigenvalues ordered largest first with the angle of the first one's axis.
struct Eigen
{
    double first, second, angle;
};
Eigen jacobi(double a, double b, double d)
{
    double c = 1, s = 0;
    if (b != 0) {
        const double theta = (d - a) / (2 * b);
        const double t = (theta >= 0 ? 1 : -1) / (std::fabs(theta) + std::sqrt(theta * theta + 1));
        c = 1 / std::sqrt(t * t + 1);
        s = t * c;
    }
    // Columns of the rotation are the eigenvectors (c, -s) and (s, c).
    const double l1 = c * c * a - 2 * s * c * b + s * s * d;
    const double l2 = s * s * a + 2 * s * c * b + c * c * d;
    Eigen e{l1, l2, std::atan2(-s, c)};
    if (l2 > l1)
        e = {l2, l1, std::atan2(c, s)};
    // Axes have no direction: the angle within (-pi/2, pi/2].
    while (e.angle > M_PI / 2)
        e.angle -= M_PI;
    while (e.angle <= -M_PI / 2)
        e.angle += M_PI;
    return e;
}

} // namespace

class tst_processStatistics : public QObject
{
    Q_OBJECT

private slots:
    // Moments, capability and control limits of every difference agree
    // with Python's, NaN differences left out.
    void figuresAgreeWithPython()
    {
        const QVector<SampleDeviation> samples = drawnSamples(250, 20261210);
        const Tolerance t = tolerance("1.50", "0.90", "1.10");
        const ProcessStatistics p = processStatistics(samples, t);
        QCOMPARE(p.samples, 250);

        struct Case
        {
            const char *name;
            double SampleDeviation::*field;
            const DeviationFigures &figures;
            double cpk;
            ControlLimits control;
            double lower, upper;
        };
        const Case cases[] = {
            {"dE", &SampleDeviation::dE, p.dE, p.cpkE, p.controlE, notANumber, 1.5},
            {"d1", &SampleDeviation::d1, p.d1, p.cpk1, p.control1, -0.9, 1.1},
            {"d2", &SampleDeviation::d2, p.d2, p.cpk2, p.control2, -0.9, 1.1},
            {"d3", &SampleDeviation::d3, p.d3, p.cpk3, p.control3, -0.9, 1.1},
        };
        for (const Case &c : cases) {
            QVector<double> values;
            for (const SampleDeviation &s : samples)
                values << s.*(c.field);
            const QJsonObject py = pythonFigures(values, c.lower, c.upper);
            QVERIFY2(!py.isEmpty(), c.name);
            QCOMPARE(c.figures.n, py["n"].toInt());
            QVERIFY2(near(c.figures.mean, py["mean"].toDouble()), c.name);
            QVERIFY2(near(c.figures.standardDeviation, py["sd"].toDouble()), c.name);
            QCOMPARE(c.figures.minimum, py["min"].toDouble());
            QCOMPARE(c.figures.maximum, py["max"].toDouble());
            QVERIFY2(near(c.cpk, py["cpk"].toDouble()), c.name);
            QVERIFY2(near(c.control.lower, py["lcl"].toDouble()), c.name);
            QVERIFY2(near(c.control.upper, py["ucl"].toDouble()), c.name);
        }

        QVector<double> chroma;
        for (const SampleDeviation &s : samples)
            chroma << s.dC;
        const QJsonObject py = pythonFigures(chroma, notANumber, 1);
        QCOMPARE(p.dC.n, py["n"].toInt());
        QVERIFY(p.dC.n < 250);
        QVERIFY(near(p.dC.standardDeviation, py["sd"].toDouble()));
        QCOMPARE(p.dH.n, 0);
        QVERIFY(std::isnan(p.dH.mean));
    }

    // Too few values, no spread and no Samples give no number, never a
    // guess; the pass rate follows the verdicts' rule at the limits.
    void smallAndDegenerateCases()
    {
        const Tolerance t = tolerance("1.00", "1.00", "1.00");
        const ProcessStatistics none = processStatistics({}, t);
        QCOMPARE(none.samples, 0);
        QVERIFY(std::isnan(none.passRate));
        QVERIFY(std::isnan(none.dE.mean));
        QVERIFY(!none.controlE.isValid());

        SampleDeviation one;
        one.dE = 0.5;
        one.d1 = one.d2 = one.d3 = 0.2;
        const ProcessStatistics single = processStatistics({one}, t);
        QCOMPARE(single.dE.n, 1);
        QCOMPARE(single.dE.mean, 0.5);
        QCOMPARE(single.dE.minimum, 0.5);
        QVERIFY(std::isnan(single.dE.standardDeviation));
        QVERIFY(std::isnan(single.cpkE));
        QVERIFY(!single.controlE.isValid());
        QVERIFY(!single.controlE.beyond(100));
        QCOMPARE(single.passRate, 1.0);

        // Four values: figures but no capability; a fifth gives one.
        QVector<SampleDeviation> few;
        for (double dE : {0.1, 0.4, 0.2, 0.3}) {
            SampleDeviation s = one;
            s.dE = dE;
            few << s;
        }
        QVERIFY(std::isnan(processStatistics(few, t).cpkE));
        few << few.first();
        QVERIFY(std::isfinite(processStatistics(few, t).cpkE));
        // The same value five times: no spread, no capability, and limits
        // that collapse onto the mean.
        QVector<SampleDeviation> flat(6, one);
        const ProcessStatistics still = processStatistics(flat, t);
        QCOMPARE(still.dE.standardDeviation, 0.0);
        QVERIFY(std::isnan(still.cpkE));
        QVERIFY(std::isnan(still.cpk1));
        QCOMPARE(still.controlE.upper, 0.5);
        QVERIFY(!still.ellipse.valid);

        // At the limit passes, beyond fails, NaN never passes.
        SampleDeviation atLimit = one;
        atLimit.dE = 1.0;
        atLimit.d1 = -1.0;
        SampleDeviation beyond = one;
        beyond.d3 = 1.01;
        SampleDeviation noNumber = one;
        noNumber.dE = notANumber;
        const ProcessStatistics mixed = processStatistics({atLimit, beyond, noNumber, one}, t);
        QCOMPARE(mixed.passes, 2);
        QCOMPARE(mixed.passRate, 0.5);
        QCOMPARE(mixed.dE.n, 3);
    }

    // Individuals-chart limits by hand: mean 2, moving ranges 1, 2, 3.
    void controlLimitsByHand()
    {
        QVector<SampleDeviation> samples;
        for (double v : {1.0, 2.0, 0.0, 3.0, 4.0}) {
            SampleDeviation s;
            s.dE = v;
            s.d1 = s.d2 = s.d3 = 0;
            samples << s;
        }
        // Moving ranges 1, 2, 3, 1: average 1.75.
        const ProcessStatistics p = processStatistics(samples, Tolerance());
        QCOMPARE(p.controlE.centre, 2.0);
        QVERIFY(near(p.controlE.upper, 2 + 2.66 * 1.75));
        QVERIFY(near(p.controlE.lower, 2 - 2.66 * 1.75));
        QVERIFY(p.controlE.beyond(7.0));
        QVERIFY(!p.controlE.beyond(6.6));
        QVERIFY(!p.controlE.beyond(notANumber));
    }

    // The ellipse's axes are the covariance's eigenvectors scaled by the
    // T² limit; points just inside and outside its border are told apart.
    void ellipseAgreesWithOwnEigenDecomposition()
    {
        const QVector<SampleDeviation> samples = drawnSamples(40, 7);
        const ProcessStatistics p = processStatistics(samples, Tolerance());
        const ControlEllipse &e = p.ellipse;
        QVERIFY(e.valid);

        const int n = samples.size();
        double mx = 0, my = 0;
        for (const SampleDeviation &s : samples) {
            mx += s.d2 / n;
            my += s.d3 / n;
        }
        double a = 0, b = 0, d = 0;
        for (const SampleDeviation &s : samples) {
            a += (s.d2 - mx) * (s.d2 - mx) / (n - 1);
            b += (s.d2 - mx) * (s.d3 - my) / (n - 1);
            d += (s.d3 - my) * (s.d3 - my) / (n - 1);
        }
        const Eigen eigen = jacobi(a, b, d);
        // F(0.95; 2, 38) = 3.2448 from the table.
        const double limit = 2.0 * (n + 1) * (n - 1) / (double(n) * (n - 2)) * 3.2448;
        QVERIFY(near(e.limit, limit, 1e-4));
        QVERIFY(near(e.centreX, mx));
        QVERIFY(near(e.centreY, my));
        QVERIFY(near(e.semiMajor, std::sqrt(e.limit * eigen.first)));
        QVERIFY(near(e.semiMinor, std::sqrt(e.limit * eigen.second)));
        QVERIFY(near(e.angle, eigen.angle, 1e-7));

        for (double along : {0.0, M_PI / 2}) {
            const double semi = along == 0 ? e.semiMajor : e.semiMinor;
            const double dx = std::cos(e.angle + along), dy = std::sin(e.angle + along);
            QVERIFY(e.contains(mx + 0.99 * semi * dx, my + 0.99 * semi * dy));
            QVERIFY(!e.contains(mx + 1.01 * semi * dx, my + 1.01 * semi * dy));
            QVERIFY(!e.contains(mx - 1.01 * semi * dx, my - 1.01 * semi * dy));
        }
    }

    // The size follows the F table for small and large counts; too few
    // points or points on a line give none.
    void ellipseSizeAndItsAbsence()
    {
        // F(0.95; 2, d) for d = 8, 18, 60.
        const QVector<QPair<int, double>> table{{10, 4.4590}, {20, 3.5546}, {62, 3.1504}};
        for (const auto &row : table) {
            const ControlEllipse e =
                processStatistics(drawnSamples(row.first, 3), Tolerance()).ellipse;
            const int n = row.first;
            QVERIFY(e.valid);
            QVERIFY2(
                near(e.limit, 2.0 * (n + 1) * (n - 1) / (double(n) * (n - 2)) * row.second, 1e-4),
                qPrintable(QString::number(n)));
        }
        QVERIFY(!processStatistics(drawnSamples(9, 3), Tolerance()).ellipse.valid);
        QVector<SampleDeviation> line = drawnSamples(20, 5);
        for (SampleDeviation &s : line)
            s.d3 = 2 * s.d2 + 0.1;
        QVERIFY(!processStatistics(line, Tolerance()).ellipse.valid);
    }

    // The warning band: a passing Sample at the level of any one limit, on
    // the side its difference lies; failing Samples and a level of zero are
    // never "near limit".
    void warningLevel()
    {
        const Tolerance t = tolerance("2.00", "1.00", "3.00");
        SampleDeviation s;
        s.dE = 1.0;
        s.d1 = s.d2 = s.d3 = 0;
        QVERIFY(!reachesWarningLevel(s, t, 80));
        s.dE = 1.6;
        QVERIFY(reachesWarningLevel(s, t, 80));
        QVERIFY(!reachesWarningLevel(s, t, 0));
        QVERIFY(!reachesWarningLevel(s, t, notANumber));
        s.dE = 0.5;
        s.d1 = -0.8; // 80 % of the lower limit 1.00
        QVERIFY(reachesWarningLevel(s, t, 80));
        s.d1 = 0.8; // 27 % of the upper limit 3.00
        QVERIFY(!reachesWarningLevel(s, t, 80));
        s.d1 = 2.4;
        QVERIFY(reachesWarningLevel(s, t, 80));
        s.dE = 2.5; // fails
        QVERIFY(!reachesWarningLevel(s, t, 80));
    }
};

QTEST_APPLESS_MAIN(tst_processStatistics)
#include "tst_processStatistics.moc"
