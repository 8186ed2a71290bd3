// A pile group's forces row by row and one pile's moment and shear down from the cap
// underside, from the head response and cap movement that give the results.

#include "Calculators.h"
#include "CombinedAction.h"
#include "Grades.h"
#include "HighCap.h"
#include "PileGroupDetail.h"

#include <algorithm>
#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace korvane;

namespace {

// The position of C30 in the pile forms' concrete list.
int C30() {
    const std::vector<std::string>& entries = CombinedCalculator().lists[0].entries;
    return static_cast<int>(std::find(entries.begin(), entries.end(), "C30") - entries.begin());
}

template <class Record>
PileGroupDetail DetailOf(const Calculator<Record>& calc, Record r = Record()) {
    CaseExtras extras;
    EXPECT_TRUE(calc.calculate(r, {C30()}, {.detail = true}, extras).computed());
    return extras.detail.pileGroup.value_or(PileGroupDetail{});
}

TEST(PileGroupDetail, CombinedDefaultsGiveTheGroupsLargestAndSmallestForces) {
    CombinedActionRecord r;
    const PileGroupDetail g = DetailOf(CombinedCalculator(), r);
    EXPECT_NEAR(g.Nmax, 2635.86, 0.005);
    EXPECT_NEAR(g.NmaxX, 7.64, 1e-12);
    EXPECT_NEAR(g.Nmin, 153.71, 0.005);
    EXPECT_NEAR(g.NminX, -7.64, 1e-12);
    // The rows stand symmetric about the centre line, the forces linear in x.
    ASSERT_EQ(static_cast<int>(g.rows.size()), r.m_nx);
    double total = 0;
    for (const PileRowForce& row : g.rows) {
        EXPECT_EQ(row.count, r.m_nz);
        total += row.N * row.count;
    }
    EXPECT_NEAR(g.Nmean, total / (r.m_nx * r.m_nz), 1e-9);
    EXPECT_NEAR(g.Nmean, (g.Nmax + g.Nmin) / 2, 1e-9);
    // The shown top force is one pile's of the group, not necessarily the largest.
    CombinedActionRecord shown;
    ASSERT_TRUE(CalculateCombinedAction(shown, ConcreteRowAt(C30())).computed());
    EXPECT_LE(shown.m_Ntop, g.Nmax);
}

TEST(PileGroupDetail, HighCapHeadMomentAtTheCapUnderside) {
    for (const auto& [l0, head] : {std::pair{2.0, -86.89}, std::pair{5.0, -139.19}}) {
        HighCapRecord r;
        r.m_l0 = l0;
        const PileGroupDetail g = DetailOf(HighCapCalculator(), r);
        EXPECT_NEAR(g.Mtop, head, 0.005) << l0;
        // Over the free length the moment grows linearly to the ground line; the shear
        // is the head force throughout.
        ASSERT_GE(g.depth.size(), 3u);
        EXPECT_TRUE(g.depth[0].freeLength);
        EXPECT_EQ(g.depth[0].belowCap, 0);
        EXPECT_EQ(g.depth[0].M, g.Mtop);
        EXPECT_EQ(g.depth[1].belowCap, l0);
        EXPECT_EQ(g.depth[1].belowGround, 0);
        EXPECT_EQ(g.depth[1].M, g.M0);
        EXPECT_EQ(g.M0, g.Mtop + g.H0 * l0);
        EXPECT_EQ(g.depth[0].Q, g.H0);
        EXPECT_EQ(g.depth[1].Q, g.H0);
        // Then the 41 calculated points, the first just below the ground line.
        EXPECT_EQ(g.depth.size(), 2u + kGridPoints);
        EXPECT_NEAR(g.depth[2].M, g.M0, 0.01 * std::fabs(g.M0));
        EXPECT_NEAR(g.depth[2].Q, g.H0, 1e-3 * std::fabs(g.H0));
        // The largest moment the form shows lies below the ground line and misses the head.
        HighCapRecord shown = r;
        ASSERT_TRUE(CalculateHighCapForces(shown, C30()).computed());
        EXPECT_GT(std::fabs(g.Mtop), std::fabs(shown.m_Mmax)) << l0;
    }
}

TEST(PileGroupDetail, WithoutFreeLengthTheHeadIsTheGroundLine) {
    HighCapRecord r;
    r.m_l0 = 0;
    const PileGroupDetail g = DetailOf(HighCapCalculator(), r);
    EXPECT_EQ(g.Mtop, g.M0);
    ASSERT_EQ(g.depth.size(), 1u + kGridPoints);
    EXPECT_FALSE(g.depth[0].freeLength);
    EXPECT_EQ(g.depth[0].belowGround, 0);
    EXPECT_FALSE(std::signbit(g.depth[0].belowGround));
}

TEST(PileGroupDetail, OnlyWhenAsked) {
    HighCapRecord r;
    CaseExtras extras;
    ASSERT_TRUE(HighCapCalculator().calculate(r, {C30()}, {}, extras).computed());
    EXPECT_FALSE(extras.detail.pileGroup.has_value());
}

} // namespace
