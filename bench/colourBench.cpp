// Throughput of the colour computations: colour differences per formula and
// conversions per colour space, over a fixed batch of realistic readings.

#include "colorConversions.h"
#include "colorDifference.h"
#include "colorVocabulary.h"
#include "processStatistics.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

constexpr int kBatch = 4096;

struct Pair
{
    ColorTriple type;
    ColorTriple sample;
};

// Types spread over the usual gamut, Samples a few units away from them.
const std::vector<Pair> &labPairs()
{
    static const std::vector<Pair> pairs = [] {
        std::mt19937 rng(20240611);
        std::uniform_real_distribution<float> L(5, 98), ab(-90, 90), d(-4, 4);
        std::vector<Pair> out(kBatch);
        for (Pair &p : out) {
            p.type = {L(rng), ab(rng), ab(rng)};
            p.sample = {p.type[0] + d(rng), p.type[1] + d(rng), p.type[2] + d(rng)};
        }
        return out;
    }();
    return pairs;
}

void BM_colorDifference(benchmark::State &state)
{
    const QString formula = formulaNames().at(static_cast<int>(state.range(0)));
    const QString space = labSpaceName();
    const std::vector<Pair> &pairs = labPairs();
    state.SetLabel(formula.toStdString());
    for (auto _ : state) {
        for (const Pair &p : pairs)
            benchmark::DoNotOptimize(colorDifference(p.type, p.sample, space, formula));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(pairs.size()));
}
BENCHMARK(BM_colorDifference)->DenseRange(0, 9);

// The same formulas with the Type and Sample given as XYZ, which converts both
// to L*a*b* first.
void BM_colorDifferenceXyz(benchmark::State &state)
{
    const QString formula = formulaNames().at(static_cast<int>(state.range(0)));
    const QString space = xyzSpaceName();
    std::vector<Pair> pairs = labPairs();
    for (Pair &p : pairs) {
        p.type = labToXyz(p.type[0], p.type[1], p.type[2]);
        p.sample = labToXyz(p.sample[0], p.sample[1], p.sample[2]);
    }
    state.SetLabel(formula.toStdString());
    for (auto _ : state) {
        for (const Pair &p : pairs)
            benchmark::DoNotOptimize(colorDifference(p.type, p.sample, space, formula));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(pairs.size()));
}
BENCHMARK(BM_colorDifferenceXyz)->Arg(1)->Arg(5);

void BM_colorSpaceValues(benchmark::State &state)
{
    const QString space = colorSpaceNames().at(static_cast<int>(state.range(0)));
    const std::vector<Pair> &pairs = labPairs();
    state.SetLabel(space.toStdString());
    for (auto _ : state) {
        for (const Pair &p : pairs)
            benchmark::DoNotOptimize(colorSpaceValues(p.type[0], p.type[1], p.type[2], space));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(pairs.size()));
}
BENCHMARK(BM_colorSpaceValues)->DenseRange(0, 5);

void BM_labToColorName(benchmark::State &state)
{
    const std::vector<Pair> &pairs = labPairs();
    for (auto _ : state) {
        for (const Pair &p : pairs)
            benchmark::DoNotOptimize(labToColorName(p.type[0], p.type[1], p.type[2]));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(pairs.size()));
}
BENCHMARK(BM_labToColorName);

} // namespace

// The statistics of one Type's Samples (goal: under 5 ms for 10,000).
static void BM_processStatistics(benchmark::State &state)
{
    std::mt19937 random(11);
    std::normal_distribution<double> spread(0.0, 0.4);
    QVector<SampleDeviation> samples;
    for (int i = 0; i < state.range(0); ++i) {
        SampleDeviation s;
        s.d1 = spread(random);
        s.d2 = spread(random);
        s.d3 = 0.5 * s.d2 + spread(random);
        s.dE = std::sqrt(s.d1 * s.d1 + s.d2 * s.d2 + s.d3 * s.d3);
        samples << s;
    }
    const Tolerance tolerance;
    for (auto _ : state)
        benchmark::DoNotOptimize(processStatistics(samples, tolerance));
}
BENCHMARK(BM_processStatistics)->Arg(10000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
