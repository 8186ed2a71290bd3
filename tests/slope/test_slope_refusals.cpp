// Inputs that would keep a loop running for ever, or that leave nothing to compute:
// each is refused for its reason and leaves the record as it was. A refusal that
// does not stop its loop hangs the test, which CTest's time limit turns into a failure.
#include "CircularSlip.h"
#include "PolylineSlip.h"
#include "RefusalPrinting.h"
#include "SlopeTestSupport.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <string>

using namespace korvane;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

template <class Record> struct RefusalCase {
    const char* what;
    std::function<void(Record&)> change;
    Refusal refusal;
};

using R = RefusalReason;

Refusal Because(RefusalReason reason, const char* member = "") {
    return {reason, member};
}

Refusal TooManyRows(int limit) {
    return {
        .reason = R::TooManyPileRowsInCap, .member = "sax", .limit = static_cast<double>(limit)};
}

template <class Record> void PrintTo(const RefusalCase<Record>& c, std::ostream* os) {
    *os << c.what;
}

// Results that a refusal must leave standing.
template <class Record> Record WithEarlierResults() {
    Record r;
    r.m_ks = 1.23;
    r.m_ft = 9;
    r.m_fyv = 99;
    return r;
}

template <class Record, class Calculate>
void ExpectRefused(const RefusalCase<Record>& c, Calculate calculate) {
    Record r = WithEarlierResults<Record>();
    c.change(r);
    const Record before = r;
    const CalcOutcome outcome = calculate(r);
    EXPECT_EQ(outcome.refusal, c.refusal) << c.what;
    EXPECT_TRUE(outcome.undefined.empty());
    EXPECT_TRUE(SameBytes(r, before)) << c.what << ": the record was changed";
}

using CircleCase = RefusalCase<CircularSlipRecord>;

class CircleRefusals : public ::testing::TestWithParam<CircleCase> {};

TEST_P(CircleRefusals, RefusedForTheReasonAndRecordUntouched) {
    ExpectRefused(GetParam(),
                  [](CircularSlipRecord& r) { return SearchCriticalCircle(r, kC30, kHPB235); });
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, CircleRefusals,
    ::testing::Values(
        CircleCase{"negative sax", [](auto& r) { r.m_sax = -1; }, Because(R::Negative, "sax")},
        CircleCase{"NaN sax", [](auto& r) { r.m_sax = kNaN; }, Because(R::NotFinite, "sax")},
        CircleCase{"tiny sax", [](auto& r) { r.m_sax = 1e-9; }, TooManyRows(kMaxCirclePileRows)},
        CircleCase{"NaN say", [](auto& r) { r.m_say = kNaN; }, Because(R::NotFinite, "say")},
        CircleCase{"infinite h", [](auto& r) { r.m_h = kInf; }, Because(R::NotFinite, "h")},
        CircleCase{"NaN beta", [](auto& r) { r.m_beta = kNaN; }, Because(R::NotFinite, "beta")},
        CircleCase{"infinite b", [](auto& r) { r.m_b = kInf; }, Because(R::NotFinite, "b")},
        CircleCase{"endless ray range", [](auto& r) { r.m_searchAngleFrom = 1e12; },
                   Because(R::SearchAnglesInvalid)},
        CircleCase{"NaN start distance", [](auto& r) { r.m_searchDistFrom = kNaN; },
                   Because(R::SearchStartNotFinite)}));

INSTANTIATE_TEST_SUITE_P(
    FoundWhileSearching, CircleRefusals,
    ::testing::Values(
        // The factor keeps falling by more than the tolerance with every step outward.
        CircleCase{"endless descent",
                   [](auto& r) {
                       r.m_h = 0.01;
                       r.m_c = -1e6;
                       r.m_gamma = -18.6;
                   },
                   Because(R::EndlessDescent)},
        // Crest so far out that a row spacing no longer moves the row position.
        CircleCase{"rows that do not advance", [](auto& r) { r.m_h = 1e17; },
                   Because(R::CirclePileRowLimit)},
        // Ten thousand rows under every large circle: the search as a whole does too much.
        CircleCase{"too much work in all",
                   [](auto& r) {
                       r.m_h = 1000;
                       r.m_b = 1000;
                       r.m_sax = 0.1;
                   },
                   Because(R::SearchWorkLimit)},
        // A first centre next to the toe: slices too narrow to ever pass the exit.
        CircleCase{"vanishing circle",
                   [](auto& r) {
                       r.m_h = 0;
                       r.m_searchDistFrom = 1e-9;
                   },
                   Because(R::CircleSliceLimit)}));

