#include "CombinedAction.h"
#include "HighCap.h"

#include <benchmark/benchmark.h>

// One calculation as the calculate button runs it: working tables allocated, the
// series evaluated, every pile walked along its depth points.

namespace {

constexpr int kC30 = 0;

void BM_CombinedAction(benchmark::State& state) {
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
BENCHMARK(BM_CombinedAction)->Args({9, 26})->Args({50, 50})->Unit(benchmark::kMillisecond);

void BM_HighCapForces(benchmark::State& state) {
    HighCapRecord r;
    r.m_nx = static_cast<int>(state.range(0));
    r.m_nz = static_cast<int>(state.range(1));
    for (auto _ : state) {
        CalcOutcome outcome = CalculateHighCapForces(r, kC30);
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(r.m_Mmax);
    }
    state.counters["piles"] = static_cast<double>(r.m_nx * r.m_nz);
}
// The form's default group (24 × 18 = 432) and a group at the 2500-pile limit.
BENCHMARK(BM_HighCapForces)->Args({24, 18})->Args({50, 50})->Unit(benchmark::kMillisecond);

void BM_EvaluatePileSeries(benchmark::State& state) {
    double z = 4.0;
    for (auto _ : state) {
        PileSeries s = EvaluatePileSeries(z);
        benchmark::DoNotOptimize(s);
        benchmark::DoNotOptimize(z);
    }
}
BENCHMARK(BM_EvaluatePileSeries)->Unit(benchmark::kMicrosecond);

} // namespace
