// Wall time of a 1,000-point study of the circular form's defaults (C30, HPB235), the pile
// spacing across the slope varied: every point is a whole circle search, computed on all
// cores against one. Once as the command's sweep computes it (CSV rows), once as the study
// window and the report do (unrounded values, with the crossings of a target).
#include "BatchRows.h"
#include "Calculators.h"
#include "StudyRun.h"

#include <benchmark/benchmark.h>

#include <thread>

using namespace korvane;

namespace {

const StudyRange kRange{"say", 0.8, 4.0, 1000};

CaseData DefaultCircular() {
    CaseData base;
    base.calculator = "circular";
    base.selections = {{"concrete", "C30"}, {"rebar", "HPB235"}};
    return base;
}

// 1: one core; 0: every core.
unsigned ThreadsOf(const benchmark::State& state) {
    return state.range(0) == 0 ? std::max(std::thread::hardware_concurrency(), 1u)
                               : static_cast<unsigned>(state.range(0));
}

void CircularSweep(benchmark::State& state) {
    const Calculator<CircularSlipRecord>& calc = CircularCalculator();
    BatchPlan plan;
    (void)PlanBatch(calc, CsvRow{kRange.input}, plan);
    plan.base = DefaultCircular();
    std::vector<CsvRow> rows;
    for (int i = 0; i < kRange.points; ++i)
        rows.push_back({StudyText(StudyPoint(kRange, i))});
    const unsigned threads = ThreadsOf(state);
    for (auto _ : state) {
        const BatchAnswer answer =
            ComputeBatchRows(calc, plan, std::span<const CsvRow>(rows), CsvStyle{}, threads);
        benchmark::DoNotOptimize(answer.lines.data());
    }
    state.counters["threads"] = threads;
}

void CircularStudy(benchmark::State& state) {
    const StudySettings settings{kRange, "ks", StudyTarget{"ks", true, 1.35}, false};
    const CaseData base = DefaultCircular();
    const unsigned threads = ThreadsOf(state);
    for (auto _ : state) {
        const StudyAnswer answer = RunStudy(base, settings, threads);
        benchmark::DoNotOptimize(answer.points.data());
    }
    state.counters["threads"] = threads;
}

} // namespace

BENCHMARK(CircularSweep)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(CircularStudy)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();
