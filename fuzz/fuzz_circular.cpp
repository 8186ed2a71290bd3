// Critical circle search on any record a user can type, with any list selections.
#include "CalcHarness.h"
#include "CircularSlip.h"

using namespace korvane;

namespace {
const fuzzcalc::CalcTarget<CircularSlipRecord> kTarget{
    "circular search", korvane::CircularSlipMembers(), 2,
    [](CircularSlipRecord& r, int concrete, int rebar) { return SearchCriticalCircle(r, concrete, rebar); },
    {"x", "y", "ks", "R"}};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return fuzzcalc::RunOne(kTarget, data, size);
}
