// A parameter study as the forms and reports compute it: every point the single case of
// its text on any number of threads, refusals and undefined results kept as a batch states
// them, the extras computed only when charted, crossings bisected, and cancelling.

#include "CaseRecord.h"
#include "EvaluationStatus.h"
#include "FieldText.h"
#include "StudyRun.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace korvane;

namespace {

CaseData DefaultCase(const std::string& calculator) {
    CaseData data;
    data.calculator = calculator;
    data.selections["concrete"] = "C30";
    if (calculator == "circular" || calculator == "polyline")
        data.selections["rebar"] = "HPB235";
    return data;
}

StudySettings Settings(std::string input, double from, double to, int points, std::string result) {
    return {{std::move(input), from, to, points}, std::move(result), std::nullopt, false};
}

// Every point against the single case of its text, evaluated on its own.
template <class Record>
void ExpectSingleCases(const Calculator<Record>& calc, const CaseData& base, const StudySettings& s,
                       const StudyAnswer& answer) {
    ASSERT_EQ(answer.points.size(), static_cast<std::size_t>(s.range.points));
    for (const StudyPointAnswer& p : answer.points) {
        CaseData single = base;
        single.inputs[s.range.input] = p.text;
        const CaseEvaluation<Record> e = EvaluateCase(calc, single, {.detail = true});
        EXPECT_EQ(p.status, EvaluationStatus(calc, e)) << calc.name << " " << p.text;
        EXPECT_EQ(p.computed, e.Calculated());
        for (std::size_t c = 0; c < answer.quantities.size(); ++c) {
            const MemberInfo<Record>* info =
                FindMemberNamed(calc.members, answer.quantities[c].name);
            ASSERT_NE(info, nullptr);
            const std::string expected = !e.Calculated() || IsUndefined(e.outcome, info->name)
                                             ? std::string()
                                             : MemberFieldText(e.computed, *info);
            EXPECT_EQ(p.texts[c], expected) << calc.name << " " << p.text << " " << info->name;
        }
    }
}

} // namespace

TEST(StudyRun, EveryPointIsTheSingleCaseOfItsTextOnAnyNumberOfThreads) {
    const struct {
        const char* calculator;
        StudySettings settings;
    } studies[] = {
        {"circular", Settings("sax", 0.5, 3, 6, "ks")},
        {"polyline", Settings("d", 400, 800, 5, "ks")},
        {"combined", Settings("sax", 1, 3, 5, "Ntop")},
        // Outside 0.5 ~ 1.0 the form refuses ξN: those points keep the refusal.
        {"highcap", Settings("xiN", 0.3, 1.2, 10, "Mmax")},
    };
    for (const auto& study : studies) {
        const CaseData base = DefaultCase(study.calculator);
        ASSERT_FALSE(StudySettingsProblem(study.calculator, study.settings)) << study.calculator;
        const StudyAnswer parallel = RunStudy(base, study.settings, 3);
        const StudyAnswer serial = RunStudy(base, study.settings, 1);
        WithCalculator(study.calculator, [&](const auto& calc) {
            ExpectSingleCases(calc, base, study.settings, parallel);
        });
        for (std::size_t i = 0; i < parallel.points.size(); ++i) {
            EXPECT_EQ(parallel.points[i].texts, serial.points[i].texts);
            EXPECT_EQ(parallel.points[i].status, serial.points[i].status);
        }
        EXPECT_FALSE(parallel.cancelled);
        EXPECT_FALSE(parallel.solution); // no target
    }
    const StudyAnswer highcap = RunStudy(DefaultCase("highcap"), studies[3].settings, 2);
    EXPECT_EQ(highcap.points[0].status.rfind("拒绝：", 0), 0u) << highcap.points[0].status;
    EXPECT_FALSE(highcap.points[0].values[0]);
    EXPECT_TRUE(highcap.points[3].computed);
}

