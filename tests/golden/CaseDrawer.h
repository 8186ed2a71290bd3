#pragma once

// How the golden master generator draws the inputs of one calculation's cases:
//   typical   every typed field near the form's default, lists and radios anywhere in
//             their range;
//   boundary  a typical case with one to three edges applied: a member at 0, -0, a range
//             end or a threshold the engine branches on, a list position outside the
//             list, results left from an earlier calculation;
//   hostile   members redrawn by the fuzz targets' value readers (NaN, infinities,
//             huge, raw bit patterns, INT_MIN ...);
//   edge      a typical case with one input moved to where a result cut to two
//             decimals changes between two neighbouring doubles of the input. The
//             result there lies within a few units in the last place of its cut, so
//             that a change in its last bits shows in the record instead of vanishing
//             in the cut.
// A third of the typical and boundary cases start from the record an earlier press of
// the button left, with one to three inputs changed since, as the forms hand it over.

#include "CaseRecipe.h"
#include "FuzzInputs.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

using namespace korvane;

enum class CaseKind { Typical, Boundary, Hostile, Edge };

template <class Record> class CaseDrawer {
public:
    explicit CaseDrawer(const CaseRecipe<Record>& recipe) : recipe_(recipe), defaults_() {}

    CaseDraft<Record> Draw(GoldenRandom& rng, CaseKind kind) {
        CaseDraft<Record> c = Fresh();
        if (kind == CaseKind::Hostile) {
            if (rng.Chance(0.5))
                Typical(c, rng);
            Hostile(c, rng);
            return c;
        }
        if (kind == CaseKind::Edge) {
            do {
                c = Fresh();
                Typical(c, rng);
            } while (!MoveToAnEdge(c, rng));
            return c;
        }
        if (rng.Chance(1.0 / 3))
            PreviousPress(c, rng);
        else
            Typical(c, rng);
        if (kind == CaseKind::Boundary) {
            const int count = rng.Chance(0.6) ? 1 : rng.Between(2, 3);
            for (int i = 0; i < count; ++i) {
                const Edge<Record>& edge = PickEdge(rng);
                edge.apply(c, rng);
                c.edgesApplied.push_back(edge.label);
            }
        }
        return c;
    }

    // Every typed field drawn typical, and the lists anywhere within them.
    void Typical(CaseDraft<Record>& c, GoldenRandom& rng) const {
        for (const auto& f : recipe_.calc.fields)
            if (IsTypedInput(f))
                TypicalValue(c, f, rng);
        c.lists[0] = rng.Below(kConcreteGrades);
        if (recipe_.calc.lists > 1)
            c.lists[1] = rng.Chance(0.1) ? -1 : rng.Below(kRebarGrades);
    }

private:
    CaseDraft<Record> Fresh() const {
        CaseDraft<Record> c;
        c.calc = &recipe_.calc;
        c.lists.assign(recipe_.calc.lists, -1);
        return c;
    }

    bool IsTypedInput(const GoldenField<Record>& f) const {
        if (f.series)
            return false;
        if (recipe_.RuleOf(f.name))
            return true;
        return f.kind == korvane::FieldKind::Number && f.Real(*defaults_.record) != 0;
    }

    void TypicalValue(CaseDraft<Record>& c, const GoldenField<Record>& f, GoldenRandom& rng) const {
        const TypicalRule* rule = recipe_.RuleOf(f.name);
        if (!rule) {
            const double def = f.Real(*defaults_.record);
            f.Real(*c.record) = TypedSignificant(def * rng.Uniform(0.5, 1.5), 3);
            return;
        }
        double u = rng.Unit();
        for (int i = 1; i < rule->skew; ++i)
            u = u * u;
        if (f.IsWhole()) {
            const int span = static_cast<int>(rule->hi - rule->lo) + 1;
            f.Whole(*c.record) = static_cast<int>(rule->lo) + static_cast<int>(u * span);
        } else if (rng.Chance(rule->zeroShare)) {
            f.Real(*c.record) = 0;
        } else {
            f.Real(*c.record) = TypedFixed(rule->lo + (rule->hi - rule->lo) * u, rule->decimals);
        }
    }

    // A typical record calculated once, then one to three of its inputs (or a list)
    // changed: the results, looked-up materials and depth series are those of the
    // earlier press.
    void PreviousPress(CaseDraft<Record>& c, GoldenRandom& rng) const {
        Typical(c, rng);
        recipe_.calc.run(*c.record, c.lists[0], recipe_.calc.lists > 1 ? c.lists[1] : -1);
        std::vector<const GoldenField<Record>*> inputs;
        for (const auto& f : recipe_.calc.fields)
            if (IsTypedInput(f))
                inputs.push_back(&f);
        const int changes = rng.Between(1, 3);
        for (int i = 0; i < changes; ++i)
            TypicalValue(c, *rng.Pick(inputs), rng);
        if (rng.Chance(0.2))
            c.lists[0] = rng.Below(kConcreteGrades);
    }

    void Hostile(CaseDraft<Record>& c, GoldenRandom& rng) const {
        for (int& list : c.lists)
            if (rng.Chance(0.2))
                list = fuzzin::ConsumeInt(rng, list);
        for (const auto& f : recipe_.calc.fields) {
            if (!rng.Chance(f.series ? 0.03 : 0.12))
                continue;
            if (f.IsWhole())
                f.Whole(*c.record) = fuzzin::ConsumeInt(rng, f.Whole(*c.record));
            else
                f.Real(*c.record) = fuzzin::ConsumeDouble(rng, f.Real(*c.record));
        }
    }

    // The outcome and the shown `result` of the calculation with `input` = v.
    std::string ShownWith(const CaseDraft<Record>& c, std::string_view input, double v,
                          std::string_view result) const {
        CaseDraft<Record> trial;
        trial.calc = c.calc;
        trial.record = std::make_unique<Record>(*c.record);
        trial.lists = c.lists;
        trial.Set(input, v);
        const CalcOutcome outcome = recipe_.calc.run(*trial.record, trial.lists[0],
                                                     recipe_.calc.lists > 1 ? trial.lists[1] : -1);
        return recipe_.calc.Refused(outcome) + " " + trial.Field(result).Encode(*trial.record);
    }

    // Bisects one edge input, between its value and a little more, down to two
    // neighbouring doubles that show one result differently; keeps one of them.
    // Positive doubles order as their bit patterns, so the bisection runs on the bits.
    bool MoveToAnEdge(CaseDraft<Record>& c, GoldenRandom& rng) const {
        const char* input = rng.Pick(recipe_.edgeInputs);
        const char* result = rng.Pick(recipe_.edgeResults);
        const double v = c.Get(input);
        if (!(v > 0) || !std::isfinite(v))
            return false;
        const std::string low = ShownWith(c, input, v, result);
        double high = v;
        for (double step : {1e-4, 1e-3, 1e-2, 1e-1}) {
            high = v * (1 + step);
            if (ShownWith(c, input, high, result) != low)
                break;
        }
        if (ShownWith(c, input, high, result) == low)
            return false;
        std::uint64_t lo = std::bit_cast<std::uint64_t>(v);
        std::uint64_t hi = std::bit_cast<std::uint64_t>(high);
        while (hi - lo > 1) {
            const std::uint64_t mid = lo + (hi - lo) / 2;
            if (ShownWith(c, input, std::bit_cast<double>(mid), result) == low)
                lo = mid;
            else
                hi = mid;
        }
        c.Set(input, std::bit_cast<double>(rng.Chance(0.5) ? lo : hi));
        return true;
    }

    const Edge<Record>& PickEdge(GoldenRandom& rng) const {
        int total = 0;
        for (const auto& e : recipe_.edges)
            total += e.weight;
        int pick = rng.Below(total);
        for (const auto& e : recipe_.edges) {
            if (pick < e.weight)
                return e;
            pick -= e.weight;
        }
        return recipe_.edges.back();
    }

    const CaseRecipe<Record>& recipe_;
    CaseDraft<Record> defaults_;
};
