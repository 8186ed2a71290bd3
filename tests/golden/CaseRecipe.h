#pragma once

// What the golden master generator needs to know to draw the cases of one calculation
// (CaseDrawer.h draws them): typical ranges of the inputs, the edges of boundary cases,
// the shares of the kinds of cases and an optional price that keeps the replay quick.

#include "GoldenCalcs.h"
#include "GoldenRandom.h"

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

using namespace korvane;

// The list selections that the calculations show: -1 is "nothing chosen".
inline constexpr int kConcreteGrades = 6;
inline constexpr int kRebarGrades = 3;

template <class Record> struct CaseDraft {
    const GoldenCalc<Record>* calc = nullptr;
    std::unique_ptr<Record> record = std::make_unique<Record>();
    std::vector<int> lists;
    std::vector<const char*> edgesApplied; // labels of the boundary edges

    // Sets a field, or a list position ("concrete", "rebar"), by name; an int field
    // takes the value converted.
    void Set(std::string_view name, double v) {
        if (name == "concrete" || name == "rebar") {
            lists[name == "concrete" ? 0 : 1] = static_cast<int>(v);
            return;
        }
        const GoldenField<Record>& f = Field(name);
        if (f.IsWhole())
            f.Whole(*record) = static_cast<int>(v);
        else
            f.Real(*record) = v;
    }
    double Get(std::string_view name) const {
        const GoldenField<Record>& f = Field(name);
        return f.IsWhole() ? f.Whole(*record) : f.Real(*record);
    }
    const GoldenField<Record>& Field(std::string_view name) const {
        for (const auto& f : calc->fields)
            if (f.name == name)
                return f;
        throw std::invalid_argument("no field " + std::string(name));
    }
};

// The typical value of a field: 0 in `zeroShare` of the cases, otherwise drawn from
// [lo, hi] and typed with `decimals` places; `skew` > 1 squares the uniform draw
// skew - 1 times, so that small values are the common ones. Number fields without a
// rule take their default × 0.5 .. 1.5 to three significant digits; the others keep
// their default (results, whose default is 0, and members without a control).
struct TypicalRule {
    const char* name;
    double lo, hi;
    int decimals = 2;
    double zeroShare = 0;
    int skew = 1;
};

template <class Record> struct Edge {
    const char* label;
    std::function<void(CaseDraft<Record>&, GoldenRandom&)> apply;
    int weight = 1;
};

// An edge that sets one field or list to one of `values`.
template <class Record>
Edge<Record> ValuesEdge(const char* name, std::vector<double> values, int weight = 1) {
    return {
        name,
        [name, values](CaseDraft<Record>& c, GoldenRandom& rng) { c.Set(name, rng.Pick(values)); },
        weight};
}

// An edge that sets one of the named fields to a value that is not a finite number.
template <class Record> Edge<Record> NonFiniteEdge(std::vector<const char*> names, int weight) {
    return {"not a finite number",
            [names](CaseDraft<Record>& c, GoldenRandom& rng) {
                const double inf = std::numeric_limits<double>::infinity();
                const double nan = std::numeric_limits<double>::quiet_NaN();
                c.Set(rng.Pick(names), rng.Pick(std::vector<double>{nan, -nan, inf, -inf}));
            },
            weight};
}

template <class Record> struct CaseRecipe {
    GoldenCalc<Record> calc;
    int cases;
    std::uint64_t seed;
    std::vector<TypicalRule> typical;
    std::vector<Edge<Record>> edges;
    // Shares of boundary, hostile and edge cases; the rest is typical.
    double boundaryShare = 0.4;
    double hostileShare = 0.2;
    double edgeShare = 0;
    // The inputs an edge case moves (positive, continuous ones) and the results cut
    // for display whose edges it looks for.
    std::vector<const char*> edgeInputs = {};
    std::vector<const char*> edgeResults = {};
    // Optional price of a case (slices and pile rows of a search); a draw above
    // `budget` is drawn again, except for `heavyCases` draws up to `heavyBudget`.
    std::function<long long(const CaseDraft<Record>&)> cost = nullptr;
    long long budget = 0;
    long long heavyBudget = 0;
    int heavyCases = 0;

    const TypicalRule* RuleOf(std::string_view name) const {
        for (const auto& rule : typical)
            if (name == rule.name)
                return &rule;
        return nullptr;
    }
};