TEST(StudyRun, KsIsChartedUnroundedAndExtrasOnlyWhenChosen) {
    const CaseData base = DefaultCase("circular");
    const StudyAnswer plain = RunStudy(base, Settings("say", 0.8, 4, 3, "ks"), 2);
    EXPECT_EQ(plain.ColumnOf("bishopKs"), -1);
    const int ks = plain.ColumnOf("ks");
    ASSERT_GE(ks, 0);
    const StudyPointAnswer& p = plain.points[1];
    ASSERT_TRUE(p.values[ks]);
    // The field cuts the factor to hundredths; the chart keeps the method's digits.
    EXPECT_EQ(ParseNumber(p.texts[ks]), std::trunc(*p.values[ks] * 100) / 100);
    EXPECT_NE(*p.values[ks], *ParseNumber(p.texts[ks]));

    const StudyAnswer bishop = RunStudy(base, Settings("say", 0.8, 4, 3, "bishopKs"), 2);
    const int column = bishop.ColumnOf("bishopKs");
    ASSERT_EQ(column, static_cast<int>(bishop.quantities.size()) - 1);
    for (const StudyPointAnswer& point : bishop.points) {
        ASSERT_TRUE(point.values[column]) << point.text;
        EXPECT_GT(*point.values[column], 0);
    }
    const StudyAnswer piles = RunStudy(DefaultCase("highcap"), Settings("d", 0.5, 1, 3, "Nmin"), 1);
    const int nmin = piles.ColumnOf("Nmin"), ntop = piles.ColumnOf("Ntop");
    ASSERT_TRUE(piles.points[0].values[nmin] && piles.points[0].values[ntop]);
    EXPECT_LT(*piles.points[0].values[nmin], *piles.points[0].values[ntop]);
}

TEST(StudyRun, TargetCrossingsAreBisectedToAThousandthOfTheRange) {
    const CaseData base = DefaultCase("circular");
    StudySettings s = Settings("say", 0.8, 4, 17, "ks");
    s.target = StudyTarget{"ks", true, 1.35};
    const StudyAnswer answer = RunStudy(base, s, 2);
    ASSERT_TRUE(answer.solution);
    ASSERT_EQ(answer.solution->crossings.size(), 1u);
    const StudyCrossing c = answer.solution->crossings[0];
    EXPECT_FALSE(c.meetsAbove); // ks falls as the rows move apart
    const double tol = (4 - 0.8) / 1000;
    const auto ksAt = [&](double say) {
        CaseData single = base;
        single.inputs["say"] = StudyText(say);
        const auto e = EvaluateCase(CircularCalculator(), single, {.detail = true});
        return *StudyValueOf(CircularCalculator(), e, "ks");
    };
    EXPECT_GE(ksAt(c.value), 1.35);
    EXPECT_LT(ksAt(c.value + tol), 1.35);

    s.target = StudyTarget{"ks", true, 10};
    const StudyAnswer none = RunStudy(base, s, 2);
    EXPECT_TRUE(none.solution->crossings.empty());
    EXPECT_FALSE(none.solution->anyMeets);
    EXPECT_EQ(StudySolutionText("say", *none.solution, *s.target), "范围内没有满足 ks ≥ 10 的值");
    EXPECT_EQ(StudySolutionText("say", *answer.solution, StudyTarget{"ks", true, 1.35}, "m"),
              "say = " + StudyText(c.value) + " m（其以下满足）");
}

