#include "CombinedAction.h"
#include "HighCap.h"

#include <benchmark/benchmark.h>

using namespace korvane;

// One calculation as the calculate button runs it, on the form's defaults with the
// group size and pile length varied.

namespace {

constexpr int kC30 = 0;

void CombinedAction(benchmark::State& state) {
    CombinedActionRecord r;
    r.m_nx = static_cast<int>(state.range(0));
    r.m_nz = static_cast<int>(state.range(1));
    for (auto _ : state) {
        CalcOutcome outcome = CalculateCombinedAction(r, kC30);
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(r.m_maxMoment);
    }
    state.counters["piles"] = static_cast<double>(r.m_nx * r.m_nz);
}
// The form's default group (9 × 26 = 234) and a group at the 2500-pile limit.
BENCHMARK(CombinedAction)->Args({9, 26})->Args({50, 50})->Unit(benchmark::kMicrosecond);

void HighCapForces(benchmark::State& state) {
    HighCapRecord r;
    r.m_nx = static_cast<int>(state.range(0));
    r.m_nz = static_cast<int>(state.range(1));
    r.m_h = static_cast<double>(state.range(2));
    for (auto _ : state) {
        CalcOutcome outcome = CalculateHighCapForces(r, kC30);
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(r.m_Mmax);
    }
    state.counters["piles"] = static_cast<double>(r.m_nx * r.m_nz);
}
// The form's default group (24 × 18 = 432, h = 34 m), the 2500-pile limit, and a short
// pile (h = 5 m) whose reduced length lies between the grid depths.
BENCHMARK(HighCapForces)
    ->Args({24, 18, 34})
    ->Args({50, 50, 34})
    ->Args({24, 18, 5})
    ->Unit(benchmark::kMicrosecond);

void EvaluateSeries(benchmark::State& state) {
    double z = 3.37;
    for (auto _ : state) {
        PileSeries s = EvaluatePileSeries(z);
        benchmark::DoNotOptimize(s);
        benchmark::DoNotOptimize(z);
    }
}
BENCHMARK(EvaluateSeries)->Unit(benchmark::kMicrosecond);

} // namespace
