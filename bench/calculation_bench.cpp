// Benchmarks of the calculation: the pure core formulas alone, and one full
// calculation run through the real windows on the offscreen platform.

#include "facilities/adequacy.h"
#include "facilities/infiltration_formulas.h"
#include "record/digit_format.h"
#include "record/lenient_number.h"

#include <benchmark/benchmark.h>

namespace {

using namespace akuenza;

void CoreFormulas(benchmark::State& state)
{
    double w = 0.5;
    for (auto _ : state) {
        DesignCase rec;
        benchmark::DoNotOptimize(w);
        const double ko = 0.015;
        const double c = 0.81;
        rec.square11Fc = infiltrationRates(squareSidesAndBottom(w, 1.0).Kf, ko, c, 2).Fc;
        rec.square21Fc = infiltrationRates(squareBottomOnly(w * 24, 1.5).Kf, ko, c, 2).Fc;
        rec.rect1Fc = infiltrationRates(rectangularBasin(w, 2.0, 1.0).Kf, ko, c, 3).Fc;
        rec.circular11Fc = infiltrationRates(circularSidesAndBottom(w, 1.0).Kf, ko, c, 2).Fc;
        rec.circular21Fc = infiltrationRates(circularBottomOnly(w * 3, 2.0).Kf, ko, c, 2).Fc;
        rec.ditch1Fc = infiltrationRates(linearFacility(w, 1.0).Kf, ko, c, 10).Fc;
        rec.pavementFc = infiltrationRates(areaFacility(0.3).Kf, ko, c, 500).Fc;
        const double total = totalInfiltration(rec);
        const double q1 = countermeasureQ1(0.9, 50, 1000);
        benchmark::DoNotOptimize(isAdequate(q1, total));
        benchmark::DoNotOptimize(wellDepth({2.0, 5, 1000, 0.9, 0.05}, wellInflowQ(1000, 0.9)).effectiveDepthH);
    }
}
BENCHMARK(CoreFormulas);

void FormatAndRead(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(formatDigits(6.0619266, "0.000"));
        benchmark::DoNotOptimize(lenientNumber(" 1 2.5E1 m"));
    }
}
BENCHMARK(FormatAndRead);

} // namespace

BENCHMARK_MAIN();
