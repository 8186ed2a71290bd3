// The design code's methods on the forms' own slices: simplified Bishop on circles and
// the implicit transfer-coefficient method on the polyline.

#include "BishopMethod.h"
#include "PolylineSlip.h"
#include "SlopeTestSupport.h"
#include "TransferCoefficient.h"

#include <gtest/gtest.h>

namespace {

// The circle whose ordinary factor the search shows as ks.
CircleDetail KsCircle(const CircularSlipRecord& working) {
    const CircleSearchRun run = RunCircleSearch(working);
    EXPECT_TRUE(run.ksCircleFound);
    return DescribeCircle(working, run.ksX, run.ksY);
}

TransferFactor TransferOf(const PolylineSlipRecord& working) {
    return TransferFactorOf(DescribePolylineSlip(working), working);
}

} // namespace

TEST(BishopMethod, TheDefaultsKsCircle) {
    const CircularSlipRecord w = CircleWorkingRecord(kC30, kHPB235);
    const CircleDetail circle = KsCircle(w);
    EXPECT_NEAR(circle.x0, 3.7502, 5e-5);
    EXPECT_NEAR(circle.y0, 6.3938, 5e-5);
    const BishopFactor b = BishopFactorOf(circle, w);
    ASSERT_TRUE(b.Defined());
    EXPECT_NEAR(b.factor, 1.7552, 5e-5);
    // The last slice reaches past the exit point, where its base turns steeply up.
    EXPECT_EQ(b.leastMSlice, static_cast<int>(circle.slices.size()) - 1);
    EXPECT_NEAR(b.leastM, 0.12, 0.01);
    EXPECT_LT(b.leastM, kBishopLowM);
}

TEST(BishopMethod, WithoutFrictionItIsTheOrdinaryFactor) {
    CircularSlipRecord w = CircleWorkingRecord(kC30, kHPB235);
    w.m_phi = 0;
    const CircleDetail circle = KsCircle(w);
    const BishopFactor b = BishopFactorOf(circle, w);
    ASSERT_TRUE(b.Defined());
    EXPECT_NEAR(b.factor, circle.factor, 1e-12);
    EXPECT_LE(b.iterations, 2);
}

TEST(BishopMethod, AnMAtOrBelowZeroOrNoStartLeavesItUndefined) {
    CircularSlipRecord w = CircleWorkingRecord(kC30, kHPB235);
    // A friction angle beyond a right angle turns tan φ negative: m falls below 0 where
    // the base rises.
    w.m_phi = 120;
    const BishopFactor steep = BishopFactorOf(KsCircle(w), w);
    EXPECT_EQ(steep.outcome, BishopOutcome::MNotPositive);
    EXPECT_LE(steep.leastM, 0);
    EXPECT_FALSE(steep.Defined());
    EXPECT_EQ(BishopFactorOf(CircleDetail{}, w).outcome, BishopOutcome::NoSlices);
}

TEST(BishopMethod, TheLeastBishopCircleOfTheFamily) {
    const CircularSlipRecord w = CircleWorkingRecord(kC30, kHPB235);
    const BishopLeast least = LeastBishopCircle(w);
    ASSERT_TRUE(least.circle.found);
    ASSERT_TRUE(least.factor.Defined());
    EXPECT_EQ(least.factor.factor, least.circle.ks);
    // No circle of the family does worse than the one found, the ks circle among them.
    EXPECT_LE(least.circle.ks, BishopFactorOf(KsCircle(w), w).factor);
    EXPECT_NEAR(least.circle.R, std::hypot(least.circle.x, least.circle.y), 1e-12);
}

TEST(TransferCoefficient, TheDefaults) {
    const TransferFactor withPiles = TransferOf(PolylineWorkingRecord(kC30, kHPB235));
    ASSERT_TRUE(withPiles.defined);
    EXPECT_NEAR(withPiles.factor, 0.5481, 5e-5);
    // No thrust is left at the toe.
    EXPECT_NEAR(withPiles.blocks[2].thrust, 0, 1e-6);
    EXPECT_EQ(withPiles.blocks[0].formSegment, 1);
    EXPECT_EQ(withPiles.blocks[0].psi, 1);
    const TransferFactor soilOnly = TransferOf(PolylineWorkingRecord(kNoGrade, kNoGrade));
    ASSERT_TRUE(soilOnly.defined);
    EXPECT_NEAR(soilOnly.factor, 0.3211, 5e-5);
}

TEST(TransferCoefficient, ThreeSegmentsAtOneAngleGiveTheOrdinaryFactor) {
    PolylineSlipRecord w = PolylineWorkingRecord(kC30, kHPB235);
    w.m_theta2 = w.m_theta1;
    w.m_theta3 = w.m_theta1;
    const PolylineSlipDetail detail = DescribePolylineSlip(w);
    ASSERT_FALSE(detail.refusal);
    const TransferFactor t = TransferFactorOf(detail, w);
    ASSERT_TRUE(t.defined);
    for (const TransferBlock& block : t.blocks)
        EXPECT_EQ(block.psi, 1);
    EXPECT_NEAR(t.factor, detail.factor, 1e-8);
}

TEST(TransferCoefficient, NoSignChangeInTheRangeLeavesItUndefined) {
    // Nothing drives and nothing resists: no factor makes the thrust change sign.
    PolylineSlipDetail empty;
    EXPECT_FALSE(TransferFactorOf(empty, PolylineWorkingRecord(kC30, kHPB235)).defined);
    // A block that resists far more than anything drives leaves thrust at no factor below 100.
    PolylineSlipDetail strong;
    PolylineStripDetail s;
    s.strip.segment = 0;
    s.driving = 1;
    s.resisting = 1e6;
    strong.strips = {s};
    EXPECT_FALSE(TransferFactorOf(strong, PolylineWorkingRecord(kC30, kHPB235)).defined);
}
