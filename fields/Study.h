#pragma once

#include "CaseEvaluation.h"
#include "DesignChecks.h"
#include "Problem.h"

#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// Parameter studies: one numeric input of a case varied over a range, every point computed
// exactly as a single case of that input's text would be, and the search for the values
// where a result crosses a target.

inline constexpr int kMostStudyPoints = 1000;
// The points a design search scans before it bisects the intervals that cross the target.
inline constexpr int kSolveScanPoints = 101;

struct StudyRange {
    std::string input;
    double from = 0, to = 0;
    int points = 0; // 2 .. kMostStudyPoints
};

// "NAME=FROM:TO:N" (a sweep) or "NAME=FROM:TO" (a search, scanned at kSolveScanPoints).
Problem ReadStudyRange(std::string_view text, bool withPoints, StudyRange& range);

// The value of point i: from + i·(to − from)/(points − 1), the last point `to` itself, as its
// field would show it and read it back, so that a point's text stands for exactly its value.
double StudyPoint(const StudyRange& range, int i);
// A value as its field would show it and read it back.
double AsShown(double value);

// RESULT>=VALUE or RESULT<=VALUE.
struct StudyTarget {
    std::string result;
    bool atLeast = true;
    double value = 0;
    bool MetBy(double v) const { return atLeast ? v >= value : v <= value; }
};
Problem ReadStudyTarget(std::string_view text, StudyTarget& target);

// A value of the input where the result crosses the target, the one that meets it; the
// side beyond it that meets the target is above (the larger values of the input) or below.
struct StudyCrossing {
    double value = 0;
    bool meetsAbove = true;
};

struct StudySolution {
    std::vector<StudyCrossing> crossings;
    bool anyMeets = false; // some point of the range meets the target
};

namespace study_detail {

// The result `name` of a calculation, unrounded where the calculation keeps more digits
// than its field (ks from the factor itself); none when it did not compute.
template <class Record>
std::optional<double> ResultOf(const Calculator<Record>& calc, const CaseEvaluation<Record>& e,
                               const std::string& name) {
    if (!e.Calculated() || IsUndefined(e.outcome, name))
        return std::nullopt;
    if (name == "ks") {
        DesignLimits limits;
        limits["ks"] = {1, {}};
        for (const DesignCheck& check : DesignChecks(calc.name, e.extras, limits))
            if (check.name == "ks" && check.value)
                return *check.value;
    }
    const MemberInfo<Record>* info = FindMemberNamed(calc.members, name);
    if (!info || info->role != MemberRole::Result)
        return std::nullopt;
    if (const auto* member = std::get_if<double Record::*>(&info->member))
        return e.computed.**member;
    return e.computed.*std::get<int Record::*>(info->member);
}

} // namespace study_detail

// The text of a value of the varied input, as its field shows it.
std::string StudyText(double value);

// The crossings of `target` over `range` on the case `base`: the range scanned at its
// points, each interval whose two ends lie on two sides of the target bisected to `tol`
// on the values fields can show. A point that computes nothing (refused, undefined) breaks
// the scan there. Not monotonic results give several crossings, in the order of the range.
template <class Record>
StudySolution SolveStudy(const Calculator<Record>& calc, const CaseData& base,
                         const StudyRange& range, const StudyTarget& target, double tol) {
    const auto at = [&](double x) -> std::optional<double> {
        CaseData data = base;
        data.inputs[range.input] = StudyText(x);
        return study_detail::ResultOf(calc, EvaluateCase(calc, data, {.detail = true}),
                                      target.result);
    };
    StudySolution solution;
    std::optional<double> prevX, prevV;
    for (int i = 0; i < range.points; ++i) {
        const double x = StudyPoint(range, i);
        const std::optional<double> v = at(x);
        if (v && target.MetBy(*v))
            solution.anyMeets = true;
        if (v && prevV && target.MetBy(*v) != target.MetBy(*prevV)) {
            // lo fails, hi meets (or the reverse); bisect keeping that.
            double fails = target.MetBy(*v) ? *prevX : x;
            double meets = target.MetBy(*v) ? x : *prevX;
            while (std::fabs(meets - fails) > tol) {
                const double mid = AsShown((meets + fails) / 2);
                if (mid == meets || mid == fails)
                    break;
                const std::optional<double> m = at(mid);
                if (!m)
                    break;
                (target.MetBy(*m) ? meets : fails) = mid;
            }
            solution.crossings.push_back({meets, meets > fails});
        }
        prevX = v ? std::optional<double>(x) : std::nullopt;
        prevV = v;
    }
    return solution;
}

} // namespace korvane
