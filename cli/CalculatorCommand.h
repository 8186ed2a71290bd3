#pragma once

#include "CalculationJson.h"
#include "CaseEvaluation.h"
#include "CaseMessages.h"
#include "CodeMethodText.h"
#include "CommandLine.h"
#include "DesignChecks.h"
#include "Requirements.h"
#include "ThoroughCircleText.h"
#include "Utf8Text.h"

#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace korvane {

namespace cli_detail {

// Messages quote what they refuse; a text of a megabyte is shown by its beginning and
// its length, not repeated whole.
inline constexpr std::size_t kLongestMessageBytes = 2000;

// Control characters in a quoted text (a CR of a CSV with CR line ends) would move the
// terminal's cursor: they are shown as escapes.
inline std::string VisibleControls(const std::string& text) {
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 || c == '\n' || c == '\t') {
            out += c;
        } else if (c == '\r') {
            out += "\\r";
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02x", byte);
            out += escape;
        }
    }
    return out;
}

inline void PrintError(const std::string& given) {
    std::string message = VisibleControls(ValidUtf8(given));
    if (message.size() > kLongestMessageBytes) {
        std::size_t cut = kLongestMessageBytes;
        while (cut > 0 && (static_cast<unsigned char>(message[cut]) & 0xC0) == 0x80)
            --cut;
        message = message.substr(0, cut) + "…（消息过长，共 " + std::to_string(message.size()) +
                  " 字节，只显示开头）";
    }
    std::fprintf(stderr, "korvane-calc: %s\n", message.c_str());
}

// The command line's NAME=VALUE as a case's texts, or what refuses a name: one given
// twice, a result or internal value (which the calculation writes) or a name the
// calculator does not have.
template <class Record>
Problem AssignmentsToCase(const Calculator<Record>& calc, const CommandLine& line, CaseData& data) {
    data.calculator = calc.name;
    std::map<std::string, std::string> given;
    for (const auto& [name, value] : line.assignments) {
        // The last of two would win silently: say so instead.
        if (const auto [it, first] = given.emplace(name, value); !first)
            return Problem(name + " 给了两次（" + name + "=" + it->second + "，" + name + "=" +
                           value + "），每项只能给一次");
        if (FindList(calc, name)) {
            data.selections[name] = value;
            continue;
        }
        const MemberInfo<Record>* found = FindMemberNamed(calc.members, name);
        if (!found)
            return Problem(std::string(calc.name) + " 没有可输入的成员 " + name +
                           "（korvane-calc --help 列出全部成员）");
        // A result given on the command line could only show through where the
        // calculation finds nothing to write, and an internal member has no field.
        if (found->role != MemberRole::Input)
            return Problem(name + "=" + value + "：" + name +
                           (found->role == MemberRole::Result ? " 是计算结果" : " 不是输入项") +
                           "，不能在命令行上赋值（korvane-calc --help 列出输入项）");
        data.inputs[name] = value;
    }
    return {};
}

// The undefined results by name, each with what the user calls it.
template <class Record>
std::string UndefinedNames(const Calculator<Record>& calc, const CalcOutcome& outcome) {
    std::string names;
    for (const std::string& name : outcome.undefined) {
        names += (names.empty() ? "" : "、") + name;
        if (const std::string label = ResultLabel(calc, name); label != name)
            names += "（" + label + "）";
    }
    return names;
}

inline void PrintLine(const std::string& name, const std::string& text) {
    std::printf("%s=%s\n", name.c_str(), ValidUtf8(text).c_str());
}

inline std::string SeriesText(const std::vector<double>& values) {
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i)
        text += (i > 0 ? " " : "") + FormatNumber(values[i]);
    return text;
}

template <class Record>
void PrintLines(const Calculator<Record>& calc, const CaseEvaluation<Record>& e) {
    for (const MemberInfo<Record>& info : calc.members)
        PrintLine(info.name, IsUndefined(e.outcome, info.name) ? "undefined"
                                                               : MemberFieldText(e.computed, info));
    if (const auto& profile = e.extras.depthProfile) {
        for (const DepthSeries& series : profile->series)
            PrintLine(series.info->name, SeriesText(series.values));
    }
    if (const auto& thorough = e.extras.thorough) {
        for (const ThoroughLine& line : ThoroughCircleLines(thorough->circle))
            PrintLine(line.name, line.text);
        if (const std::string note = ThoroughLowerSentence(thorough->shownKs, thorough->circle);
            !note.empty())
            PrintLine("thoroughNote", note);
    }
}

} // namespace cli_detail

// What a run of one case leaves: its exit code and, once its inputs were read, the
// case as the form would show it (with the results when it computed), for a case
// file or a report.
struct CaseRun {
    int status = kExitRefused;
    std::optional<CaseData> shown;
};

// Evaluates the case of the command line (`base`, a case file's, with the command line's
// NAME=VALUE over it) and prints the record.
template <class Record>
CaseRun RunCalculator(const Calculator<Record>& calc, const CommandLine& line,
                      const CaseData& base = {}) {
    using namespace cli_detail;
    CaseRun run;
    CaseData data = base;
    Problem problem = AssignmentsToCase(calc, line, data);
    if (!problem)
        problem = ApplyRequirements(calc.name, line, data.limits);
    if (problem) {
        PrintError(problem.Message());
        if (line.json)
            std::printf("%s\n",
                        CalculationJson(calc, CaseEvaluation<Record>(), problem.Message()).c_str());
        return run;
    }

    // The checks read the calculation's detail.
    const CaseEvaluation<Record> e = EvaluateCase(calc, data,
                                                  {.thorough = line.thorough,
                                                   .detail = line.json || !data.limits.empty(),
                                                   .codeMethods = line.codeMethods});
    if (e.inputsRead) {
        run.shown = CaseFromRecord(calc, e.computed, e.selections, e.Calculated());
        run.shown->limits = data.limits;
        run.shown->study = data.study;
    }
    if (e.refusal) {
        const std::string message = RefusalText(calc, *e.refusal);
        PrintError(message);
        if (line.json)
            std::printf("%s\n", CalculationJson(calc, e, message).c_str());
        return run;
    }
    // The strengths a slope calculation takes as 0 when their list has nothing chosen, as
    // the form does: said on standard error, since the safety factor then leans on the
    // soil alone.
    for (const CaseNote& note : e.extras.notes)
        PrintError(NoteLine(note));

    const std::vector<DesignCheck> checks = DesignChecks(calc.name, e.extras, data.limits);
    if (line.json) {
        std::printf("%s\n", CalculationJson(calc, e, {}, checks).c_str());
    } else {
        PrintLines(calc, e);
        for (const CodeMethodLine& method : CodeMethodLines(e.extras.codeMethods))
            PrintLine(method.name, method.text);
        for (const DesignCheck& check : checks)
            PrintLine("check." + check.name, VerdictLine(check));
    }

    if (!e.outcome.undefined.empty()) {
        PrintError("输入使以下结果无定义（不是有限数），显示的值不是计算结果：" +
                   UndefinedNames(calc, e.outcome));
        run.status = kExitUndefined;
        return run;
    }
    run.status = kExitComputed;
    return run;
}

} // namespace korvane
