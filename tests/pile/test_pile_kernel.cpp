#include "Grades.h"
#include "PileKernel.h"
#include "RefusalPrinting.h"
#include "Trunc2.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace korvane;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(PileArithmetic, PowerProductFactorial) {
    EXPECT_EQ(Power(-1.0, 3), -1.0);
    EXPECT_EQ(Power(-1.0, 4), 1.0);
    EXPECT_EQ(Power(7.5, 0), 1.0);
    EXPECT_EQ(Power(2.0, -3), 1.0); // no negative powers: the loop does not run
    EXPECT_EQ(Power(2.0, 10), 1024.0);
    EXPECT_EQ(Prod5k(3, 4), 66.0); // 1 · 6 · 11
    EXPECT_EQ(Prod5k(0, 4), 1.0);
    EXPECT_EQ(Prod5k(2, 1), 4.0 * 9.0);
    EXPECT_EQ(Factorial(0), 1.0);
    EXPECT_EQ(Factorial(1), 1.0);
    EXPECT_EQ(Factorial(5), 120.0);
    // The largest factorial the series use stays finite.
    EXPECT_NEAR(Factorial(98) / 9.42689044888324774e153, 1.0, 1e-12);
}

TEST(PileSeries, NearTheHead) {
    const PileSeries s = EvaluatePileSeries(0.001);
    EXPECT_NEAR(s.A1, 1.0, 1e-9);
    EXPECT_NEAR(s.B2, 1.0, 1e-9);
    EXPECT_NEAR(s.C3, 1.0, 1e-9);
    EXPECT_NEAR(s.D4, 1.0, 1e-9);
    EXPECT_NEAR(s.B1, 0.001, 1e-9);
    EXPECT_NEAR(s.C2, 0.001, 1e-9);
    EXPECT_NEAR(s.D3, 0.001, 1e-9);
    EXPECT_NEAR(s.A4, -5e-7, 1e-15);
    EXPECT_NEAR(s.C1, 0.5e-6, 1e-15);
    EXPECT_NEAR(s.D1, 1e-9 / 6, 1e-18);
}

