#include "Study.h"

#include "Calculators.h"
#include "FieldText.h"

#include <charconv>
#include <span>

namespace korvane {

namespace {

std::optional<double> NumberOf(std::string_view text) {
    const std::optional<double> v = ParseNumber(std::string(text));
    if (!v || !std::isfinite(*v))
        return std::nullopt;
    return v;
}

// What a calculator's calculation gives besides the fields, for a study to chart.
struct ExtraQuantity {
    const char* calculator;
    StudyQuantity quantity;
};

const std::vector<ExtraQuantity>& ExtraQuantities() {
    using N = StudyQuantity::Needs;
    static const std::vector<ExtraQuantity> extras = {
        {"circular", {"thoroughKs", "全面搜索所得最小稳定系数", "", N::Thorough, true}},
        {"circular", {"bishopKs", "简化 Bishop 法稳定系数（ks 圆弧）", "", N::CodeMethods, true}},
        {"circular", {"bishopMinKs", "简化 Bishop 法最小稳定系数", "", N::CodeMethods, true}},
        {"polyline", {"transferKs", "传递系数法稳定系数", "", N::CodeMethods, true}},
        {"combined", {"Nmin", "最小桩顶竖向力", "kN", N::Detail, true}},
        {"combined", {"Nmean", "平均桩顶竖向力", "kN", N::Detail, true}},
        {"combined", {"Mtop", "桩顶弯矩", "kN·m", N::Detail, true}},
        {"highcap", {"Nmin", "最小桩顶竖向力", "kN", N::Detail, true}},
        {"highcap", {"Nmean", "平均桩顶竖向力", "kN", N::Detail, true}},
        {"highcap", {"Mtop", "桩顶弯矩", "kN·m", N::Detail, true}},
    };
    return extras;
}

template <class Record>
std::vector<StudyQuantity> MembersOf(const Calculator<Record>& calc, MemberRole role) {
    std::vector<StudyQuantity> quantities;
    for (const MemberInfo<Record>& info : calc.members) {
        if (info.role != role || info.kind != FieldKind::Number)
            continue;
        StudyQuantity q{info.name, MemberLabel(info), info.unit};
        if (info.range) {
            q.least = info.range->min;
            q.most = info.range->max;
        }
        quantities.push_back(std::move(q));
    }
    return quantities;
}

} // namespace

std::vector<StudyQuantity> StudyInputsOf(std::string_view calculator) {
    std::vector<StudyQuantity> inputs;
    WithCalculator(calculator,
                   [&](const auto& calc) { inputs = MembersOf(calc, MemberRole::Input); });
    return inputs;
}

std::vector<StudyQuantity> StudyResultsOf(std::string_view calculator) {
    std::vector<StudyQuantity> results;
    WithCalculator(calculator,
                   [&](const auto& calc) { results = MembersOf(calc, MemberRole::Result); });
    for (const ExtraQuantity& extra : ExtraQuantities()) {
        if (calculator == extra.calculator)
            results.push_back(extra.quantity);
    }
    return results;
}

const StudyQuantity* FindStudyQuantity(const std::vector<StudyQuantity>& quantities,
                                       std::string_view name) {
    for (const StudyQuantity& q : quantities) {
        if (q.name == name)
            return &q;
    }
    return nullptr;
}

std::optional<StudyTarget> TargetFromLimits(std::string_view calculator, const std::string& name,
                                            const DesignLimits& limits) {
    struct Rule {
        const char* result;
        const char* limit;
        bool atLeast;
        double factor;
    };
    static const Rule slope[] = {{"ks", "ks", true, 1},
                                 {"thoroughKs", "ks", true, 1},
                                 {"bishopKs", "ks", true, 1},
                                 {"bishopMinKs", "ks", true, 1},
                                 {"transferKs", "ks", true, 1}};
    static const Rule piles[] = {{"Ntop", "Ra", false, 1.2},
                                 {"Nmean", "Ra", false, 1},
                                 {"x0", "x0", false, 1},
                                 {"Mmax", "M", false, 1},
                                 {"Qmax", "Q", false, 1}};
    const bool isSlope = calculator == "circular" || calculator == "polyline";
    for (const Rule& rule : isSlope ? std::span<const Rule>(slope) : std::span<const Rule>(piles)) {
        const auto limit = limits.find(rule.limit);
        if (name == rule.result && limit != limits.end())
            return StudyTarget{name, rule.atLeast, rule.factor * limit->second.value};
    }
    return std::nullopt;
}

EvaluationRequest StudyRequestFor(std::string_view calculator,
                                  const std::vector<std::string>& names) {
    EvaluationRequest request{.detail = true};
    const std::vector<StudyQuantity> results = StudyResultsOf(calculator);
    for (const std::string& name : names) {
        const StudyQuantity* q = FindStudyQuantity(results, name);
        request.thorough = request.thorough || (q && q->needs == StudyQuantity::Needs::Thorough);
        request.codeMethods =
            request.codeMethods || (q && q->needs == StudyQuantity::Needs::CodeMethods);
    }
    return request;
}

StudySolution BisectCrossings(const StudyRange& range,
                              const std::vector<std::optional<double>>& values,
                              const StudyTarget& target, double tol,
                              const std::function<std::optional<double>(double)>& at) {
    StudySolution solution;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::optional<double>& v = values[i];
        if (v && target.MetBy(*v))
            solution.anyMeets = true;
        if (i == 0 || !v || !values[i - 1] || target.MetBy(*v) == target.MetBy(*values[i - 1]))
            continue;
        const double x = StudyPoint(range, static_cast<int>(i));
        const double prevX = StudyPoint(range, static_cast<int>(i - 1));
        // One end fails, the other meets; bisection keeps it so.
        double fails = target.MetBy(*v) ? prevX : x;
        double meets = target.MetBy(*v) ? x : prevX;
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
    return solution;
}

std::string StudyText(double value) {
    return FormatNumber(value);
}

std::string StudyTargetText(const StudyTarget& target) {
    return target.result + (target.atLeast ? " ≥ " : " ≤ ") + FormatNumber(target.value);
}

std::string StudyCrossingText(const std::string& input, const StudyCrossing& crossing,
                              std::string_view unit) {
    return input + " = " + StudyText(crossing.value) +
           (unit.empty() ? "" : " " + std::string(unit)) + "（其" +
           (crossing.meetsAbove ? "以上" : "以下") + "满足）";
}

std::string StudySolutionText(const std::string& input, const StudySolution& solution,
                              const StudyTarget& target, std::string_view unit) {
    if (solution.crossings.empty())
        return solution.anyMeets ? "范围内各点均满足 " + StudyTargetText(target) + "，没有交点"
                                 : "范围内没有满足 " + StudyTargetText(target) + " 的值";
    std::string text;
    for (const StudyCrossing& c : solution.crossings)
        text += (text.empty() ? "" : "；") + StudyCrossingText(input, c, unit);
    return text;
}

double AsShown(double value) {
    const std::optional<double> back = ParseNumber(FormatNumber(value));
    return back ? *back : value;
}

double StudyPoint(const StudyRange& r, int i) {
    if (i == r.points - 1)
        return AsShown(r.to);
    return AsShown(r.from + i * (r.to - r.from) / (r.points - 1));
}

Problem ReadStudyRange(std::string_view text, bool withPoints, StudyRange& range) {
    const std::string form = withPoints ? "NAME=FROM:TO:N" : "NAME=FROM:TO";
    const auto refuse = [&] {
        return Problem("应写成 " + form + "，而不是“" + std::string(text) + "”");
    };
    const std::size_t eq = text.find('=');
    if (eq == std::string_view::npos || eq == 0)
        return refuse();
    range.input = std::string(text.substr(0, eq));
    std::vector<std::string_view> parts;
    std::string_view rest = text.substr(eq + 1);
    for (std::size_t colon; (colon = rest.find(':')) != std::string_view::npos;) {
        parts.push_back(rest.substr(0, colon));
        rest.remove_prefix(colon + 1);
    }
    parts.push_back(rest);
    if (parts.size() != (withPoints ? 3u : 2u))
        return refuse();
    const std::optional<double> from = NumberOf(parts[0]), to = NumberOf(parts[1]);
    if (!from || !to)
        return refuse();
    if (*from == *to)
        return Problem("范围的两端相同（" + std::string(parts[0]) + "），没有可分析的范围");
    range.from = *from;
    range.to = *to;
    range.points = kSolveScanPoints;
    if (withPoints) {
        int n = 0;
        const auto [end, error] =
            std::from_chars(parts[2].data(), parts[2].data() + parts[2].size(), n);
        if (error != std::errc() || end != parts[2].data() + parts[2].size() || n < 2 ||
            n > kMostStudyPoints)
            return Problem("点数 N 应是 2 到 " + std::to_string(kMostStudyPoints) +
                           " 之间的整数，不是“" + std::string(parts[2]) + "”");
        range.points = n;
    }
    return {};
}

Problem ReadStudyTarget(std::string_view text, StudyTarget& target) {
    const std::size_t ge = text.find(">="), le = text.find("<=");
    const std::size_t at = ge != std::string_view::npos ? ge : le;
    const std::optional<double> value =
        at == std::string_view::npos ? std::nullopt : NumberOf(text.substr(at + 2));
    if (at == std::string_view::npos || at == 0 || !value)
        return Problem("--target 应写成 RESULT>=VALUE 或 RESULT<=VALUE，而不是“" +
                       std::string(text) + "”");
    target.result = std::string(text.substr(0, at));
    target.atLeast = at == ge;
    target.value = *value;
    return {};
}

} // namespace korvane
