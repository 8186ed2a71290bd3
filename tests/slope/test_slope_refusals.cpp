// Inputs that would keep a loop running for ever, or that leave nothing to compute:
// each is refused with its message and leaves the record as it was. A refusal that
// does not stop its loop hangs the test, which CTest's time limit turns into a failure.
#include "CircularSlip.h"
#include "PolylineSlip.h"
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
    std::string message;
};

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
    EXPECT_EQ(outcome.refusal, c.message) << c.what;
    EXPECT_TRUE(outcome.undefined.empty());
    EXPECT_TRUE(SameBytes(r, before)) << c.what << ": the record was changed";
}

using CircleCase = RefusalCase<CircularSlipRecord>;

class CircleRefusals : public ::testing::TestWithParam<CircleCase> {};

TEST_P(CircleRefusals, RefusedWithMessageAndRecordUntouched) {
    ExpectRefused(GetParam(),
                  [](CircularSlipRecord& r) { return SearchCriticalCircle(r, kC30, kHPB235); });
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, CircleRefusals,
    ::testing::Values(
        CircleCase{"negative sax", [](auto& r) { r.m_sax = -1; }, "桩中心距sax不能为负数。"},
        CircleCase{"NaN sax", [](auto& r) { r.m_sax = kNaN; }, "桩中心距sax必须是有限数值。"},
        CircleCase{"tiny sax", [](auto& r) { r.m_sax = 1e-9; },
                   "桩中心距sax过小：承台宽度内的桩排数超过10000排。"},
        CircleCase{"NaN say", [](auto& r) { r.m_say = kNaN; }, "桩中心距say必须是有限数值。"},
        CircleCase{"infinite h", [](auto& r) { r.m_h = kInf; }, "坡高h必须是有限数值。"},
        CircleCase{"NaN beta", [](auto& r) { r.m_beta = kNaN; }, "坡角必须是有限数值。"},
        CircleCase{"infinite b", [](auto& r) { r.m_b = kInf; }, "承台宽度b必须是有限数值。"},
        CircleCase{"endless ray range", [](auto& r) { r.m_searchAngleFrom = 1e12; },
                   "搜索射线的角度范围无效。"},
        CircleCase{"NaN start distance", [](auto& r) { r.m_searchDistFrom = kNaN; },
                   "搜索起始距离必须是有限数值。"}));

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
                   "沿搜索射线安全系数持续下降，未能找到临界滑动圆弧：请检查输入数据。"},
        // Crest so far out that a row spacing no longer moves the row position.
        CircleCase{"rows that do not advance", [](auto& r) { r.m_h = 1e17; },
                   "试算圆弧切过的桩排数超过上限，无法计算：请检查桩中心距sax。"},
        // Ten thousand rows under every large circle: the search as a whole does too much.
        CircleCase{"too much work in all",
                   [](auto& r) {
                       r.m_h = 1000;
                       r.m_b = 1000;
                       r.m_sax = 0.1;
                   },
                   "试算圆弧的计算量超过上限，无法完成搜索：请检查输入数据。"},
        // A first centre next to the toe: slices too narrow to ever pass the exit.
        CircleCase{"vanishing circle",
                   [](auto& r) {
                       r.m_h = 0;
                       r.m_searchDistFrom = 1e-9;
                   },
                   "试算圆弧的条分数超过上限，无法计算：请检查坡高h和坡角。"}));

using PolylineCase = RefusalCase<PolylineSlipRecord>;

class PolylineRefusals : public ::testing::TestWithParam<PolylineCase> {};

TEST_P(PolylineRefusals, RefusedWithMessageAndRecordUntouched) {
    ExpectRefused(GetParam(),
                  [](PolylineSlipRecord& r) { return ComputePolylineSlip(r, kC30, kHPB235); });
}

const std::string kHeightTooSmall = "坡高h必须不小于0.001 m。";
const std::string kSaxNotPositive = "桩中心距sax必须大于0。";

INSTANTIATE_TEST_SUITE_P(
    Inputs, PolylineRefusals,
    ::testing::Values(
        PolylineCase{"zero h", [](auto& r) { r.m_h = 0; }, kHeightTooSmall},
        PolylineCase{"negative h", [](auto& r) { r.m_h = -6; }, kHeightTooSmall},
        PolylineCase{"h just below 0.001", [](auto& r) { r.m_h = 0.000999; }, kHeightTooSmall},
        PolylineCase{"NaN h", [](auto& r) { r.m_h = kNaN; }, kHeightTooSmall},
        PolylineCase{"infinite h", [](auto& r) { r.m_h = kInf; }, "坡高h必须是有限数值。"},
        PolylineCase{"segment length beyond the double range", [](auto& r) { r.m_L3 = kInf; },
                     "折线长L3必须是有限数值。"},
        PolylineCase{"NaN segment angle", [](auto& r) { r.m_theta1 = kNaN; },
                     "折线角1必须是有限数值。"},
        PolylineCase{"lengths whose sum overflows",
                     [](auto& r) {
                         r.m_theta3 = r.m_theta2 = r.m_theta1 = 0;
                         r.m_L3 = r.m_L2 = r.m_L1 = 1.7e308;
                     },
                     "折线长度超出数值范围：滑面的水平投影不是有限数值。"},
        PolylineCase{"slip surface of too many strips", [](auto& r) { r.m_L3 = 1e4; },
                     "滑面水平投影相对坡高h过长：条分数超过100000条。"},
        PolylineCase{"zero sax", [](auto& r) { r.m_sax = 0; }, kSaxNotPositive},
        PolylineCase{"negative sax", [](auto& r) { r.m_sax = -1.8; }, kSaxNotPositive},
        PolylineCase{"NaN sax", [](auto& r) { r.m_sax = kNaN; }, kSaxNotPositive},
        PolylineCase{"tiny sax", [](auto& r) { r.m_sax = 1e-9; },
                     "桩中心距sax过小：承台宽度内的桩排数超过10000排。"},
        PolylineCase{"first pile at the toe", [](auto& r) { r.m_a = -10; },
                     "首排桩必须位于坡脚之后：请检查承台距坡肩距离a、桩直径d、坡高h和坡角。"}));

INSTANTIATE_TEST_SUITE_P(
    FoundWhileComputing, PolylineRefusals,
    ::testing::Values(
        // Crest so far out that the row spacing no longer moves the row position.
        PolylineCase{"rows that do not advance",
                     [](auto& r) {
                         r.m_h = 1e17;
                         r.m_L3 = 2e17;
                     },
                     "桩排数超过上限，无法计算：请检查桩中心距sax。"}));

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