TEST(PileSeries, AtReducedDepthFour) {
    const PileSeries s = EvaluatePileSeries(4.0);
    const struct {
        const char* name;
        double value;
        double expected;
    } cases[] = {
        {"A1", s.A1, -5.85329},  {"B1", s.B1, -5.94095},  {"C1", s.C1, -0.92675},
        {"D1", s.D1, 4.54767},   {"A2", s.A2, -6.53312},  {"B2", s.B2, -12.15789},
        {"C2", s.C2, -10.60840}, {"D2", s.D2, -3.76645},  {"A3", s.A3, -1.61430},
        {"B3", s.B3, -11.73063}, {"C3", s.C3, -17.91863}, {"D3", s.D3, -15.07545},
        {"A4", s.A4, 9.24375},   {"B4", s.B4, -0.35784},  {"C4", s.C4, -15.61050},
        {"D4", s.D4, -23.14032},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(c.value, c.expected, 5e-6) << c.name;
}

TEST(PileSeries, EachRowIsTheDerivativeOfTheOneAbove) {
    // Central differences at z = 2.3: d/dz of row r equals row r+1, column by column.
    const double z = 2.3;
    const double h = 1e-5;
    const PileSeries lo = EvaluatePileSeries(z - h);
    const PileSeries hi = EvaluatePileSeries(z + h);
    const PileSeries s = EvaluatePileSeries(z);
    auto slope = [&](double PileSeries::*f) { return (hi.*f - lo.*f) / (2 * h); };
    EXPECT_NEAR(slope(&PileSeries::A1), s.A2, 1e-6);
    EXPECT_NEAR(slope(&PileSeries::D1), s.D2, 1e-6);
    EXPECT_NEAR(slope(&PileSeries::B2), s.B3, 1e-6);
    EXPECT_NEAR(slope(&PileSeries::C2), s.C3, 1e-6);
    EXPECT_NEAR(slope(&PileSeries::A3), s.A4, 1e-6);
    EXPECT_NEAR(slope(&PileSeries::D3), s.D4, 1e-6);
}

TEST(PileSeries, GridHoldsItsOwnDecimalConstants) {
    const auto& z = kReducedDepthGrid;
    ASSERT_EQ(z.size(), 41u);
    EXPECT_EQ(z[0], 0.001);
    EXPECT_EQ(z[3], 0.3); // 0.1 + 0.1 + 0.1 would not be
    EXPECT_EQ(z[14], 1.4);
    EXPECT_EQ(z[29], 2.9);
    EXPECT_EQ(z[40], 4.0);
}

TEST(PileGrid, IndexOfReducedLengthRoundsHalvesUpAndStaysInTable) {
    EXPECT_EQ(GridIndexOfReducedLength(2.44), 24);
    EXPECT_EQ(GridIndexOfReducedLength(2.46), 25);
    EXPECT_EQ(GridIndexOfReducedLength(4.05), 40);
    EXPECT_EQ(GridIndexOfReducedLength(11.4), 40);
    EXPECT_EQ(GridIndexOfReducedLength(0.0), 0);
    EXPECT_EQ(GridIndexOfReducedLength(-0.04), 0);
    EXPECT_EQ(GridIndexOfReducedLength(-3.0), 0);
    EXPECT_EQ(GridIndexOfReducedLength(-1e300), 0);
    EXPECT_EQ(GridIndexOfReducedLength(1e300), 40);
    EXPECT_EQ(GridIndexOfReducedLength(kInf), 40);
    EXPECT_EQ(GridIndexOfReducedLength(-kInf), 0);
    EXPECT_EQ(GridIndexOfReducedLength(kNaN), 0);
}

TEST(PileHeadFactors, RestrainedAndEmbedded) {
    const PileSeries s4 = EvaluatePileSeries(4.0);
    const PileSeries s1 = EvaluatePileSeries(1.0);
    const struct {
        const char* name;
        HeadFactors f;
        double fHH, fMH, fMM;
    } cases[] = {
        {"restrained z=4", HeadFactorsRestrained(s4, 0.0), 2.4406, 1.6210, 1.7506},
        {"embedded z=4", HeadFactorsEmbedded(s4), 2.4008, 1.5999, 1.7322},
        {"restrained z=1", HeadFactorsRestrained(s1, 0.0), 18.0301, 24.1059, 36.4856},
        {"embedded z=1", HeadFactorsEmbedded(s1), 0.3285, 0.4937, 0.9918},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(c.f.fHH, c.fHH, 5e-5) << c.name;
        EXPECT_NEAR(c.f.fMH, c.fMH, 5e-5) << c.name;
        EXPECT_NEAR(c.f.fMM, c.fMM, 5e-5) << c.name;
    }
}

TEST(PileHeadFactors, TipRestraintStiffensAShortPile) {
    const PileSeries s = EvaluatePileSeries(1.0);
    const HeadFactors free = HeadFactorsRestrained(s, 0.0);
    const HeadFactors held = HeadFactorsRestrained(s, 0.5);
    EXPECT_LT(held.fHH, free.fHH);
    EXPECT_LT(held.fMM, free.fMM);
}

TEST(PileSection, QuantitiesWithTheRoundedPi) {
    EXPECT_DOUBLE_EQ(SectionInertia(0.5), 0.003068359375);
    EXPECT_DOUBLE_EQ(SectionArea(0.5), 0.196375);
    EXPECT_DOUBLE_EQ(BendingStiffness(30000000.0, 0.003068359375), 78243.1640625);
    EXPECT_DOUBLE_EQ(CalculationWidth(0.5), 1.125);
    EXPECT_DOUBLE_EQ(CalculationWidth(0.6), 1.26);
    EXPECT_DOUBLE_EQ(CalculationWidth(1.0), 1.8);
}

TEST(PileSection, CalculationWidthSwitchesJustAboveOneMetre) {
    // 1.001 - 1.0 falls just below 0.001 in double arithmetic: still the small-pile formula.
    EXPECT_DOUBLE_EQ(CalculationWidth(1.001), (1.5 * 1.001 + 0.5) * 0.9);
    EXPECT_DOUBLE_EQ(CalculationWidth(1.002), (1.002 + 1.0) * 0.9);
    EXPECT_DOUBLE_EQ(CalculationWidth(1.5), 2.25);
}

TEST(PileSection, FrictionTipAreaTakesTheSmallerSpread) {
    // Deep pile: the spacing share (2 + 1.95)² · 3.142 / 16 is the smaller.
    EXPECT_DOUBLE_EQ(TipAreaFriction(20, 34.0, 0.5, 2.0, 1.95), 3.0639409375);
    // Short pile without friction: the tip section itself.
    EXPECT_DOUBLE_EQ(TipAreaFriction(0, 5.0, 0.5, 6.0, 6.0), 3.142 * 0.25 * 0.25);
    EXPECT_DOUBLE_EQ(TipAreaEndBearing(0.5), 0.196375);
}

TEST(PileHead, TopFlexibilityAndStiffness) {
    const HeadFlexibility g{2e-4, 1e-4, 8e-5};
    const HeadFlexibility same = ExtendToTop(g, 0.0, 5e4);
    EXPECT_EQ(same.dHH, g.dHH);
    EXPECT_EQ(same.dMH, g.dMH);
    EXPECT_EQ(same.dMM, g.dMM);

    // A free length adds the cantilever's own flexibility l³/3EI, l²/2EI, l/EI.
    const double EI = 5e4;
    const double l0 = 2.0;
    const HeadFlexibility t = ExtendToTop({0.0, 0.0, 0.0}, l0, EI);
    EXPECT_DOUBLE_EQ(t.dHH, 8.0 / 3.0 / EI);
    EXPECT_DOUBLE_EQ(t.dMH, 2.0 / EI);
    EXPECT_DOUBLE_EQ(t.dMM, 2.0 / EI);

    // The lateral stiffness inverts the flexibility (with rMH the coupling's magnitude).
    const HeadFlexibility top = ExtendToTop(g, l0, EI);
    const HeadStiffness r = PileHeadStiffness(top, 0.5, 34.0, l0, 3e7, 0.196375, 510000.0, 3.0);
    EXPECT_NEAR(r.rHH * top.dHH - r.rMH * top.dMH, 1.0, 1e-12);
    EXPECT_NEAR(r.rMM * top.dMM - r.rMH * top.dMH, 1.0, 1e-12);
    EXPECT_NEAR(r.rHH * top.dMH - r.rMH * top.dMM, 0.0, 1e-9);
    // Axially, shaft and tip act in series: a rigid tip leaves the shaft alone.
    const HeadStiffness rigidTip = PileHeadStiffness(top, 0.5, 34.0, l0, 3e7, 0.196375, kInf, 3.0);
    EXPECT_DOUBLE_EQ(rigidTip.rNN, 3e7 * 0.196375 / (0.5 * 34.0 + l0));
    EXPECT_LT(r.rNN, rigidTip.rNN);
}

TEST(PileForces, MomentAndShearJustBelowTheGroundAreTheGroundValues) {
    const PileSeries s = EvaluatePileSeries(0.001);
    const double alpha = 0.6;
    const double EI = 80000.0;
    EXPECT_NEAR(MomentAtDepth(s, 0.004, -0.002, -16.4, 35.2, alpha, EI), -16.4, 0.1);
    EXPECT_NEAR(ShearAtDepth(s, 0.004, -0.002, -16.4, 35.2, alpha, EI), 35.2, 0.01);
}

TEST(PileForces, SmallAndUndefinedDepthValuesAreStoredAsZero) {
    EXPECT_EQ(SmallToZero(0.00009), 0.0);
    EXPECT_EQ(SmallToZero(-0.00009), 0.0);
    EXPECT_EQ(SmallToZero(0.0001), 0.0001);
    EXPECT_EQ(SmallToZero(kNaN), 0.0);
    EXPECT_EQ(SmallToZero(-kInf), -kInf);
    // Through the moment itself: nothing acts, nothing is left.
    const PileSeries s = EvaluatePileSeries(1.5);
    EXPECT_EQ(SmallToZero(MomentAtDepth(s, 1e-12, 0.0, 0.0, 0.0, 0.6, 80000.0)), 0.0);
    EXPECT_EQ(SmallToZero(ShearAtDepth(s, kNaN, 0.0, 0.0, 0.0, 0.6, 80000.0)), 0.0);
}

TEST(PileForces, RunningMaximumComparesCutWithUncut) {
    // -40.129 is kept as -40.12; a later 40.125 still exceeds it.
    const double stored = Trunc2(-40.129);
    EXPECT_DOUBLE_EQ(stored, -40.12);
    EXPECT_TRUE(RaisesMaximum(stored, 40.125));
    EXPECT_TRUE(RaisesMaximum(stored, -40.125));
    EXPECT_FALSE(RaisesMaximum(stored, 40.12)); // strictly greater only
    EXPECT_FALSE(RaisesMaximum(0.0, 0.0));
    EXPECT_FALSE(RaisesMaximum(0.0, kNaN));
}

TEST(PileGroupInput, Refusals) {
    using R = RefusalReason;
    const Refusal noGrade{R::NoConcreteGrade};
    EXPECT_EQ(PileGroupInputRefusal(-1, 9, 26), noGrade);
    EXPECT_EQ(PileGroupInputRefusal(kConcreteGradeCount, 9, 26), noGrade);
    EXPECT_EQ(PileGroupInputRefusal(0, 0, 26), (Refusal{R::TooFewPiles, "nx"}));
    EXPECT_EQ(PileGroupInputRefusal(0, -3, 26), (Refusal{R::TooFewPiles, "nx"}));
    EXPECT_EQ(PileGroupInputRefusal(0, 9, 0), (Refusal{R::TooFewPiles, "nz"}));
    const auto tooMany = [](long long piles) {
        return Refusal{.reason = R::TooManyPiles, .count = piles, .limit = kMaxGroupPiles};
    };
    EXPECT_EQ(PileGroupInputRefusal(0, 41, 61), tooMany(2501));
    // The product is formed without overflow.
    EXPECT_EQ(PileGroupInputRefusal(5, 100000, 100000), tooMany(10000000000));
    EXPECT_EQ(PileGroupInputRefusal(0, 2147483647, 2147483647), tooMany(4611686014132420609));
    EXPECT_EQ(PileGroupInputRefusal(0, 50, 50), std::nullopt);
    EXPECT_EQ(PileGroupInputRefusal(5, 1, 1), std::nullopt);
}

} // namespace
