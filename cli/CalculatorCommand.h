#pragma once

#include "Calculators.h"
#include "FieldRead.h"
#include "FieldText.h"
#include "MemberTable.h"

#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace korvane {

// Exit codes of korvane-calc.
inline constexpr int kExitComputed = 0;
inline constexpr int kExitRefused = 2;   // bad usage, refused value or refused input
inline constexpr int kExitUndefined = 3; // computed, but a shown result is not a number

struct CommandLine {
    std::map<std::string, std::string> assignments; // NAME=VALUE, last one wins
    bool json = false;
};

namespace cli_detail {

inline void PrintError(const std::string& message) {
    std::fprintf(stderr, "korvane-calc: %s\n", message.c_str());
}

inline std::string JsonNumber(double value) {
    if (!std::isfinite(value))
        return "null";
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

inline std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

template <class Record>
bool IsUndefined(const CalcOutcome& outcome, const MemberInfo<Record>& info) {
    for (const std::string& name : outcome.undefined) {
        if (name == info.name)
            return true;
    }
    return false;
}

template <class Record>
std::string MemberText(const Record& record, const MemberInfo<Record>& info) {
    if (const auto* member = std::get_if<double Record::*>(&info.member))
        return FormatNumber(record.*(*member));
    return FormatWholeNumber(record.*(std::get<int Record::*>(info.member)));
}

template <class Record>
std::string MemberJson(const Record& record, const MemberInfo<Record>& info) {
    if (const auto* member = std::get_if<double Record::*>(&info.member))
        return JsonNumber(record.*(*member));
    return std::to_string(record.*(std::get<int Record::*>(info.member)));
}

} // namespace cli_detail

// Reads the assignments into a fresh record, runs the calculation and prints the
// record. Returns the exit code.
template <class Record> int RunCalculator(const Calculator<Record>& calc, CommandLine line) {
    using namespace cli_detail;
    Record record;
    std::vector<int> selections(calc.lists.size(), -1);

    for (std::size_t i = 0; i < calc.lists.size(); ++i) {
        const ListOption& list = calc.lists[i];
        const auto it = line.assignments.find(list.name);
        if (it == line.assignments.end())
            continue;
        for (std::size_t e = 0; e < list.entries.size(); ++e) {
            if (list.entries[e] == it->second)
                selections[i] = static_cast<int>(e);
        }
        if (selections[i] < 0) {
            std::string valid;
            for (const std::string& entry : list.entries)
                valid += (valid.empty() ? "" : "|") + entry;
            PrintError(std::string(list.name) + "=" + it->second + ": " + list.label + "只能选 " +
                       valid);
            return kExitRefused;
        }
        line.assignments.erase(it);
    }

    // Only inputs are set: a result is what the calculation writes (given on the command
    // line it could only show through where the calculation finds nothing to write), and
    // an internal member has no field at all.
    for (const MemberInfo<Record>& info : calc.members) {
        const auto it = line.assignments.find(info.name);
        if (it == line.assignments.end() || info.role == MemberRole::Input)
            continue;
        PrintError(it->first + "=" + it->second + ": " + info.name +
                   (info.role == MemberRole::Result ? " 是计算结果" : " 不是输入项") +
                   "，不能在命令行上赋值（korvane-calc --help 列出输入项）");
        return kExitRefused;
    }
    // Fields are read in the form's order, and the first refusal stops the reading.
    for (const MemberInfo<Record>& info : calc.members) {
        const auto it = line.assignments.find(info.name);
        if (it == line.assignments.end())
            continue;
        const std::string message = ReadMember(record, info, it->second);
        if (!message.empty()) {
            PrintError(it->first + "=" + it->second + ": " + message);
            return kExitRefused;
        }
        line.assignments.erase(it);
    }
    if (!line.assignments.empty()) {
        const std::string& name = line.assignments.begin()->first;
        PrintError(std::string(calc.name) + " 没有可输入的成员 " + name +
                   "（korvane-calc --help 列出全部成员）");
        return kExitRefused;
    }

    const CalcOutcome outcome = calc.run(record, selections);
    if (!outcome.computed()) {
        PrintError(outcome.refusal);
        return kExitRefused;
    }

    const auto series = calc.series ? calc.series(record) : std::vector<NamedSeries>{};
    if (line.json) {
        std::string out = "{\"members\": {";
        bool first = true;
        for (const MemberInfo<Record>& info : calc.members) {
            out += (first ? "" : ", ") + JsonString(info.name) + ": " +
                   (IsUndefined(outcome, info) ? "null" : MemberJson(record, info));
            first = false;
        }
        out += "}";
        for (const auto& [name, values] : series) {
            out += ", " + JsonString(name) + ": [";
            for (std::size_t i = 0; i < values.size(); ++i)
                out += (i ? ", " : "") + JsonNumber(values[i]);
            out += "]";
        }
        std::printf("%s}\n", out.c_str());
    } else {
        for (const MemberInfo<Record>& info : calc.members) {
            const std::string text =
                IsUndefined(outcome, info) ? "undefined" : MemberText(record, info);
            std::printf("%s=%s\n", info.name, text.c_str());
        }
        for (const auto& [name, values] : series) {
            std::string text;
            for (std::size_t i = 0; i < values.size(); ++i) {
                if (i > 0)
                    text += ' ';
                text += FormatNumber(values[i]);
            }
            std::printf("%s=%s\n", name.c_str(), text.c_str());
        }
    }

    if (!outcome.undefined.empty()) {
        std::string names;
        for (const std::string& name : outcome.undefined) {
            names += (names.empty() ? "" : "、") + name;
            for (const MemberInfo<Record>& info : calc.members) {
                if (name == info.name)
                    names += std::string("（") + info.label + "）";
            }
        }
        PrintError("输入使以下结果无定义（不是有限数），显示的值不是计算结果：" + names);
        return kExitUndefined;
    }
    return kExitComputed;
}

} // namespace korvane
