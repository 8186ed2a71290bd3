// One trial circle by the slice method: the worked circle through (3.75, 6.4) and the
// tolerance senses at the cap edges and the pile rows.
#include "CircularSlip.h"
#include "SlopeTestSupport.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace korvane;

namespace {

constexpr double kX0 = 3.75;
constexpr double kY0 = 6.4;

TEST(CircleFactor, WorkedCircleWithC30AndHPB235) {
    const CircularSlipRecord r = CircleWorkingRecord(kC30, kHPB235);
    const CircleEvaluation e = EvaluateCircle(r, kX0, kY0);

    EXPECT_NEAR(e.radius, 7.4177, 5e-5);
    EXPECT_NEAR(e.exitX, 11.1569, 5e-5);
    EXPECT_NEAR(e.sliceWidth, 0.74177, 5e-6);
    EXPECT_EQ(e.sliceCount, 16);
    EXPECT_EQ(e.pileRowCount, 7);  // 8.3029 to the far edge 8.9029, 0.1 m apart
    EXPECT_EQ(e.capSliceCount, 2); // right edges 8.159 and 8.901 under the cap from 7.5029
    EXPECT_NEAR(e.pileShear, 535.47, 0.005);
    EXPECT_NEAR(e.soilResisting, 399.86, 0.005);
    EXPECT_NEAR(e.pileResisting, 1287.12, 0.005);
    EXPECT_NEAR(e.driving, 1009.88, 0.005);
    EXPECT_NEAR(e.factor, 1.6705, 5e-5);
    EXPECT_TRUE(e.withinLimits);
}

TEST(CircleFactor, WorkedCircleWithoutGradeHasNoPileResistance) {
    const CircularSlipRecord r = CircleWorkingRecord(kNoGrade, kNoGrade);
    const CircleEvaluation e = EvaluateCircle(r, kX0, kY0);
    EXPECT_EQ(e.pileShear, 0.0);
    EXPECT_EQ(e.pileResisting, 0.0);
    EXPECT_NEAR(e.factor, 0.3959, 5e-5);
}

// Right edge of the k-th slice of the worked circle.
double SliceEdge(int k) {
    return k * (0.1 * std::sqrt(kX0 * kX0 + kY0 * kY0));
}

struct CapEdgeCase {
    const char* what;
    double nearEdgeBeforeSlice10; // x of slice 10's right edge minus the cap's near edge
    double farEdgeBeforeSlice12;  // x of slice 12's right edge minus the cap's far edge
    int capSlices;
};

void PrintTo(const CapEdgeCase& c, std::ostream* os) {
    *os << c.what;
}

class CircleCapEdges : public ::testing::TestWithParam<CapEdgeCase> {};

// A slice carries the cap load when its right edge lies more than 0.00001 past the near
// edge and less than 0.00001 past the far edge.
TEST_P(CircleCapEdges, LoadFollowsTheRightEdgeWithFixedTolerance) {
    const CapEdgeCase c = GetParam();
    CircularSlipRecord r = CircleWorkingRecord(kC30, kHPB235);
    const double xB = CrestX(r.m_h, r.m_beta);
    const double nearEdge = SliceEdge(10) - c.nearEdgeBeforeSlice10;
    const double farEdge = SliceEdge(12) - c.farEdgeBeforeSlice12;
    r.m_a = nearEdge - xB;
    r.m_b = farEdge - nearEdge;
    EXPECT_EQ(EvaluateCircle(r, kX0, kY0).capSliceCount, c.capSlices) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Tolerance, CircleCapEdges,
    ::testing::Values(CapEdgeCase{"edge just past near edge: unloaded", 0.000005, -0.1, 2},
                      CapEdgeCase{"edge clearly past near edge: loaded", 0.00002, -0.1, 3},
                      CapEdgeCase{"edge just past far edge: loaded", -0.1, 0.000005, 2},
                      CapEdgeCase{"edge clearly past far edge: unloaded", -0.1, 0.00002, 1}));

TEST(CircleFactor, PileRowsIncludeBothEndsOfTheSpan) {
    CircularSlipRecord r = CircleWorkingRecord(kC30, kHPB235);
    // The last row stands on the far edge; it still counts just inside the tolerance.
    r.m_b = 1.4 - 0.000005;
    EXPECT_EQ(EvaluateCircle(r, kX0, kY0).pileRowCount, 7);
    r.m_b = 1.4 - 0.00002;
    EXPECT_EQ(EvaluateCircle(r, kX0, kY0).pileRowCount, 6);
}

TEST(CircleFactor, PileRowJustPastTheRightmostPointOfTheCircle) {
    // Level ground at the centre's height: the circle exits at its rightmost point,
    // and a row within the tolerance beyond it still counts. Its crossing is taken
    // level with the centre rather than from the root of a negative number.
    CircularSlipRecord r = CircleWorkingRecord(kC30, kHPB235);
    const double x0 = 3.0, y0 = r.m_h;
    const double rightmost = x0 + std::sqrt(x0 * x0 + y0 * y0);
    r.m_a = rightmost + 0.000005 - r.m_d / 1000 - CrestX(r.m_h, r.m_beta);
    const CircleEvaluation e = EvaluateCircle(r, x0, y0);
    EXPECT_EQ(e.pileRowCount, 1);
    EXPECT_TRUE(std::isfinite(e.pileResisting));
    EXPECT_TRUE(std::isfinite(e.factor));
}

TEST(CircleFactor, LiquefiedLayerOnlyLoadsTheLevelGround) {
    CircularSlipRecord r = CircleWorkingRecord(kNoGrade, kNoGrade);
    const double dry = EvaluateCircle(r, kX0, kY0).factor;
    r.m_h1 = 1.0;
    const double liquefied = EvaluateCircle(r, kX0, kY0).factor;
    EXPECT_LT(liquefied, dry); // the thrust drives the mass toward the face
    // Slope so flat that the circle exits before the crest: no slice is on level ground.
    r.m_beta = 5;
    const double flatDry = [&] {
        CircularSlipRecord d = r;
        d.m_h1 = 0;
        return EvaluateCircle(d, kX0, kY0).factor;
    }();
    EXPECT_EQ(EvaluateCircle(r, kX0, kY0).factor, flatDry);
}

TEST(CircleFactor, LoopLimitsGiveNaNInsteadOfRunningOn) {
    CircularSlipRecord r = CircleWorkingRecord(kC30, kHPB235);
    r.m_sax = -0.1; // the pile rows would walk away from the far edge for ever
    const CircleEvaluation rows = EvaluateCircle(r, kX0, kY0);
    EXPECT_FALSE(rows.withinLimits);
    EXPECT_EQ(rows.pileRowCount, kCirclePileRowLoopLimit);
    EXPECT_TRUE(std::isnan(EvaluateCircle(r, kX0, kY0).factor));

    // No slope height and a centre next to the toe: slices of a ten-millionth of a
    // millimetre would need ten million steps to pass the exit point.
    CircularSlipRecord tiny = CircleWorkingRecord(kC30, kHPB235);
    tiny.m_h = 0;
    const CircleEvaluation slices = EvaluateCircle(tiny, 1e-9, 0);
    EXPECT_FALSE(slices.withinLimits);
    EXPECT_EQ(slices.sliceCount, kMaxCircleSlices);
}

} // namespace
