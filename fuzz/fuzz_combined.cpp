// Combined action of cap, piles and soil on any record a user can type.
#include "CalcHarness.h"
#include "CombinedAction.h"

using namespace korvane;

namespace {
// The depth plot draws points 0 .. m_lastPoint of both series.
void CheckPlot(const CombinedActionRecord& r, const CalcOutcome& outcome) {
    if (r.m_lastPoint < 0 || r.m_lastPoint >= CombinedActionRecord::kSeriesPoints)
        fuzzcalc::Fail("combined action: computed m_lastPoint = %d, outside the 41 depth points", r.m_lastPoint);
    // The plot's scale; it is cut to two decimals like every shown result.
    if (!std::isfinite(r.m_maxMoment))
        fuzzcalc::Fail("combined action: computed m_maxMoment = %g", r.m_maxMoment);
    fuzzcalc::CheckSeries("combined action", "momentSeries", r.m_momentSeries, r.m_lastPoint, outcome);
    fuzzcalc::CheckSeries("combined action", "shearSeries", r.m_shearSeries, r.m_lastPoint, outcome);
}

const fuzzcalc::CalcTarget<CombinedActionRecord> kTarget{
    "combined action", korvane::CombinedActionMembers(), 1,
    [](CombinedActionRecord& r, int concrete, int) { return CalculateCombinedAction(r, concrete); },
    {"Ntop", "x0", "Hc", "Hb", "Mb", "Mc", "Nb", "capU", "capBeta"},
    {"momentSeries", "shearSeries"},
    CheckPlot};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return fuzzcalc::RunOne(kTarget, data, size);
}
