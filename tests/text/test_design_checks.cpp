// Verdicts against the engineer's limits: compared unrounded, shown as the fields show.

#include "DesignChecks.h"
#include "DesignLimits.h"

#include <gtest/gtest.h>

#include <limits>

using namespace korvane;

namespace {

CaseExtras SlopeWithFactor(double factor) {
    CaseExtras extras;
    extras.detail.critical = CircleDetail{};
    extras.detail.critical->factor = factor;
    return extras;
}

CaseExtras PileGroup(double Nmean, double Nmax, double x0Metres) {
    CaseExtras extras;
    PileGroupDetail g;
    g.Nmean = Nmean;
    g.Nmax = Nmax;
    g.x0 = x0Metres;
    g.Mtop = -139.19;
    g.depth = {{.freeLength = true, .M = -139.19, .Q = 35.2}, {.M = 73.06, .Q = -20}};
    extras.detail.pileGroup = g;
    return extras;
}

TEST(DesignChecks, TheUnroundedFactorDecidesAndTheShownOneIsPrinted) {
    const DesignLimits limits{{"ks", {1.35, "GB 50330-2013 表5.3.2（永久边坡，一般工况，一级）"}}};
    // 1.3549 shows as 1.35 and meets 1.35; 1.34999 shows as 1.34 and does not.
    const std::vector<DesignCheck> met = DesignChecks("circular", SlopeWithFactor(1.3549), limits);
    ASSERT_EQ(met.size(), 1u);
    EXPECT_TRUE(met[0].met);
    EXPECT_EQ(VerdictLine(met[0]), "满足 (1.35 ≥ 1.35)");
    EXPECT_EQ(met[0].basis, "GB 50330-2013 表5.3.2（永久边坡，一般工况，一级）");
    const DesignCheck unmet = DesignChecks(
        "polyline",
        [] {
            CaseExtras e;
            e.detail.polyline = PolylineSlipDetail{};
            e.detail.polyline->factor = 1.34999;
            return e;
        }(),
        limits)[0];
    EXPECT_FALSE(unmet.met);
    EXPECT_EQ(VerdictLine(unmet), "不满足 (1.34 < 1.35)");
    EXPECT_EQ(VerdictWord(unmet), "不满足");
}

TEST(DesignChecks, NoValueToCheckIsSaidSo) {
    // No ks circle (the search found none below its start value), or a factor that is
    // no number: the check cannot be made, and is not passed.
    const DesignLimits limits{{"ks", {1.2, ""}}};
    for (const CaseExtras& extras :
         {CaseExtras{}, SlopeWithFactor(std::numeric_limits<double>::quiet_NaN())}) {
        const std::vector<DesignCheck> checks = DesignChecks("circular", extras, limits);
        ASSERT_EQ(checks.size(), 1u);
        EXPECT_FALSE(checks[0].value.has_value());
        EXPECT_FALSE(checks[0].met);
        EXPECT_EQ(VerdictWord(checks[0]), "无法验算");
    }
}

TEST(DesignChecks, PileGroupsCheckTheMeanAndTheLargestForceAndTheHead) {
    const DesignLimits limits{{"Ra", {1500, "JGJ 94-2008 第5.2.1条"}},
                              {"x0", {10, ""}},
                              {"M", {120, ""}},
                              {"Q", {40, ""}}};
    const std::vector<DesignCheck> combined =
        DesignChecks("combined", PileGroup(1394.79, 1850, -0.0123), limits);
    // The pile-force and displacement checks only: the moment and shear limits are the
    // high-cap form's.
    ASSERT_EQ(combined.size(), 3u);
    EXPECT_EQ(combined[0].name, "Ra");
    EXPECT_TRUE(combined[0].met);
    EXPECT_EQ(combined[1].name, "Ra.max");
    EXPECT_EQ(combined[1].limitText, "1.2 × 1500 = 1800");
    EXPECT_FALSE(combined[1].met);
    EXPECT_EQ(VerdictLine(combined[1]), "不满足 (1850 > 1.2 × 1500 = 1800)");
    EXPECT_EQ(combined[2].name, "x0");
    EXPECT_EQ(combined[2].valueText, "12.3"); // |x0| in mm
    EXPECT_FALSE(combined[2].met);

    const std::vector<DesignCheck> highcap =
        DesignChecks("highcap", PileGroup(1000, 1100, 0.002), limits);
    ASSERT_EQ(highcap.size(), 5u);
    // The head moment at the cap underside governs |M|.
    EXPECT_EQ(highcap[3].name, "M");
    EXPECT_EQ(highcap[3].valueText, "139.19");
    EXPECT_FALSE(highcap[3].met);
    EXPECT_EQ(highcap[4].name, "Q");
    EXPECT_EQ(highcap[4].valueText, "35.2");
    EXPECT_TRUE(highcap[4].met);
    EXPECT_EQ(DesignCheckNames("highcap", limits),
              (std::vector<std::string>{"Ra", "Ra.max", "x0", "M", "Q"}));
}

TEST(DesignLimits, EachCalculatorHasItsOwnAndALimitMustBePositive) {
    EXPECT_NE(FindLimit("circular", "ks"), nullptr);
    EXPECT_EQ(FindLimit("circular", "Ra"), nullptr);
    EXPECT_EQ(FindLimit("combined", "M"), nullptr);
    EXPECT_NE(FindLimit("highcap", "Q"), nullptr);
    EXPECT_TRUE(LimitsOf("nonesuch").empty());

    const LimitInfo& ks = *FindLimit("polyline", "ks");
    double value = 7;
    EXPECT_FALSE(ReadLimitValue(ks, " 1.35 ", value));
    EXPECT_EQ(value, 1.35);
    for (const char* refused : {"0", "-1", "abc", "", "inf", "1e999"}) {
        double kept = 7;
        const Problem problem = ReadLimitValue(ks, refused, kept);
        EXPECT_TRUE(problem) << refused;
        EXPECT_EQ(kept, 7) << refused;
        EXPECT_NE(problem.Message().find("要求安全系数 [K]"), std::string::npos) << refused;
    }
    // Every preset names its clause; the factors are the table's.
    int factors = 0;
    for (const LimitPreset& preset : LimitPresets()) {
        const std::string basis = preset.basis;
        EXPECT_TRUE(basis.starts_with("GB 50") || basis.starts_with("JGJ 94-2008")) << basis;
        factors += std::string(preset.limit) == "ks";
    }
    EXPECT_EQ(factors, 10);
}

} // namespace
