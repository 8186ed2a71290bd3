// Time of one press of each slope calculator's button, on the form defaults.
#include "CircularSlip.h"
#include "PolylineSlip.h"

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

} // namespace

BENCHMARK_CAPTURE(SearchCircle, defaults, kNoGrade, kNoGrade)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SearchCircle, defaults_C30_HPB235, kC30, kHPB235)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PolylineFactor, defaults, kNoGrade, kNoGrade)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PolylineFactor, defaults_C30_HPB235, kC30, kHPB235)
    ->Unit(benchmark::kMicrosecond);
