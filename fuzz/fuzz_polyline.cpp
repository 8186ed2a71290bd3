// Polyline slip factor on any record a user can type, with any list selections.
#include "CalcHarness.h"
#include "PolylineSlip.h"

using namespace korvane;

namespace {
const fuzzcalc::CalcTarget<PolylineSlipRecord> kTarget{
    "polyline slip", korvane::PolylineSlipMembers(), 2,
    [](PolylineSlipRecord& r, int concrete, int rebar) { return ComputePolylineSlip(r, concrete, rebar); },
    {"ks"}};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return fuzzcalc::RunOne(kTarget, data, size);
}
