#include "StudyRun.h"

#include "Calculators.h"
#include "CaseRecord.h"
#include "EvaluationStatus.h"
#include "FieldText.h"
#include "Trunc2.h"

#include <algorithm>
#include <thread>

namespace korvane {

int StudyAnswer::ColumnOf(std::string_view name) const {
    for (std::size_t i = 0; i < quantities.size(); ++i) {
        if (quantities[i].name == name)
            return static_cast<int>(i);
    }
    return -1;
}

std::vector<std::string> StudyColumns(std::string_view calculator, const StudySettings& settings) {
    std::vector<std::string> names;
    for (const StudyQuantity& q : StudyResultsOf(calculator)) {
        if (!q.extra || q.name == settings.result)
            names.push_back(q.name);
    }
    return names;
}

Problem StudySettingsProblem(std::string_view calculator, const StudySettings& s) {
    const StudyRange& r = s.range;
    if (!FindStudyQuantity(StudyInputsOf(calculator), r.input))
        return Problem("“" + r.input + "”不是可作参数分析的数值输入项");
    if (!std::isfinite(r.from) || !std::isfinite(r.to) || r.from == r.to)
        return Problem("参数分析的范围应有两个不同的有限端点");
    if (r.points < 2 || r.points > kMostStudyPoints)
        return Problem("参数分析的点数应是 2 到 " + std::to_string(kMostStudyPoints) +
                       " 之间的整数");
    if (!FindStudyQuantity(StudyResultsOf(calculator), s.result))
        return Problem("“" + s.result + "”不是本计算可分析的结果");
    if (s.target && (s.target->result != s.result || !std::isfinite(s.target->value)))
        return Problem("参数分析的目标应是所分析结果的一个有限值");
    return {};
}

namespace {

// A quantity no field shows, as the report states such figures: factors cut to hundredths
// like the form's, forces and moments whole.
std::string ExtraText(const StudyQuantity& q, double value) {
    return FormatNumber(q.unit.empty() ? Trunc2(value) : value);
}

// What every point starts from: the inputs and lists of `base`, as a case not yet
// calculated (its results belong to its own inputs, not to the point's).
template <class Record> CaseData StudyBase(const Calculator<Record>& calc, const CaseData& base) {
    CaseData data = base;
    data.calculator = calc.name;
    data.calculated = false;
    data.results.clear();
    data.study.reset();
    return data;
}

template <class Record>
StudyPointAnswer ComputePoint(const Calculator<Record>& calc, const CaseData& base,
                              const std::string& input, double value,
                              const std::vector<StudyQuantity>& quantities,
                              const EvaluationRequest& request) {
    StudyPointAnswer point;
    point.value = value;
    point.text = StudyText(value);
    CaseData data = StudyBase(calc, base);
    data.inputs[input] = point.text;
    const CaseEvaluation<Record> e = EvaluateCase(calc, data, request);
    point.done = true;
    point.computed = e.Calculated();
    point.status = EvaluationStatus(calc, e);
    for (const StudyQuantity& q : quantities) {
        const std::optional<double> v = StudyValueOf(calc, e, q.name);
        point.values.push_back(v);
        const MemberInfo<Record>* info = FindMemberNamed(calc.members, q.name);
        if (!v)
            point.texts.emplace_back();
        else if (info && !q.extra)
            point.texts.push_back(MemberFieldText(e.computed, *info));
        else
            point.texts.push_back(ExtraText(q, *v));
    }
    return point;
}

template <class Record>
StudyAnswer Run(const Calculator<Record>& calc, const CaseData& base, const StudySettings& s,
                unsigned threads, StudyProgress* progress, double tolerance) {
    StudyAnswer answer;
    const std::vector<StudyQuantity> all = StudyResultsOf(calc.name);
    const std::vector<std::string> names = StudyColumns(calc.name, s);
    for (const std::string& name : names)
        answer.quantities.push_back(*FindStudyQuantity(all, name));
    const EvaluationRequest request = StudyRequestFor(calc.name, names);
    const StudyRange& range = s.range;
    answer.points.resize(static_cast<std::size_t>(range.points));

    // One point at a time: a point of the circle search may take far longer than another.
    std::atomic<int> next{0};
    const auto work = [&] {
        for (;;) {
            if (progress && progress->cancel.load())
                return;
            const int i = next.fetch_add(1);
            if (i >= range.points)
                return;
            answer.points[static_cast<std::size_t>(i)] = ComputePoint(
                calc, base, range.input, StudyPoint(range, i), answer.quantities, request);
            if (progress)
                progress->done.fetch_add(1);
        }
    };
    std::vector<std::thread> workers;
    for (unsigned t = 1; t < std::max(threads, 1u); ++t)
        workers.emplace_back(work);
    work();
    for (std::thread& worker : workers)
        worker.join();

    answer.cancelled = progress && progress->cancel.load() &&
                       std::any_of(answer.points.begin(), answer.points.end(),
                                   [](const StudyPointAnswer& p) { return !p.done; });
    if (answer.cancelled || !s.target)
        return answer;
    const int column = answer.ColumnOf(s.target->result);
    std::vector<std::optional<double>> values;
    for (const StudyPointAnswer& p : answer.points)
        values.push_back(p.values[static_cast<std::size_t>(column)]);
    const EvaluationRequest targetRequest = StudyRequestFor(calc.name, {s.target->result});
    const auto at = [&](double x) -> std::optional<double> {
        CaseData data = StudyBase(calc, base);
        data.inputs[range.input] = StudyText(x);
        return StudyValueOf(calc, EvaluateCase(calc, data, targetRequest), s.target->result);
    };
    answer.solution = BisectCrossings(range, values, *s.target, tolerance, at);
    return answer;
}

} // namespace

StudyAnswer RunStudy(const CaseData& base, const StudySettings& settings, unsigned threads,
                     StudyProgress* progress, std::optional<double> tolerance) {
    const StudyRange& r = settings.range;
    const double tol = tolerance.value_or(std::fabs(r.to - r.from) / 1000);
    StudyAnswer answer;
    WithCalculator(base.calculator, [&](const auto& calc) {
        answer = Run(calc, base, settings, threads, progress, tol);
    });
    return answer;
}

} // namespace korvane
