#pragma once

#include "CaseEvaluation.h"
#include "DesignChecks.h"
#include "Problem.h"
#include "StudySettings.h"

#include <cmath>
#include <functional>
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

// "NAME=FROM:TO:N" (a sweep) or "NAME=FROM:TO" (a search, scanned at kSolveScanPoints).
Problem ReadStudyRange(std::string_view text, bool withPoints, StudyRange& range);

// The value of point i: from + i·(to − from)/(points − 1), the last point `to` itself, as its
// field would show it and read it back, so that a point's text stands for exactly its value.
double StudyPoint(const StudyRange& range, int i);
// A value as its field would show it and read it back.
double AsShown(double value);

// RESULT>=VALUE or RESULT<=VALUE.
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

// What a study can chart of a calculator: each of its results, then what its calculation
// gives besides them (the thorough factor, the code's factors, pile forces the results leave
// out), each computed only when a study asks for it.
struct StudyQuantity {
    enum class Needs { Detail, Thorough, CodeMethods };
    std::string name;  // a result member's, or "thoroughKs", "bishopKs", "Nmin", ...
    std::string label; // as its field or the report calls it
    std::string unit;
    Needs needs = Needs::Detail;
    bool extra = false; // no field of the form shows it
    // An input's range, when its field has one: values outside it are refused.
    std::optional<double> least = std::nullopt, most = std::nullopt;
};

// The numeric inputs of the calculator called `calculator` (none for an unknown name), and
// what a study can chart of it, results first.
std::vector<StudyQuantity> StudyInputsOf(std::string_view calculator);
std::vector<StudyQuantity> StudyResultsOf(std::string_view calculator);
// The quantity called `name` among `quantities`, or nullptr.
const StudyQuantity* FindStudyQuantity(const std::vector<StudyQuantity>& quantities,
                                       std::string_view name);

// The target the case's limits set on the result `name`, when they set one: [K] on the
// factors, Ra on the mean pile force and 1.2 Ra on the largest, [x0], [M] and [Q] on the
// results they limit.
std::optional<StudyTarget> TargetFromLimits(std::string_view calculator, const std::string& name,
                                            const DesignLimits& limits);

// What a point is evaluated with so that every quantity of `names` can be read off it.
EvaluationRequest StudyRequestFor(std::string_view calculator,
                                  const std::vector<std::string>& names);

// The quantity `name` of a calculation, unrounded where the calculation keeps more digits
// than its field (ks from the factor itself); none when it did not compute or left it
// undefined.
template <class Record>
std::optional<double> StudyValueOf(const Calculator<Record>& calc, const CaseEvaluation<Record>& e,
                                   const std::string& name) {
    if (!e.Calculated() || IsUndefined(e.outcome, name))
        return std::nullopt;
    const CaseExtras& x = e.extras;
    if (name == "ks") {
        DesignLimits limits;
        limits["ks"] = {1, {}};
        for (const DesignCheck& check : DesignChecks(calc.name, x, limits))
            if (check.name == "ks" && check.value)
                return *check.value;
    }
    if (name == "thoroughKs")
        return x.thorough && x.thorough->circle.found ? std::optional(x.thorough->circle.ks)
                                                      : std::nullopt;
    const CodeMethods& m = x.codeMethods;
    if (name == "bishopKs")
        return m.bishop && m.bishop->Defined() ? std::optional(m.bishop->factor) : std::nullopt;
    if (name == "bishopMinKs")
        return m.bishopLeast && m.bishopLeast->circle.found
                   ? std::optional(m.bishopLeast->circle.ks)
                   : std::nullopt;
    if (name == "transferKs")
        return m.transfer && m.transfer->defined ? std::optional(m.transfer->factor) : std::nullopt;
    if (const std::optional<PileGroupDetail>& g = x.detail.pileGroup) {
        if (name == "Nmin")
            return g->Nmin;
        if (name == "Nmean")
            return g->Nmean;
        if (name == "Mtop")
            return g->Mtop;
    }
    const MemberInfo<Record>* info = FindMemberNamed(calc.members, name);
    if (!info || info->role != MemberRole::Result)
        return std::nullopt;
    if (const auto* member = std::get_if<double Record::*>(&info->member))
        return e.computed.**member;
    return e.computed.*std::get<int Record::*>(info->member);
}

// The text of a value of the varied input, as its field shows it.
std::string StudyText(double value);

// What a study says of its target and crossings, in every face's words:
// "ks ≥ 1.35";
std::string StudyTargetText(const StudyTarget& target);
// "say = 2.9375 m（其以下满足）", `unit` after the value when there is one;
std::string StudyCrossingText(const std::string& input, const StudyCrossing& crossing,
                              std::string_view unit = {});
// the crossings joined by "；", or why there is none: "范围内没有满足 ks ≥ 1.35 的值" or
// "范围内各点均满足 ks ≥ 1.35，没有交点".
std::string StudySolutionText(const std::string& input, const StudySolution& solution,
                              const StudyTarget& target, std::string_view unit = {});

// The crossings of `target` where the scanned `values` (one per point of `range`, none
// where a point computed nothing) change sides, each bisected to `tol` on the values
// fields can show, `at` giving the result at a value of the input. A point that computes
// nothing breaks the scan there. Not monotonic results give several crossings, in the
// order of the range.
StudySolution BisectCrossings(const StudyRange& range,
                              const std::vector<std::optional<double>>& values,
                              const StudyTarget& target, double tol,
                              const std::function<std::optional<double>(double)>& at);

} // namespace korvane
