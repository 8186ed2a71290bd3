#pragma once

#include "BatchCommand.h"
#include "CaseArguments.h"
#include "StudyRun.h"

#include <sstream>

namespace korvane {

// korvane-calc CALC … --sweep NAME=FROM:TO:N and --solve NAME=FROM:TO --target R>=V: the
// case of the command line (a case file's, with NAME=VALUE over it) with one input varied.

namespace study_cli {

// The case the study varies, and the range of its input; or why there is none.
template <class Record>
Problem StudyCase(const Calculator<Record>& calc, const CommandLine& line, const CaseData& base,
                  const std::string& rangeText, bool withPoints, CaseData& data,
                  StudyRange& range) {
    data = base;
    if (Problem problem = cli_detail::AssignmentsToCase(calc, line, data))
        return problem;
    if (Problem problem = ApplyRequirements(calc.name, line, data.limits))
        return problem;
    if (Problem problem = ReadStudyRange(rangeText, withPoints, range))
        return Problem((withPoints ? "--sweep " : "--solve ") + problem.Message());
    const MemberInfo<Record>* info = FindMemberNamed(calc.members, range.input);
    if (!info || info->role != MemberRole::Input || info->kind != FieldKind::Number)
        return Problem(range.input + " 不是 " + calc.name +
                       " 的数值输入项，不能作参数分析（korvane-calc --help 列出输入项）");
    for (const auto& [name, value] : line.assignments)
        if (name == range.input)
            return Problem(name + " 已由参数分析取值，不能再给 " + name + "=" + value);
    return {};
}

// RESULT>=VALUE, RESULT<=VALUE, or RESULT alone for the limit the case sets on it.
inline Problem TargetOf(std::string_view calculator, const std::string& text,
                        const DesignLimits& limits, StudyTarget& target) {
    if (text.find(">=") != std::string::npos || text.find("<=") != std::string::npos)
        return ReadStudyTarget(text, target);
    if (const std::optional<StudyTarget> fromLimits = TargetFromLimits(calculator, text, limits)) {
        target = *fromLimits;
        return {};
    }
    if (FindStudyQuantity(StudyResultsOf(calculator), text))
        return Problem("--target " + text + "：算例与 --require 都没有给出它的验算限值，请写成 " +
                       text + ">=VALUE 或 " + text + "<=VALUE");
    return ReadStudyTarget(text, target);
}

// --threads, or every core.
inline unsigned ThreadsOf(const CommandLine& line) {
    return line.threads ? line.threads : std::max(std::thread::hardware_concurrency(), 1u);
}

} // namespace study_cli

// Prints a CSV: the input, the chosen results (and checks, code methods) and a batch's
// status column, one row a point, each computed as the single case of that text. The exit
// status is a batch's.
template <class Record>
int RunSweepCommand(const Calculator<Record>& calc, const CommandLine& line, const CaseData& base) {
    using cli_detail::PrintError;
    CaseData data;
    StudyRange range;
    if (const Problem problem =
            study_cli::StudyCase(calc, line, base, line.sweep, true, data, range)) {
        PrintError(problem.Message());
        return kExitRefused;
    }
    BatchPlan plan;
    // The input was checked above: one column of it is a plan.
    (void)PlanBatch(calc, CsvRow{range.input}, plan);
    if (!line.results.empty()) {
        std::vector<std::string> chosen;
        std::stringstream names(line.results);
        for (std::string name; std::getline(names, name, ',');) {
            const MemberInfo<Record>* info = FindMemberNamed(calc.members, name);
            if (!info || info->role != MemberRole::Result) {
                PrintError("--results：" + name + " 不是 " + calc.name + " 的计算结果");
                return kExitRefused;
            }
            chosen.push_back(name);
        }
        plan.results = chosen;
    }
    CheckBatchAgainst(calc, data.limits, plan);
    if (line.codeMethods)
        plan.codeMethods = CodeMethodNames(calc.name);
    plan.base = data;

    std::vector<CsvRow> rows;
    for (int i = 0; i < range.points; ++i)
        rows.push_back({StudyText(StudyPoint(range, i))});
    const unsigned threads = study_cli::ThreadsOf(line);
    const CsvStyle style;
    const BatchAnswer answer =
        ComputeBatchRows(calc, plan, std::span<const CsvRow>(rows), style, threads);
    std::string text;
    AppendCsvRow(text, BatchOutputHeader(CsvRow{range.input}, plan), style);
    bool refused = false, undefined = false;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        text += answer.lines[r];
        refused = refused || answer.statuses[r] == BatchRowStatus::Refused;
        undefined = undefined || answer.statuses[r] == BatchRowStatus::Undefined;
    }
    AtomicFileWriter out;
    Problem problem = out.Open(line.outPath.empty() ? "-" : line.outPath);
    if (!problem)
        problem = out.Write(text);
    if (!problem)
        problem = out.Commit();
    if (problem) {
        PrintError(problem.Message());
        return kExitRefused;
    }
    return refused ? kExitRefused : (undefined ? kExitUndefined : kExitComputed);
}

// Exit status of a design search that found no value meeting its target.
inline constexpr int kExitTargetNotMet = 4;

// Prints NAME=VALUE for each value where the result crosses the target, the value that
// meets it, and on standard error which side of it meets the target.
template <class Record>
int RunSolveCommand(const Calculator<Record>& calc, const CommandLine& line, const CaseData& base) {
    using cli_detail::PrintError;
    CaseData data;
    StudyRange range;
    StudyTarget target;
    Problem problem = study_cli::StudyCase(calc, line, base, line.solve, false, data, range);
    if (!problem)
        problem = study_cli::TargetOf(calc.name, line.target, data.limits, target);
    if (!problem && !FindStudyQuantity(StudyResultsOf(calc.name), target.result))
        problem =
            Problem("--target：" + target.result + " 不是 " + calc.name + " 可分析的计算结果");
    double tol = std::fabs(range.to - range.from) / 1000;
    if (!problem && !line.tolerance.empty()) {
        const std::optional<double> t = ParseNumber(line.tolerance);
        if (!t || !(*t > 0) || !std::isfinite(*t))
            problem = Problem("--tol 应是大于 0 的数，不是“" + line.tolerance + "”");
        else
            tol = *t;
    }
    if (problem) {
        PrintError(problem.Message());
        return kExitRefused;
    }
    const StudySolution solution = *RunStudy(data, {range, target.result, target, false},
                                             study_cli::ThreadsOf(line), nullptr, tol)
                                        .solution;
    for (const StudyCrossing& c : solution.crossings) {
        cli_detail::PrintLine(range.input, StudyText(c.value));
        PrintError(range.input + " = " + StudyText(c.value) + "：" + StudyTargetText(target) +
                   " 在其" + (c.meetsAbove ? "以上" : "以下") + "满足");
    }
    if (solution.crossings.empty()) {
        PrintError(solution.anyMeets ? "范围内各点均满足目标，没有交点" : "范围内没有满足目标的值");
        return solution.anyMeets ? kExitComputed : kExitTargetNotMet;
    }
    return kExitComputed;
}

} // namespace korvane
