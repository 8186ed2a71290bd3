#include "DesignChecks.h"

#include "FieldText.h"
#include "Trunc2.h"

#include <cmath>
#include <functional>

namespace korvane {

namespace {

using Relation = DesignCheck::Relation;

std::string Shown(double value) {
    return FormatNumber(Trunc2(value));
}

// The unrounded factor whose cut the form shows as ks.
std::optional<double> FactorOf(const CalculationDetail& d) {
    if (d.critical)
        return d.critical->factor;
    if (d.polyline)
        return d.polyline->factor;
    return std::nullopt;
}

// The depth value of the largest magnitude, the pile head included, as a magnitude.
double LargestMagnitude(const PileGroupDetail& g, double PileDepthPoint::*member) {
    double largest = 0;
    for (const PileDepthPoint& p : g.depth)
        largest = std::fmax(largest, std::fabs(p.*member));
    return largest;
}

struct Checker {
    const DesignLimits& limits;
    std::vector<DesignCheck> checks;

    // A check of `value` against the limit called `name`, when the case holds it; the
    // limit compared with is `factor` times the limit's value.
    void Check(const char* name, const char* checkName, const char* item, const char* unit,
               Relation relation, std::optional<double> value, double factor = 1) {
        const auto found = limits.find(name);
        if (found == limits.end())
            return;
        DesignCheck c;
        c.name = checkName;
        c.item = item;
        c.unit = unit;
        c.relation = relation;
        const DesignLimit& limit = found->second;
        c.basis = limit.basis;
        c.limit = factor * limit.value;
        c.limitText = factor == 1 ? FormatNumber(limit.value)
                                  : FormatNumber(factor) + " × " + FormatNumber(limit.value) +
                                        " = " + FormatNumber(c.limit);
        if (value && std::isfinite(*value)) {
            c.value = *value;
            c.valueText = Shown(*value);
            c.met = relation == Relation::AtLeast ? *value >= c.limit : *value <= c.limit;
        }
        checks.push_back(std::move(c));
    }
};

} // namespace

std::string VerdictWord(const DesignCheck& check) {
    if (!check.value)
        return "无法验算";
    return check.met ? "满足" : "不满足";
}

std::string VerdictLine(const DesignCheck& check) {
    if (!check.value)
        return VerdictWord(check) + " (计算未给出可验算的值；限值 " + check.limitText + ")";
    const char* relation = check.relation == Relation::AtLeast ? (check.met ? " ≥ " : " < ")
                                                               : (check.met ? " ≤ " : " > ");
    return VerdictWord(check) + " (" + check.valueText + relation + check.limitText + ")";
}

std::vector<DesignCheck> DesignChecks(std::string_view calculator, const CaseExtras& extras,
                                      const DesignLimits& limits) {
    Checker c{limits, {}};
    const CalculationDetail& d = extras.detail;
    if (calculator == "circular" || calculator == "polyline") {
        c.Check("ks", "ks", "稳定安全系数 ks ≥ [K]", "", Relation::AtLeast, FactorOf(d));
        return c.checks;
    }
    if (calculator != "combined" && calculator != "highcap")
        return c.checks;
    const std::optional<PileGroupDetail>& g = d.pileGroup;
    const auto of = [&g](const std::function<double(const PileGroupDetail&)>& fact) {
        return g ? std::optional<double>(fact(*g)) : std::nullopt;
    };
    c.Check("Ra", "Ra", "平均桩顶竖向力 N ≤ Ra", "kN", Relation::AtMost,
            of([](const PileGroupDetail& p) { return p.Nmean; }));
    c.Check("Ra", "Ra.max", "最大桩顶竖向力 Nmax ≤ 1.2 Ra", "kN", Relation::AtMost,
            of([](const PileGroupDetail& p) { return p.Nmax; }), 1.2);
    c.Check("x0", "x0", "地面处桩身水平位移 |x0| ≤ [x0]", "mm", Relation::AtMost,
            of([](const PileGroupDetail& p) { return std::fabs(p.x0 * 1000); }));
    if (calculator == "highcap") {
        c.Check(
            "M", "M", "桩身最大弯矩 |M| ≤ [M]（含桩顶）", "kN·m", Relation::AtMost,
            of([](const PileGroupDetail& p) { return LargestMagnitude(p, &PileDepthPoint::M); }));
        c.Check(
            "Q", "Q", "桩身最大剪力 |Q| ≤ [Q]", "kN", Relation::AtMost,
            of([](const PileGroupDetail& p) { return LargestMagnitude(p, &PileDepthPoint::Q); }));
    }
    return c.checks;
}

std::vector<std::string> DesignCheckNames(std::string_view calculator, const DesignLimits& limits) {
    std::vector<std::string> names;
    for (const DesignCheck& check : DesignChecks(calculator, CaseExtras{}, limits))
        names.push_back(check.name);
    return names;
}

} // namespace korvane
