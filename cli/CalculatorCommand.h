#pragma once

#include "CalculationJson.h"
#include "CaseRecord.h"
#include "CommandLine.h"
#include "RadioGroups.h"
#include "ThoroughCircleSearch.h"
#include "ThoroughCircleText.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace korvane {

namespace cli_detail {

inline void PrintError(const std::string& message) {
    std::fprintf(stderr, "korvane-calc: %s\n", message.c_str());
}

template <class Record>
const MemberInfo<Record>* FindMemberNamed(const Calculator<Record>& calc, std::string_view name) {
    for (const MemberInfo<Record>& info : calc.members) {
        if (name == info.name)
            return &info;
    }
    return nullptr;
}

// The command line's NAME=VALUE as a case's texts; returns "" or the message that
// refuses a name: a result or internal value (which the calculation writes) or a
// name the calculator does not have.
template <class Record>
std::string AssignmentsToCase(const Calculator<Record>& calc, const CommandLine& line,
                              CaseData& data) {
    data.calculator = calc.name;
    std::map<std::string, std::string> given;
    for (const auto& [name, value] : line.assignments) {
        // The last of two would win silently: say so instead.
        if (const auto [it, first] = given.emplace(name, value); !first)
            return name + " 给了两次（" + name + "=" + it->second + "，" + name + "=" + value +
                   "），每项只能给一次";
        bool list = false;
        for (const ListOption& option : calc.lists)
            list = list || name == option.name;
        if (list) {
            data.selections[name] = value;
            continue;
        }
        const MemberInfo<Record>* found = FindMemberNamed(calc, name);
        if (!found)
            return std::string(calc.name) + " 没有可输入的成员 " + name +
                   "（korvane-calc --help 列出全部成员）";
        // A result given on the command line could only show through where the
        // calculation finds nothing to write, and an internal member has no field.
        if (found->role != MemberRole::Input)
            return name + "=" + value + "：" + name +
                   (found->role == MemberRole::Result ? " 是计算结果" : " 不是输入项") +
                   "，不能在命令行上赋值（korvane-calc --help 列出输入项）";
        data.inputs[name] = value;
    }
    return {};
}

template <class Record>
std::string UndefinedNames(const Calculator<Record>& calc, const CalcOutcome& outcome) {
    std::string names;
    for (const std::string& name : outcome.undefined) {
        names += (names.empty() ? "" : "、") + name;
        for (const MemberInfo<Record>& info : calc.members) {
            if (name == info.name)
                names += std::string("（") + info.label + "）";
        }
    }
    return names;
}

// The strengths a slope calculation takes as 0 when their list has nothing chosen, as
// the form does: said on standard error, since the safety factor then leans on the
// soil alone.
template <class Record>
void NoteUnchosenStrengths(const Calculator<Record>& calc, const std::vector<int>& selections) {
    struct ListStrength {
        std::string_view list;
        const char* member;
    };
    static constexpr ListStrength kStrengthOfList[] = {{"concrete", "ft"}, {"rebar", "fyv"}};
    for (std::size_t i = 0; i < calc.lists.size(); ++i) {
        if (selections[i] >= 0)
            continue;
        for (const ListStrength& strength : kStrengthOfList) {
            if (strength.list != calc.lists[i].name || !FindMemberNamed(calc, strength.member))
                continue;
            std::string label = calc.lists[i].label;
            for (const char* colon : {"：", ":"}) {
                if (label.ends_with(colon))
                    label.resize(label.size() - std::strlen(colon));
            }
            PrintError("未选" + label + "，" + strength.member + " 按 0 计算");
        }
    }
}

inline void PrintLine(const std::string& name, const std::string& text) {
    std::printf("%s=%s\n", name.c_str(), text.c_str());
}

} // namespace cli_detail

// What a run of one case leaves: its exit code and, once its inputs were read, the
// case as the form would show it (with the results when it computed), for a case
// file or a report.
struct CaseRun {
    int status = kExitRefused;
    std::optional<CaseData> shown;
};

// Reads the case of the command line (`base`, a case file's, with the command line's
// NAME=VALUE over it) into a fresh record exactly as the form reads its fields, runs the
// calculation and prints the record.
template <class Record>
CaseRun RunCalculator(const Calculator<Record>& calc, const CommandLine& line,
                      const CaseData& base = {}) {
    using namespace cli_detail;
    Record record;
    std::vector<int> selections;
    JsonCaseParts parts;
    CaseRun run;
    const auto refuse = [&](const std::string& message) {
        PrintError(message);
        if (line.json) {
            parts.refusal = message;
            std::printf("%s\n", CalculationJson(calc, record, parts).c_str());
        }
        run.status = kExitRefused;
        return run;
    };

    CaseData data = base;
    if (std::string message = AssignmentsToCase(calc, line, data); !message.empty())
        return refuse(message);
    if (std::string message = CaseSelections(calc, data, selections); !message.empty())
        return refuse(message);
    parts.selections = &selections;
    if (std::string message = ReadCaseTexts(calc, data, record); !message.empty())
        return refuse(message);
    if (std::string message = RadioGroupMessage(calc, record); !message.empty())
        return refuse(message);
    parts.membersRead = true;

    const Record entered = record;
    const CalcOutcome outcome = calc.run(record, selections);
    run.shown = CaseFromRecord(calc, record, selections, outcome.computed());
    if (!outcome.computed())
        return refuse(outcome.refusal);
    NoteUnchosenStrengths(calc, selections);

    std::vector<ThoroughLine> thoroughLines;
    std::string thoroughNote;
    if constexpr (std::is_same_v<Record, CircularSlipRecord>) {
        if (line.thorough) {
            const ThoroughCircle thorough =
                ThoroughCircleSearch(entered, selections[0], selections[1]);
            thoroughLines = ThoroughCircleLines(thorough);
            thoroughNote = ThoroughLowerSentence(record.m_ks, thorough);
            parts.thorough = ThoroughJson(record.m_ks, thorough);
        }
    }

    parts.computed = true;
    parts.undefined = outcome.undefined;
    if (line.json) {
        std::printf("%s\n", CalculationJson(calc, record, parts).c_str());
    } else {
        for (const MemberInfo<Record>& info : calc.members) {
            const bool undefined = std::find(outcome.undefined.begin(), outcome.undefined.end(),
                                             info.name) != outcome.undefined.end();
            PrintLine(info.name, undefined ? "undefined" : MemberFieldText(record, info));
        }
        for (const auto& [name, values] :
             calc.series ? calc.series(record) : std::vector<NamedSeries>{}) {
            std::string text;
            for (std::size_t i = 0; i < values.size(); ++i) {
                if (i > 0)
                    text += ' ';
                text += FormatNumber(values[i]);
            }
            PrintLine(name, text);
        }
        for (const ThoroughLine& thorough : thoroughLines)
            PrintLine(thorough.name, thorough.text);
        if (!thoroughNote.empty())
            PrintLine("thoroughNote", thoroughNote);
    }

    if (!outcome.undefined.empty()) {
        PrintError("输入使以下结果无定义（不是有限数），显示的值不是计算结果：" +
                   UndefinedNames(calc, outcome));
        run.status = kExitUndefined;
        return run;
    }
    run.status = kExitComputed;
    return run;
}

} // namespace korvane
