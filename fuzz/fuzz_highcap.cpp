// Largest pile forces of a high-cap group on any record a user can type.
#include "CalcHarness.h"
#include "HighCap.h"

using namespace korvane;

namespace {
// The depth plot draws all 41 points of both series.
void CheckPlot(const HighCapRecord& r, const CalcOutcome& outcome) {
    constexpr int last = HighCapRecord::kSeriesPoints - 1;
    fuzzcalc::CheckSeries("high cap", "momentSeries", r.m_momentSeries, last, outcome);
    fuzzcalc::CheckSeries("high cap", "shearSeries", r.m_shearSeries, last, outcome);
}

const fuzzcalc::CalcTarget<HighCapRecord> kTarget{
    "high cap", korvane::HighCapMembers(), 1,
    [](HighCapRecord& r, int concrete, int) { return CalculateHighCapForces(r, concrete); },
    {"Mmax", "xPile", "yMmax", "Qmax", "yQmax", "Ntop", "x0", "capU", "capBeta"},
    {"momentSeries", "shearSeries"},
    CheckPlot};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return fuzzcalc::RunOne(kTarget, data, size);
}
