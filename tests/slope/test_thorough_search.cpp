// The thorough circle search beside the critical circle search: toe circles of a
// frictionless slope against the stability chart, random sections against the form's
// result, hostile inputs, and what the search leaves alone.
#include "CircularSlip.h"
#include "RefusalPrinting.h"
#include "SlopeTestSupport.h"
#include "ThoroughCircleSearch.h"
#include "ThoroughCircleShown.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>

using namespace korvane;

namespace {

// Circles the search can evaluate at most: the grid, then every start refined through
// every halving with every move polling eight neighbours.
constexpr int kMostCircles =
    (kThoroughAngleIntervals + 1) * (kThoroughDistanceIntervals + 1) +
    kThoroughRefinedStarts * (kThoroughMaxHalvings + 1) * (kThoroughMaxMovesPerStep + 1) * 8;

// A slope of pure cohesion under its own weight: c = 20 kPa, phi = 0, 18 kN/m³, 6 m high,
// no loads, no liquefied layer, no grade (the piles resist nothing).
CircularSlipRecord CohesiveSlope(double beta) {
    CircularSlipRecord r;
    r.m_c = 20;
    r.m_phi = 0;
    r.m_gamma = 18;
    r.m_h = 6;
    r.m_beta = beta;
    r.m_a = 3;
    r.m_b = 1.4;
    r.m_sax = 1;
    r.m_say = 1;
    r.m_h1 = 0;
    r.m_F = 0;
    r.m_H = 0;
    r.m_aSeismic = 0;
    return r;
}

struct ToeCircleCase {
    double beta;
    double formShows; // ks of the critical circle search, as shown
    double chart;     // the stability chart's factor for phi = 0 toe circles
    double fineGrid;  // a fine grid over the same family, refined
};

void PrintTo(const ToeCircleCase& c, std::ostream* os) {
    *os << "beta " << c.beta;
}

class ThoroughToeCircles : public ::testing::TestWithParam<ToeCircleCase> {};

TEST_P(ThoroughToeCircles, LowerThanTheFormAndNearTheChart) {
    const ToeCircleCase c = GetParam();
    const CircularSlipRecord slope = CohesiveSlope(c.beta);
    CircularSlipRecord form = slope;
    ASSERT_TRUE(SearchCriticalCircle(form, kNoGrade, kNoGrade).computed());
    EXPECT_EQ(form.m_ks, c.formShows);
    const CircleSearchRun run =
        RunCircleSearch(CircleSearchWorkingRecord(slope, kNoGrade, kNoGrade));

    const ThoroughCircle t = ThoroughCircleSearch(slope, kNoGrade, kNoGrade);
    ASSERT_TRUE(t.found);
    EXPECT_LE(t.ks, run.ks);
    EXPECT_NEAR(t.ks, c.chart, 0.12 * c.chart);
    EXPECT_NEAR(t.ks, c.fineGrid, 0.001);
    EXPECT_TRUE(ThoroughIsLower(form.m_ks, t));
}

INSTANTIATE_TEST_SUITE_P(CohesiveSlopes, ThoroughToeCircles,
                         ::testing::Values(ToeCircleCase{90, 0.79, 0.710, 0.7408},
                                           ToeCircleCase{75, 0.88, 0.846, 0.7912},
                                           ToeCircleCase{60, 1.01, 0.970, 0.8859},
                                           ToeCircleCase{53, 1.05, 1.023, 0.9262}));

// Unlike the critical circle search, whose centre is one step past the factor it keeps,
// the thorough circle's centre, radius and factor belong to one circle of the family.
TEST(ThoroughSearch, CentreRadiusAndFactorBelongToOneCircleOfTheFamily) {
    const CircularSlipRecord r;
    const CircularSlipRecord w = CircleSearchWorkingRecord(r, kC30, kHPB235);
    const ThoroughCircle t = ThoroughCircleSearch(r, kC30, kHPB235);
    ASSERT_TRUE(t.found);
    const CircleEvaluation e = EvaluateCircle(w, t.x, t.y);
    EXPECT_EQ(e.factor, t.ks);
    EXPECT_EQ(e.radius, t.R);
    EXPECT_GE(e.sliceCount, kThoroughMinSlices);

    const double xB = CrestX(w.m_h, w.m_beta);
    const double angle = std::atan2(t.y - w.m_h, t.x - xB) / kDegToRad;
    const double dist = std::hypot(t.x - xB, t.y - w.m_h);
    EXPECT_GE(angle, w.m_searchAngleTo - 1e-6);
    EXPECT_LE(angle, w.m_searchAngleFrom + 1e-6);
    EXPECT_GE(dist, w.m_searchDistFrom - 1e-9);
    EXPECT_LE(dist, w.m_searchDistFrom + kThoroughDepthInSlopeHeights * w.m_h + 1e-9);

    const CircleSearchRun run = RunCircleSearch(w);
    EXPECT_LE(t.ks, run.ks);
}

TEST(ThoroughSearch, NeverAboveTheFormOnRandomSections) {
    std::mt19937 gen(20240611);
    auto uniform = [&](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(gen);
    };
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };
    int compared = 0;
    for (int k = 0; k < 300; ++k) {
        CircularSlipRecord r;
        r.m_h = uniform(2, 20);
        r.m_beta = uniform(30, 90);
        r.m_a = uniform(0, 6);
        r.m_b = uniform(0.5, 4);
        r.m_c = uniform(5, 40);
        r.m_phi = uniform(0, 35);
        r.m_gamma = uniform(16, 22);
        r.m_h1 = pick(0, 1) ? uniform(0, 2) : 0;
        r.m_F = uniform(0, 3000);
        r.m_H = uniform(0, 500);
        r.m_aSeismic = uniform(0, 0.4);
        r.m_slopeAmp = uniform(1.1, 1.6);
        r.m_hb = uniform(0.5, 3);
        r.m_L = uniform(5, 30);
        r.m_sax = pick(0, 1) ? 0 : uniform(0.5, 3);
        r.m_say = uniform(1, 4);
        r.m_d = uniform(400, 1500);
        const int concrete = pick(-1, 5), rebar = pick(-1, 2);

        const CircleSearchRun run = RunCircleSearch(CircleSearchWorkingRecord(r, concrete, rebar));
        const ThoroughCircle t = ThoroughCircleSearch(r, concrete, rebar);
        if (run.refusal || !run.anyKept || !std::isfinite(run.ks) || !t.found)
            continue;
        ++compared;
        EXPECT_LE(t.ks, run.ks) << "section " << k << ": h " << r.m_h << ", beta " << r.m_beta;
    }
    EXPECT_GE(compared, 290);
}

