// The critical circle search: results shown for the worked grade choices, the rays it
// walks, and what it does to the spacings.
#include "CircularSlip.h"
#include "RefusalPrinting.h"
#include "SlopeTestSupport.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace korvane;

namespace {

struct SearchCase {
    const char* what;
    int concrete;
    int rebar;
    double ks, R, x, y;
};

void PrintTo(const SearchCase& c, std::ostream* os) {
    *os << c.what;
}

class CircleSearchResults : public ::testing::TestWithParam<SearchCase> {};

TEST_P(CircleSearchResults, DefaultsShowTheCutResults) {
    const SearchCase c = GetParam();
    CircularSlipRecord r;
    const CalcOutcome outcome = SearchCriticalCircle(r, c.concrete, c.rebar);
    ASSERT_TRUE(outcome.computed()) << outcome.refusal;
    EXPECT_TRUE(outcome.undefined.empty());
    EXPECT_EQ(r.m_ks, c.ks) << c.what;
    EXPECT_EQ(r.m_R, c.R) << c.what;
    EXPECT_EQ(r.m_x, c.x) << c.what;
    EXPECT_EQ(r.m_y, c.y) << c.what;
    EXPECT_EQ(r.m_ft, ConcreteGradeTable(c.concrete).ft);
    EXPECT_EQ(r.m_fyv, RebarGradeTable(c.rebar));
}

INSTANTIATE_TEST_SUITE_P(
    WorkedGrades, CircleSearchResults,
    ::testing::Values(SearchCase{"C30 HPB235", kC30, kHPB235, 1.67, 7.42, 3.7, 6.43},
                      SearchCase{"no grade", kNoGrade, kNoGrade, 0.39, 7.42, 3.7, 6.43},
                      SearchCase{"C55 HRB400", kC55, kHRB400, 2.2, 7.36, 3.66, 6.38}));

TEST(CircleSearch, RaysCreepUpwardWithinTheKeepTolerance) {
    const CircleSearchRun run = RunCircleSearch(CircleWorkingRecord(kC30, kHPB235));
    ASSERT_FALSE(run.refusal);
    ASSERT_EQ(run.rays.size(), 90u);
    const double expected[] = {1.6659, 1.6668, 1.6677, 1.6685, 1.6693, 1.6701};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(run.rays[i].angleDeg, 144.0 - i);
        EXPECT_NEAR(run.rays[i].factor, expected[i], 5e-5) << "ray " << 144 - i;
        EXPECT_TRUE(run.rays[i].kept) << "ray " << 144 - i;
    }
    for (std::size_t i = 6; i < run.rays.size(); ++i)
        EXPECT_FALSE(run.rays[i].kept) << "ray " << run.rays[i].angleDeg;
    EXPECT_NEAR(run.ks, 1.6701, 5e-5);
}

TEST(CircleSearch, ShownCentreIsOneStepBeyondTheKeptFactor) {
    const CircularSlipRecord w = CircleWorkingRecord(kC30, kHPB235);
    const CircleSearchRun run = RunCircleSearch(w);
    const SearchRay& ray139 = run.rays[5];
    EXPECT_EQ(ray139.centresEvaluated, 2);
    // The factor kept is that of the ray's first centre, at 0.6 m from the crest ...
    EXPECT_NEAR(EvaluateCircle(w, 3.7502, 6.3938).factor, 1.6701, 5e-5);
    // ... while the centre and radius shown are those of the next one, at 0.66 m.
    EXPECT_NEAR(ray139.lastX, 3.7050, 5e-5);
    EXPECT_NEAR(ray139.lastY, 6.4332, 5e-5);
    EXPECT_NEAR(run.radius, 7.4238, 5e-5);
    EXPECT_EQ(run.x, ray139.lastX);
}

TEST(CircleSearch, EveryRayKeepsTheFactorOfItsCentreBeforeTheLast) {
    // The search works out what all its circles share once; each circle must still come
    // out exactly as evaluated on its own.
    CircularSlipRecord w = CircleWorkingRecord(kC55, kHRB400);
    w.m_h1 = 1;
    const CircleSearchRun run = RunCircleSearch(w);
    ASSERT_FALSE(run.refusal);
    const double xB = CrestX(w.m_h, w.m_beta);
    const double step = kCentreStepInSlopeHeights * w.m_h;
    for (const SearchRay& ray : run.rays) {
        ASSERT_GE(ray.centresEvaluated, 2) << ray.angleDeg;
        double dist = w.m_searchDistFrom;
        for (int i = 2; i < ray.centresEvaluated; ++i)
            dist = dist + step;
        const double a = ray.angleDeg * kDegToRad;
        const CircleEvaluation e =
            EvaluateCircle(w, std::cos(a) * dist + xB, std::sin(a) * dist + w.m_h);
        EXPECT_EQ(e.factor, ray.factor) << ray.angleDeg;
    }
}