using PolylineCase = RefusalCase<PolylineSlipRecord>;

class PolylineRefusals : public ::testing::TestWithParam<PolylineCase> {};

TEST_P(PolylineRefusals, RefusedForTheReasonAndRecordUntouched) {
    ExpectRefused(GetParam(),
                  [](PolylineSlipRecord& r) { return ComputePolylineSlip(r, kC30, kHPB235); });
}

const Refusal kHeightTooSmall{
    .reason = R::BelowMinimum, .member = "h", .limit = kLeastPolylineSlopeHeight};
const Refusal kSaxNotPositive = Because(R::NotPositive, "sax");

INSTANTIATE_TEST_SUITE_P(
    Inputs, PolylineRefusals,
    ::testing::Values(
        PolylineCase{"zero h", [](auto& r) { r.m_h = 0; }, kHeightTooSmall},
        PolylineCase{"negative h", [](auto& r) { r.m_h = -6; }, kHeightTooSmall},
        PolylineCase{"h just below 0.001", [](auto& r) { r.m_h = 0.000999; }, kHeightTooSmall},
        PolylineCase{"NaN h", [](auto& r) { r.m_h = kNaN; }, kHeightTooSmall},
        PolylineCase{"infinite h", [](auto& r) { r.m_h = kInf; }, Because(R::NotFinite, "h")},
        PolylineCase{"segment length beyond the double range", [](auto& r) { r.m_L3 = kInf; },
                     Because(R::NotFinite, "L3")},
        PolylineCase{"NaN segment angle", [](auto& r) { r.m_theta1 = kNaN; },
                     Because(R::NotFinite, "theta1")},
        PolylineCase{"lengths whose sum overflows",
                     [](auto& r) {
                         r.m_theta3 = r.m_theta2 = r.m_theta1 = 0;
                         r.m_L3 = r.m_L2 = r.m_L1 = 1.7e308;
                     },
                     Because(R::SlipProjectionNotFinite)},
        PolylineCase{"slip surface of too many strips", [](auto& r) { r.m_L3 = 1e4; },
                     Refusal{.reason = R::SlipTooLong, .limit = kMaxPolylineStrips}},
        PolylineCase{"zero sax", [](auto& r) { r.m_sax = 0; }, kSaxNotPositive},
        PolylineCase{"negative sax", [](auto& r) { r.m_sax = -1.8; }, kSaxNotPositive},
        PolylineCase{"NaN sax", [](auto& r) { r.m_sax = kNaN; }, kSaxNotPositive},
        PolylineCase{"tiny sax", [](auto& r) { r.m_sax = 1e-9; },
                     TooManyRows(kMaxPolylinePileRows)},
        PolylineCase{"first pile at the toe", [](auto& r) { r.m_a = -10; },
                     Because(R::FirstPileBeforeToe)}));

INSTANTIATE_TEST_SUITE_P(
    FoundWhileComputing, PolylineRefusals,
    ::testing::Values(
        // Crest so far out that the row spacing no longer moves the row position.
        PolylineCase{"rows that do not advance",
                     [](auto& r) {
                         r.m_h = 1e17;
                         r.m_L3 = 2e17;
                     },
                     Because(R::PolylinePileRowLimit)}));

TEST(SlopeRefusals, FirstPileJustClearOfTheToeIsComputed) {
    // The first row must lie eps or more beyond the toe for its segment to be found.
    PolylineSlipRecord r;
    const double xB = CrestX(r.m_h, r.m_beta);
    r.m_a = 0.00002 - r.m_d / 1000 - xB;
    EXPECT_TRUE(ComputePolylineSlip(r, kC30, kHPB235).computed());
    r.m_a = 0.000005 - r.m_d / 1000 - xB;
    EXPECT_FALSE(ComputePolylineSlip(r, kC30, kHPB235).computed());
}

} // namespace