struct HostileCase {
    const char* what;
    void (*spoil)(CircularSlipRecord&);
};

void PrintTo(const HostileCase& c, std::ostream* os) {
    *os << c.what;
}

class ThoroughHostileInputs : public ::testing::TestWithParam<HostileCase> {};

// Every input ends in bounded work with a finite factor or no result, and the record is
// read only.
TEST_P(ThoroughHostileInputs, EndWithinTheBoundAndLeaveTheRecord) {
    CircularSlipRecord r;
    GetParam().spoil(r);
    const CircularSlipRecord before = r;
    const ThoroughCircle t = ThoroughCircleSearch(r, kC55, kHRB400);
    EXPECT_TRUE(SameBytes(before, r));
    EXPECT_LE(t.circlesEvaluated, kMostCircles);
    if (t.found) {
        EXPECT_TRUE(std::isfinite(t.ks));
        EXPECT_TRUE(std::isfinite(t.x) && std::isfinite(t.y));
    }
    // What the form refuses the thorough search does not answer either.
    CircularSlipRecord form = r;
    if (!SearchCriticalCircle(form, kC55, kHRB400).computed()) {
        EXPECT_FALSE(t.found);
    }
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Inputs, ThoroughHostileInputs,
    ::testing::Values(
        HostileCase{"cohesion NaN", [](CircularSlipRecord& r) { r.m_c = kNaN; }},
        HostileCase{"height infinite", [](CircularSlipRecord& r) { r.m_h = kInf; }},
        HostileCase{"height 1e300", [](CircularSlipRecord& r) { r.m_h = 1e300; }},
        HostileCase{"height 1e-300", [](CircularSlipRecord& r) { r.m_h = 1e-300; }},
        HostileCase{"height 0", [](CircularSlipRecord& r) { r.m_h = 0; }},
        HostileCase{"height negative", [](CircularSlipRecord& r) { r.m_h = -129; }},
        HostileCase{"level slope", [](CircularSlipRecord& r) { r.m_beta = 0; }},
        HostileCase{"slope 0.0001 degrees", [](CircularSlipRecord& r) { r.m_beta = 0.0001; }},
        HostileCase{"slope angle NaN", [](CircularSlipRecord& r) { r.m_beta = kNaN; }},
        HostileCase{"overhanging slope", [](CircularSlipRecord& r) { r.m_beta = 170; }},
        HostileCase{"negative row spacing", [](CircularSlipRecord& r) { r.m_sax = -0.1; }},
        HostileCase{"rows at the limit",
                    [](CircularSlipRecord& r) {
                        r.m_b = 999;
                        r.m_sax = 0.1;
                    }},
        HostileCase{"weightless soil",
                    [](CircularSlipRecord& r) {
                        r.m_gamma = 0;
                        r.m_F = 0;
                        r.m_H = 0;
                    }},
        HostileCase{"huge loads",
                    [](CircularSlipRecord& r) {
                        r.m_F = 1e308;
                        r.m_H = -1e308;
                    }},
        HostileCase{"one ray", [](CircularSlipRecord& r) { r.m_searchAngleFrom = 55; }},
        HostileCase{"rays reversed", [](CircularSlipRecord& r) { r.m_searchAngleFrom = 10; }},
        HostileCase{"start distance 1e300",
                    [](CircularSlipRecord& r) { r.m_searchDistFrom = 1e300; }}));