TEST(StudyRun, BisectionFindsEveryCrossingOfAResultThatIsNotMonotonic) {
    const StudyRange range{"x", -3, 3, 7};
    // (x − 1)(x + 2) ≤ 0 between −2 and 1; a point computing nothing breaks the scan.
    const auto f = [](double x) -> std::optional<double> { return (x - 1) * (x + 2); };
    std::vector<std::optional<double>> values;
    for (int i = 0; i < range.points; ++i)
        values.push_back(f(StudyPoint(range, i)));
    const StudyTarget target{"y", false, 0};
    const StudySolution both = BisectCrossings(range, values, target, 1e-6, f);
    ASSERT_EQ(both.crossings.size(), 2u);
    EXPECT_NEAR(both.crossings[0].value, -2, 1e-6);
    EXPECT_TRUE(both.crossings[0].meetsAbove);
    EXPECT_NEAR(both.crossings[1].value, 1, 1e-6);
    EXPECT_FALSE(both.crossings[1].meetsAbove);
    EXPECT_LE(*f(both.crossings[1].value), 0); // the value given meets the target

    values[4] = std::nullopt; // x = 1 computed nothing: the second interval is not bracketed
    EXPECT_EQ(BisectCrossings(range, values, target, 1e-6, f).crossings.size(), 1u);
}

TEST(StudyRun, ACancelledStudyStopsAndSaysSo) {
    StudyProgress progress;
    progress.cancel = true;
    const StudyAnswer answer =
        RunStudy(DefaultCase("polyline"), Settings("d", 400, 800, 50, "ks"), 2, &progress);
    EXPECT_TRUE(answer.cancelled);
    EXPECT_EQ(progress.done.load(), 0);
    for (const StudyPointAnswer& p : answer.points)
        EXPECT_FALSE(p.done);
    EXPECT_FALSE(answer.solution);

    StudyProgress counted;
    const StudyAnswer whole =
        RunStudy(DefaultCase("polyline"), Settings("d", 400, 800, 9, "ks"), 2, &counted);
    EXPECT_FALSE(whole.cancelled);
    EXPECT_EQ(counted.done.load(), 9);
}

TEST(StudySettings, WhatCannotBeStudiedIsRefused) {
    EXPECT_FALSE(StudySettingsProblem("circular", Settings("sax", 0.5, 3, 11, "ks")));
    EXPECT_TRUE(StudySettingsProblem("circular", Settings("ks", 0.5, 3, 11, "ks")));    // a result
    EXPECT_TRUE(StudySettingsProblem("circular", Settings("sax", 0.5, 3, 11, "Ntop"))); // not its
    EXPECT_TRUE(StudySettingsProblem("circular", Settings("sax", 1, 1, 11, "ks")));
    EXPECT_TRUE(StudySettingsProblem("circular", Settings("sax", 0, INFINITY, 11, "ks")));
    EXPECT_TRUE(StudySettingsProblem("circular", Settings("sax", 0, 1, 1, "ks")));
    EXPECT_TRUE(
        StudySettingsProblem("circular", Settings("sax", 0, 1, kMostStudyPoints + 1, "ks")));
    StudySettings other = Settings("sax", 0, 1, 3, "ks");
    other.target = StudyTarget{"R", true, 1};
    EXPECT_TRUE(StudySettingsProblem("circular", other));
    // Radio groups and lists are no range.
    EXPECT_TRUE(StudySettingsProblem("highcap", Settings("pileType", 0, 1, 2, "Mmax")));
}

TEST(StudySettings, TheCaseLimitsGiveTheTarget) {
    DesignLimits limits;
    limits["ks"] = {1.35, {}};
    limits["Ra"] = {1500, {}};
    const std::optional<StudyTarget> ks = TargetFromLimits("polyline", "transferKs", limits);
    ASSERT_TRUE(ks);
    EXPECT_TRUE(ks->atLeast);
    EXPECT_EQ(ks->value, 1.35);
    const std::optional<StudyTarget> largest = TargetFromLimits("highcap", "Ntop", limits);
    ASSERT_TRUE(largest);
    EXPECT_FALSE(largest->atLeast);
    EXPECT_EQ(largest->value, 1.2 * 1500);
    EXPECT_EQ(TargetFromLimits("highcap", "Nmean", limits)->value, 1500);
    EXPECT_FALSE(TargetFromLimits("highcap", "Mmax", limits)); // no [M]
    EXPECT_FALSE(TargetFromLimits("circular", "R", limits));
}
