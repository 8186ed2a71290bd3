// The three-segment slip surface: the worked defaults strip by strip, the grade
// variants, and the tolerance senses at vertices and cap edges.
#include "PolylineSlip.h"
#include "RefusalPrinting.h"
#include "SlopeTestSupport.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace korvane;

namespace {

TEST(PolylineSlip, DefaultsWithoutGrade) {
    const PolylineSlipDetail d = AnalysePolylineSlip(PolylineWorkingRecord(kNoGrade, kNoGrade));
    ASSERT_FALSE(d.refusal) << d.refusal;
    EXPECT_EQ(d.vertexX[0], 0.0);
    EXPECT_NEAR(d.vertexX[1], 7.45873, 5e-6);
    EXPECT_NEAR(d.vertexX[2], 9.16059, 5e-6);
    EXPECT_NEAR(d.vertexX[3], 10.31496, 5e-6);
    EXPECT_DOUBLE_EQ(d.stripWidth, 0.06);
    EXPECT_EQ(d.stripCount, 172);
    EXPECT_NEAR(d.lastStripRightX, 10.32, 1e-9);
    EXPECT_EQ(d.levelGroundStrips, 102);
    EXPECT_EQ(d.capStrips, 50);
    EXPECT_NEAR(d.capPressure, 177.7778, 5e-5);
    EXPECT_NEAR(d.capPressure * d.stripWidth, 10.66667, 5e-6);
    EXPECT_NEAR(d.soilResisting, 384.397, 5e-4);
    EXPECT_NEAR(d.driving, 1261.547, 5e-4);
    EXPECT_EQ(d.pileShear, 0.0);
    EXPECT_NEAR(d.factor, 0.30470, 5e-6);

    PolylineSlipRecord r;
    const CalcOutcome outcome = ComputePolylineSlip(r, kNoGrade, kNoGrade);
    ASSERT_TRUE(outcome.computed());
    EXPECT_TRUE(outcome.undefined.empty());
    EXPECT_EQ(r.m_ks, 0.3);
}

TEST(PolylineSlip, FirstStripOfTheDefaults) {
    const PolylineStrip s =
        AnalysePolylineSlip(PolylineWorkingRecord(kNoGrade, kNoGrade)).firstStrip;
    EXPECT_NEAR(s.rightX, 0.06, 1e-12);
    EXPECT_EQ(s.segment, 0);
    EXPECT_EQ(s.alpha, 8 * kDegToRad);
    EXPECT_NEAR(s.slipY, 0.0084308, 5e-8);
    EXPECT_NEAR(s.groundY, 0.0856559, 5e-8);
    EXPECT_NEAR(s.area, 0.0023168, 5e-8);
    EXPECT_NEAR(s.weight, 0.0430916, 5e-8);
    EXPECT_NEAR(s.seismic, 0.0112038, 5e-8);
    EXPECT_NEAR(s.capHorizontal, 4.333333, 5e-7);
    EXPECT_EQ(s.capPressure, 0.0);
    EXPECT_NEAR(s.normal, -0.561857, 5e-7); // negative, and used as it is
    EXPECT_NEAR(s.sumRAfter, 0.892440, 5e-7);
    EXPECT_NEAR(s.sumTAfter, 4.308268, 5e-7);
}

struct GradeCase {
    const char* what;
    int concrete;
    int rebar;
    double pileShear;
    double ks;
};

void PrintTo(const GradeCase& c, std::ostream* os) {
    *os << c.what;
}

class PolylineGrades : public ::testing::TestWithParam<GradeCase> {};

TEST_P(PolylineGrades, PileShearAndShownFactor) {
    const GradeCase c = GetParam();
    PolylineSlipRecord r;
    const CalcOutcome outcome = ComputePolylineSlip(r, c.concrete, c.rebar);
    ASSERT_TRUE(outcome.computed()) << outcome.refusal;
    EXPECT_EQ(r.m_ks, c.ks) << c.what;
    EXPECT_EQ(r.m_ft, ConcreteGradeTable(c.concrete).ft);
    EXPECT_EQ(r.m_fyv, RebarGradeTable(c.rebar));
    const PolylineSlipDetail d = AnalysePolylineSlip(r);
    EXPECT_NEAR(d.pileShear, c.pileShear, 5e-6) << c.what;
}

INSTANTIATE_TEST_SUITE_P(WorkedGrades, PolylineGrades,
                         ::testing::Values(GradeCase{"C30 HPB235", kC30, kHPB235, 317.03616, 0.53},
                                           GradeCase{"C55 HRB400", kC55, kHRB400, 456.3072, 0.64},
                                           GradeCase{"C40 HRB335", kC40, kHRB335, 393.85728,
                                                     0.59}));

TEST(PolylineSlip, TwoPileRowsOnDifferentSegmentsForC30AndHPB235) {
    const PolylineSlipDetail d = AnalysePolylineSlip(PolylineWorkingRecord(kC30, kHPB235));
    ASSERT_EQ(d.pileRows.size(), 2u);
    EXPECT_NEAR(d.pileRows[0].x, 6.80286, 5e-6);
    EXPECT_EQ(d.pileRows[0].segment, 0); // segment 3 of the form, 8°
    EXPECT_NEAR(d.pileRows[1].x, 8.60286, 5e-6);
    EXPECT_EQ(d.pileRows[1].segment, 1); // segment 2 of the form, 47°
    EXPECT_NEAR(d.pileResisting, 294.559, 5e-4);
}

TEST(PolylineSlip, HorizontalCapLoadActsOnEveryStrip) {
    PolylineSlipRecord r;
    r.m_H = 0;
    const PolylineSlipDetail d = AnalysePolylineSlip(r);
    EXPECT_NEAR(d.driving, 617.017, 5e-4);
    EXPECT_NEAR(d.soilResisting, 436.448, 5e-4);
    ASSERT_TRUE(ComputePolylineSlip(r, kNoGrade, kNoGrade).computed());
    EXPECT_EQ(r.m_ks, 0.7);
}

TEST(PolylineSlip, LiquefiedLayerSpreadOverTheLevelGround) {
    PolylineSlipRecord r;
    r.m_h1 = 1;
    const PolylineSlipDetail d = AnalysePolylineSlip(r);
    EXPECT_NEAR(d.factor, 0.30225, 5e-6);
    ASSERT_TRUE(ComputePolylineSlip(r, kNoGrade, kNoGrade).computed());
    EXPECT_EQ(r.m_ks, 0.3);
}

struct VertexCase {
    const char* what;
    double vertexBeforeEdge; // first strip's right edge minus X[1]
    int segment;
};

void PrintTo(const VertexCase& c, std::ostream* os) {
    *os << c.what;
}

class PolylineVertexTolerance : public ::testing::TestWithParam<VertexCase> {};

// A strip whose right edge lies less than eps beyond a vertex still belongs to the
// segment below it.
TEST_P(PolylineVertexTolerance, StripBelongsToTheSegmentBelowWithinEps) {
    const VertexCase c = GetParam();
    PolylineSlipRecord r;
    r.m_L3 = (0.06 - c.vertexBeforeEdge) / std::cos(r.m_theta3 * kDegToRad);
    const PolylineSlipDetail d = AnalysePolylineSlip(r);
    ASSERT_FALSE(d.refusal) << d.refusal;
    EXPECT_EQ(d.firstStrip.segment, c.segment) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Eps, PolylineVertexTolerance,
                         ::testing::Values(VertexCase{"just past the vertex", 0.000005, 0},
                                           VertexCase{"clearly past the vertex", 0.00002, 1}));

struct PileEdgeCase {
    const char* what;
    double capWidth; // the second row stands at the cap's near edge + 2.4
    int rows;
};

void PrintTo(const PileEdgeCase& c, std::ostream* os) {
    *os << c.what;
}

class PolylineCapFarEdge : public ::testing::TestWithParam<PileEdgeCase> {};

TEST_P(PolylineCapFarEdge, RowWithinEpsBeyondTheFarEdgeCounts) {
    const PileEdgeCase c = GetParam();
    PolylineSlipRecord r = PolylineWorkingRecord(kC30, kHPB235);
    r.m_b = c.capWidth;
    EXPECT_EQ(AnalysePolylineSlip(r).pileRows.size(), static_cast<std::size_t>(c.rows)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Eps, PolylineCapFarEdge,
                         ::testing::Values(PileEdgeCase{"just past", 2.4 - 0.000005, 2},
                                           PileEdgeCase{"clearly past", 2.4 - 0.00002, 1}));

TEST(PolylineSlip, RowWithinEpsBeyondTheTopVertexCounts) {
    PolylineSlipRecord r = PolylineWorkingRecord(kC30, kHPB235);
    r.m_b = 6; // far edge beyond the top vertex: only X[3] limits the rows
    const PolylineSlipDetail base = AnalysePolylineSlip(r);
    ASSERT_FALSE(base.pileRows.empty());
    const double gap = base.vertexX[3] - base.pileRows[0].x;
    r.m_sax = gap + 0.000005;
    EXPECT_EQ(AnalysePolylineSlip(r).pileRows.size(), 2u);
    r.m_sax = gap + 0.00002;
    EXPECT_EQ(AnalysePolylineSlip(r).pileRows.size(), 1u);
}

TEST(PolylineSlip, StripBeyondTheTopVertexBeforeAnySegmentIsLevel) {
    // A slip surface without length: the only strip lies beyond the top vertex before a
    // segment was found. Its base is level and carries the soil of the segment at the toe.
    PolylineSlipRecord r;
    r.m_L1 = r.m_L2 = r.m_L3 = 0;
    r.m_c3 = 10;
    r.m_phi3 = 20;
    const PolylineSlipDetail d = AnalysePolylineSlip(r);
    ASSERT_FALSE(d.refusal) << d.refusal;
    ASSERT_EQ(d.stripCount, 1);
    const PolylineStrip& s = d.firstStrip;
    EXPECT_EQ(s.segment, 0);
    EXPECT_EQ(s.alpha, 0.0);
    EXPECT_EQ(s.slipY, 0.0);
    EXPECT_EQ(s.sumRAfter, std::tan(20 * kDegToRad) * s.normal + d.stripWidth * 10);
    EXPECT_TRUE(d.pileRows.empty());
}

TEST(PolylineSlip, SmallestSlopeHeightIsComputed) {
    // h = 0.001 gives strips exactly eps wide; the first one still clears the toe.
    PolylineSlipRecord r;
    r.m_h = 0.001;
    r.m_L1 = 0.003373;
    r.m_L2 = 0.002495;
    r.m_L3 = 0.007532;
    r.m_a = 0.002;
    r.m_b = 0.003;
    const CalcOutcome outcome = ComputePolylineSlip(r, kC30, kHPB235);
    EXPECT_TRUE(outcome.computed()) << outcome.refusal;
}

TEST(PolylineSlip, NotFiniteFactorIsReportedNotShownAsAResult) {
    PolylineSlipRecord r;
    r.m_say = 0; // every pile row adds an infinite resistance
    r.m_ks = 4.5;
    const CalcOutcome outcome = ComputePolylineSlip(r, kC30, kHPB235);
    ASSERT_TRUE(outcome.computed());
    EXPECT_EQ(r.m_ks, 0.0);
    EXPECT_EQ(outcome.undefined, std::vector<std::string>{"ks"});
}

} // namespace
