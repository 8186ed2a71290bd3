// The slope calculations step by step: the detail comes from the loops that compute the
// factor, so its rows add up to the sums and its sums give the factor the form shows.

#include "PolylineSlip.h"
#include "SlopeSection.h"
#include "SlopeTestSupport.h"
#include "ThoroughCircleSearch.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

template <class Rows, class Term> double SumOf(const Rows& rows, Term term) {
    return std::accumulate(rows.begin(), rows.end(), 0.0,
                           [&](double sum, const auto& row) { return sum + term(row); });
}

// Sums that add the same terms in another order agree to rounding.
void ExpectSameSum(double rows, double calculated) {
    EXPECT_NEAR(rows, calculated, 1e-11 * (1 + std::fabs(calculated)));
}

TEST(CircleDetail, TheKsCircleIsTheCentreBeforeTheShownOne) {
    CircularSlipRecord r;
    CircleSearchRun run;
    ASSERT_TRUE(SearchCriticalCircle(r, kC30, kHPB235, run).computed());
    ASSERT_TRUE(run.ksCircleFound);
    EXPECT_NEAR(run.ksX, 3.7502, 5e-5);
    EXPECT_NEAR(run.ksY, 6.3938, 5e-5);
    // The shown centre is one step of 0.01 h further out along the kept ray.
    EXPECT_NEAR(std::hypot(run.x - run.ksX, run.y - run.ksY), 0.06, 1e-12);
    EXPECT_EQ(r.m_x, 3.70);
    EXPECT_EQ(r.m_y, 6.43);

    const CircularSlipRecord working = CircleWorkingRecord(kC30, kHPB235);
    const CircleDetail d = DescribeCircle(working, run.ksX, run.ksY);
    // The detail's factor is the search's ks to the last bit; the shown centre's is not.
    EXPECT_EQ(d.factor, run.ks);
    EXPECT_EQ(d.factor, (d.soilResisting + d.pileResisting) / d.driving);
    EXPECT_NEAR(EvaluateCircle(working, run.x, run.y).factor, 1.737, 5e-4);
    EXPECT_NEAR(d.radius, 7.4125, 5e-5); // the centre's distance from the toe
    ASSERT_EQ(d.slices.size(), 16u);
    ASSERT_EQ(d.pileRows.size(), 7u);

    ExpectSameSum(SumOf(d.slices, [](const auto& s) { return s.resisting; }), d.soilResisting);
    ExpectSameSum(SumOf(d.slices, [](const auto& s) { return s.driving; }), d.driving);
    ExpectSameSum(SumOf(d.pileRows, [](const auto& p) { return p.resistance; }), d.pileResisting);

    // Slices tile the circle from the toe, each 0.1 R wide, the last past the exit point.
    EXPECT_EQ(d.slices.front().leftX, 0);
    for (std::size_t k = 1; k < d.slices.size(); ++k)
        EXPECT_EQ(d.slices[k].leftX, d.slices[k - 1].rightX);
    EXPECT_GT(d.slices.back().rightX, d.exitX);
    EXPECT_LT(d.slices.back().leftX, d.exitX);
    for (const CircleSliceDetail& s : d.slices) {
        EXPECT_NEAR(s.rightX - s.leftX, d.sliceWidth, 1e-12);
        EXPECT_EQ(s.vertical, s.capLoad + s.weight);
        EXPECT_EQ(s.horizontal, s.seismic + s.liquefied + s.capHorizontal);
    }
    // The pile rows are the cap's rows left of the exit point, sax apart.
    for (const CirclePileRowDetail& p : d.pileRows) {
        EXPECT_LT(p.x, d.exitX);
        EXPECT_NEAR(std::hypot(p.x - d.x0, p.y - d.y0), d.radius, 1e-9);
        EXPECT_DOUBLE_EQ(p.resistance, std::cos(p.alpha) * d.pileShear / working.m_say);
    }
}

TEST(CircleDetail, TheThoroughCircleLeavesTheGroundInFrontOfThePiles) {
    const CircularSlipRecord working = CircleWorkingRecord(kC30, kHPB235);
    const ThoroughCircle t = ThoroughCircleSearchOn(working);
    ASSERT_TRUE(t.found);
    const CircleDetail d = DescribeCircle(working, t.x, t.y);
    EXPECT_EQ(d.factor, t.ks);
    EXPECT_TRUE(d.pileRows.empty());
    EXPECT_EQ(d.pileResisting, 0);
    EXPECT_LT(d.exitX, SlopeSectionOf(working).firstPileX);
}

TEST(CircleDetail, NoCentreBelowTheStartValueLeavesNoKsCircle) {
    // Every circle of a slope of no soil weight and a huge cohesion stays above 500.
    CircularSlipRecord r;
    r.m_c = 1e6;
    CircleSearchRun run;
    ASSERT_TRUE(SearchCriticalCircle(r, kC30, kHPB235, run).computed());
    EXPECT_FALSE(run.ksCircleFound);
    EXPECT_EQ(r.m_ks, 500);
}

TEST(PolylineDetail, DefaultsGiveTheirStripsAndPileRows) {
    const PolylineSlipRecord working = PolylineWorkingRecord(kC30, kHPB235);
    const PolylineSlipDetail plain = AnalysePolylineSlip(working);
    const PolylineSlipDetail d = DescribePolylineSlip(working);
    EXPECT_TRUE(plain.strips.empty());
    EXPECT_EQ(d.factor, plain.factor);
    ASSERT_EQ(d.strips.size(), 172u);
    EXPECT_EQ(static_cast<int>(d.strips.size()), d.stripCount);
    ASSERT_EQ(d.pileRows.size(), 2u);

    ExpectSameSum(SumOf(d.strips, [](const auto& s) { return s.resisting; }), d.soilResisting);
    ExpectSameSum(SumOf(d.strips, [](const auto& s) { return s.driving; }), d.driving);
    ExpectSameSum(SumOf(d.pileRows, [](const auto& p) { return p.resistance; }), d.pileResisting);
    EXPECT_EQ(d.strips.back().strip.sumRAfter, d.soilResisting);
    EXPECT_EQ(d.strips.back().strip.sumTAfter, d.driving);
    // Each strip lies on the segment its right edge lies on: from the toe segment (index
    // 0, the form's segment 3) up, never down.
    EXPECT_EQ(d.strips.front().strip.segment, 0);
    for (std::size_t k = 1; k < d.strips.size(); ++k) {
        EXPECT_GE(d.strips[k].strip.segment, d.strips[k - 1].strip.segment);
        EXPECT_EQ(d.strips[k].leftX, d.strips[k - 1].strip.rightX);
    }
    for (const PolylinePileRow& p : d.pileRows)
        EXPECT_EQ(p.resistance, p.cosAlpha * d.pileShear / working.m_say);
}

} // namespace