TEST(ThoroughShown, CutAndFlaggedAsTheFormCutsAndFlagsItsResults) {
    const ThoroughShown shown = ShowThoroughCircle({true, 0.74074, -2.2704, 8.3189, 8.6231});
    EXPECT_EQ(shown.ks, 0.74);
    EXPECT_EQ(shown.x, -2.27);
    EXPECT_EQ(shown.y, 8.31);
    EXPECT_EQ(shown.R, 8.62);
    EXPECT_TRUE(shown.undefined.empty());

    const ThoroughShown overflow = ShowThoroughCircle({true, 1.2, 1e200, 1e200, kInf});
    EXPECT_EQ(overflow.R, 0.0);
    EXPECT_EQ(overflow.undefined, (std::vector<std::string>{"R"}));

    EXPECT_EQ(ShowThoroughCircle({}).undefined, (std::vector<std::string>{"x", "y", "ks", "R"}));
}

TEST(ThoroughShown, LowerOnlyByMoreThanHalfTheFormsLastDigit) {
    const ThoroughCircle within = {true, 0.786, 0, 0, 1};
    EXPECT_FALSE(ThoroughIsLower(0.79, within));
    const ThoroughCircle below = {true, 0.784, 0, 0, 1};
    EXPECT_TRUE(ThoroughIsLower(0.79, below));
    EXPECT_FALSE(ThoroughIsLower(kNaN, below));
    EXPECT_FALSE(ThoroughIsLower(0.79, ThoroughCircle{}));
    EXPECT_NEAR(ThoroughPercentBelow(0.79, {true, 0.74074, 0, 0, 1}), 6.235, 0.001);
}

} // namespace
