// Time of one press of each slope calculator's button, of the thorough circle search
// beside the circular one, and of the design code's methods beside both, on the form
// defaults.
#include "BishopMethod.h"
#include "CircularSlip.h"
#include "PolylineSlip.h"
#include "SlopeSection.h"
#include "ThoroughCircleSearch.h"
#include "TransferCoefficient.h"

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

// The Bishop factor of the circle whose ordinary factor is ks, the search for that circle
// included.
void BishopOfTheKsCircle(benchmark::State& state, int concrete, int rebar) {
    const CircularSlipRecord w = CircleSearchWorkingRecord(CircularSlipRecord(), concrete, rebar);
    for (auto _ : state) {
        const CircleSearchRun run = RunCircleSearch(w);
        const BishopFactor b = BishopFactorOf(DescribeCircle(w, run.ksX, run.ksY), w);
        benchmark::DoNotOptimize(b.factor);
    }
}

void LeastBishop(benchmark::State& state, int concrete, int rebar) {
    const CircularSlipRecord w = CircleSearchWorkingRecord(CircularSlipRecord(), concrete, rebar);
    for (auto _ : state) {
        const BishopLeast least = LeastBishopCircle(w);
        benchmark::DoNotOptimize(least.circle.ks);
    }
}

// The strips described and the transfer factor found on them.
void TransferMethod(benchmark::State& state, int concrete, int rebar) {
    const PolylineSlipRecord w = WithPileGrades(PolylineSlipRecord(), concrete, rebar);
    for (auto _ : state) {
        const korvane::TransferFactor t = TransferFactorOf(DescribePolylineSlip(w), w);
        benchmark::DoNotOptimize(t.factor);
    }
}

} // namespace

BENCHMARK_CAPTURE(BishopOfTheKsCircle, defaults_C30_HPB235, kC30, kHPB235)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(LeastBishop, defaults_C30_HPB235, kC30, kHPB235)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(TransferMethod, defaults_C30_HPB235, kC30, kHPB235)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SearchCircle, defaults, kNoGrade, kNoGrade)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SearchCircle, defaults_C30_HPB235, kC30, kHPB235)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SearchThoroughly, defaults, kNoGrade, kNoGrade)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchThoroughly, defaults_C30_HPB235, kC30, kHPB235)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PolylineFactor, defaults, kNoGrade, kNoGrade)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PolylineFactor, defaults_C30_HPB235, kC30, kHPB235)
    ->Unit(benchmark::kMicrosecond);