TEST(CircleSearch, OnlyTheFirstRaySurvivesForC55AndHRB400) {
    const CircleSearchRun run = RunCircleSearch(CircleWorkingRecord(kC55, kHRB400));
    ASSERT_FALSE(run.rays.empty());
    EXPECT_TRUE(run.rays.front().kept);
    for (std::size_t i = 1; i < run.rays.size(); ++i)
        EXPECT_FALSE(run.rays[i].kept) << "ray " << run.rays[i].angleDeg;
}

TEST(CircleSearch, DefaultsEvaluateAFewCentresPerRay) {
    const CircleSearchRun run = RunCircleSearch(CircleWorkingRecord(kC30, kHPB235));
    int circles = 0;
    for (const SearchRay& ray : run.rays)
        circles += ray.centresEvaluated;
    EXPECT_GE(circles, 200);
    EXPECT_LE(circles, 250);
}

TEST(CircleSearch, RaysAndStartDistanceStayFixedWhenSlopeChanges) {
    // The search range is set at construction; h and beta only move the crest and set
    // the step along the ray (0.01 h).
    CircularSlipRecord w = CircleWorkingRecord(kC30, kHPB235);
    w.m_h = 10;
    w.m_beta = 30;
    const CircleSearchRun run = RunCircleSearch(w);
    ASSERT_FALSE(run.refusal);
    ASSERT_EQ(run.rays.size(), 90u);
    EXPECT_EQ(run.rays.front().angleDeg, 144.0);
    EXPECT_EQ(run.rays.back().angleDeg, 55.0);
    const double xB = CrestX(w.m_h, w.m_beta);
    for (const SearchRay& ray : run.rays) {
        const double dist = std::hypot(ray.lastX - xB, ray.lastY - w.m_h);
        EXPECT_NEAR(dist, 0.6 + (ray.centresEvaluated - 1) * 0.1, 1e-9) << ray.angleDeg;
    }
}

TEST(CircleSearch, ZeroAndPointOneSpacingsBothComeBackAsZero) {
    CircularSlipRecord left;
    CircularSlipRecord typed;
    typed.m_sax = kZeroSpacingSubstitute;
    ASSERT_TRUE(SearchCriticalCircle(left, kC30, kHPB235).computed());
    ASSERT_TRUE(SearchCriticalCircle(typed, kC30, kHPB235).computed());
    EXPECT_EQ(left.m_sax, 0.0);
    EXPECT_TRUE(SameBytes(left, typed)); // same results, and sax shows 0 in both

    CircularSlipRecord noSay;
    noSay.m_say = 0;
    ASSERT_TRUE(SearchCriticalCircle(noSay, kC30, kHPB235).computed());
    EXPECT_EQ(noSay.m_say, 0.0);

    CircularSlipRecord other;
    other.m_sax = 1.2;
    ASSERT_TRUE(SearchCriticalCircle(other, kC30, kHPB235).computed());
    EXPECT_EQ(other.m_sax, 1.2);
    EXPECT_EQ(other.m_say, 2.2);
}

TEST(CircleSearch, NoCircleBelowTheStartValueShows500AndFlagsTheCentre) {
    // A level slope puts the crest at infinity: no trial circle has a factor, every ray
    // keeps the start value 500, and the centre shown is not a number.
    CircularSlipRecord r;
    r.m_beta = 0;
    r.m_ks = 7;
    r.m_x = 7;
    r.m_R = 7;
    const CalcOutcome outcome = SearchCriticalCircle(r, kC30, kHPB235);
    ASSERT_TRUE(outcome.computed()) << outcome.refusal;
    EXPECT_EQ(r.m_ks, 500.0);
    EXPECT_EQ(r.m_x, 0.0);
    EXPECT_EQ(r.m_R, 0.0);
    EXPECT_EQ(outcome.undefined, (std::vector<std::string>{"x", "R"}));
}

} // namespace
