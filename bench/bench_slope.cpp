// Time of one press of each slope calculator's button, and of the thorough circle
// search beside the circular one, on the form defaults.
#include "CircularSlip.h"
#include "PolylineSlip.h"
#include "ThoroughCircleSearch.h"

#include <benchmark/benchmark.h>

using namespace korvane;

namespace {

constexpr int kNoGrade = -1;
constexpr int kC30 = 0;
constexpr int kHPB235 = 0;

void SearchCircle(benchmark::State& state, int concrete, int rebar) {
    for (auto _ : state) {
        CircularSlipRecord r;
        const CalcOutcome outcome = SearchCriticalCircle(r, concrete, rebar);
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(r.m_ks);
    }
}

void PolylineFactor(benchmark::State& state, int concrete, int rebar) {
    for (auto _ : state) {
        PolylineSlipRecord r;
        const CalcOutcome outcome = ComputePolylineSlip(r, concrete, rebar);
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(r.m_ks);
    }
}

void SearchThoroughly(benchmark::State& state, int concrete, int rebar) {
    const CircularSlipRecord r;
    for (auto _ : state) {
        const ThoroughCircle t = ThoroughCircleSearch(r, concrete, rebar);
        benchmark::DoNotOptimize(t.ks);
    }
}

} // namespace

BENCHMARK_CAPTURE(SearchCircle, defaults, kNoGrade, kNoGrade)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SearchCircle, defaults_C30_HPB235, kC30, kHPB235)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SearchThoroughly, defaults, kNoGrade, kNoGrade)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchThoroughly, defaults_C30_HPB235, kC30, kHPB235)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PolylineFactor, defaults, kNoGrade, kNoGrade)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PolylineFactor, defaults_C30_HPB235, kC30, kHPB235)
    ->Unit(benchmark::kMicrosecond);
