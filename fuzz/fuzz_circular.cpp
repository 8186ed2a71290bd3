// Critical circle search on any record a user can type, with any list selections. Built
// a second time as fuzz_thorough (KORVANE_FUZZ_THOROUGH), with the thorough search beside
// it on the same record: that search weighs some ten thousand circles a call, so the
// critical circle search alone keeps a target of its own that runs fast.
#include "CalcHarness.h"
#include "CircularSlip.h"
#include "ThoroughCircleSearch.h"
#include "ThoroughCircleShown.h"

using namespace korvane;

namespace {

#ifdef KORVANE_FUZZ_THOROUGH
constexpr bool kWithThorough = true;
#else
constexpr bool kWithThorough = false;
#endif

// The thorough search reads the record only, answers nothing the critical circle search
// refuses, and shows what its fields can read back. It runs inside the same timed call,
// so the watchdog bounds both searches together.
void CheckThorough(const CircularSlipRecord& r, int concrete, int rebar) {
    static fuzzcalc::RecordSlot<CircularSlipRecord> snapshot;
    CircularSlipRecord& before = snapshot.Fresh();
    std::memcpy(static_cast<void*>(&before), &r, sizeof r);
    const ThoroughCircle t = ThoroughCircleSearch(r, concrete, rebar);
    if (std::memcmp(&before, &r, sizeof r) != 0)
        fuzzcalc::Fail("thorough search changed the record");
    if (!t.found)
        return;
    if (CircleSearchRefusal(CircleSearchWorkingRecord(r, concrete, rebar)))
        fuzzcalc::Fail("thorough search answered inputs the critical circle search refuses");
    if (!std::isfinite(t.ks))
        fuzzcalc::Fail("thorough search found ks = %.17g", t.ks);
    const ThoroughShown shown = ShowThoroughCircle(t);
    for (double v : {shown.ks, shown.R, shown.x, shown.y})
        if (!ParseNumber(FormatNumber(v)))
            fuzzcalc::Fail("thorough search shows %.17g, which a field refuses", v);
}

const fuzzcalc::CalcTarget<CircularSlipRecord> kTarget{
    "circular search",
    korvane::CircularSlipMembers(),
    2,
    [](CircularSlipRecord& r, int concrete, int rebar) {
        if (kWithThorough)
            CheckThorough(r, concrete, rebar);
        return SearchCriticalCircle(r, concrete, rebar);
    },
    {"x", "y", "ks", "R"}};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return fuzzcalc::RunOne(kTarget, data, size);
}
