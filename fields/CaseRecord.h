#pragma once

#include "Calculators.h"
#include "CaseData.h"
#include "FieldRead.h"
#include "FieldText.h"

#include <string>
#include <vector>

namespace korvane {

// Between a case's texts and a calculator's record, by the field rules: what a form
// shows of a record, and what it reads back.

template <class Record>
std::string MemberFieldText(const Record& record, const MemberInfo<Record>& info) {
    if (const auto* member = std::get_if<double Record::*>(&info.member))
        return FormatNumber(record.*(*member));
    return FormatWholeNumber(record.*(std::get<int Record::*>(info.member)));
}

// The case of `record` as its form would show it: every input's text, the list
// selections by entry text and, when `calculated`, every result's text.
template <class Record>
CaseData CaseFromRecord(const Calculator<Record>& calc, const Record& record,
                        const std::vector<int>& selections, bool calculated) {
    CaseData data;
    data.calculator = calc.name;
    for (std::size_t i = 0; i < calc.lists.size(); ++i) {
        const int sel = i < selections.size() ? selections[i] : -1;
        const auto& entries = calc.lists[i].entries;
        data.selections[calc.lists[i].name] =
            sel >= 0 && sel < static_cast<int>(entries.size()) ? entries[sel] : "";
    }
    data.calculated = calculated;
    for (const MemberInfo<Record>& info : calc.members) {
        if (info.role == MemberRole::Input)
            data.inputs[info.name] = MemberFieldText(record, info);
        else if (info.role == MemberRole::Result && calculated)
            data.results[info.name] = MemberFieldText(record, info);
    }
    return data;
}

// The selection indexes of `data`'s lists (-1 for none or a list the case leaves
// out), or the message that refuses them: a list the calculator does not have or
// an entry its list does not offer.
template <class Record>
std::string CaseSelections(const Calculator<Record>& calc, const CaseData& data,
                           std::vector<int>& selections) {
    selections.assign(calc.lists.size(), -1);
    for (const auto& [name, text] : data.selections) {
        std::size_t i = 0;
        while (i < calc.lists.size() && name != calc.lists[i].name)
            ++i;
        if (i == calc.lists.size())
            return "没有名为“" + name + "”的下拉列表";
        const ListOption& list = calc.lists[i];
        if (text.empty())
            continue;
        for (std::size_t e = 0; e < list.entries.size(); ++e) {
            if (list.entries[e] == text)
                selections[i] = static_cast<int>(e);
        }
        if (selections[i] < 0) {
            std::string valid;
            for (const std::string& entry : list.entries)
                valid += (valid.empty() ? "" : "、") + entry;
            return std::string(list.label) + "没有“" + text + "”一项（可选：" + valid + "）";
        }
    }
    return {};
}

// The message for the first name in `data` that is no input (or, for a calculated
// case, no result) of the calculator; empty when every name is one.
template <class Record>
std::string UnknownCaseMember(const Calculator<Record>& calc, const CaseData& data) {
    auto check = [&](const std::map<std::string, std::string>& texts, MemberRole role,
                     const char* what) -> std::string {
        for (const auto& [name, text] : texts) {
            bool found = false;
            for (const MemberInfo<Record>& info : calc.members)
                found = found || (name == info.name && info.role == role);
            if (!found)
                return std::string(calc.name) + " 没有名为“" + name + "”的" + what;
        }
        return {};
    };
    std::string message = check(data.inputs, MemberRole::Input, "输入项");
    if (message.empty() && data.calculated)
        message = check(data.results, MemberRole::Result, "计算结果");
    return message;
}

// Reads `data`'s texts into `record` the way the form reads its fields: the inputs,
// then (when the case was calculated) the results, each in the record's order; a
// member the case leaves out keeps its value. A name that is no input (or result) of
// the calculator, or the first text the form would refuse, stops the reading; the
// message names the field. `record` may then be partly read: read into a copy.
template <class Record>
std::string ReadCaseTexts(const Calculator<Record>& calc, const CaseData& data, Record& record) {
    if (std::string unknown = UnknownCaseMember(calc, data); !unknown.empty())
        return unknown;
    auto read = [&](const std::map<std::string, std::string>& texts,
                    MemberRole role) -> std::string {
        for (const MemberInfo<Record>& info : calc.members) {
            const auto it = texts.find(info.name);
            if (info.role != role || it == texts.end())
                continue;
            const std::string message = ReadMember(record, info, it->second);
            if (!message.empty())
                return std::string(info.label) + "（" + info.name + "）的文本“" + it->second +
                       "”不能接受：" + message;
        }
        return {};
    };
    std::string message = read(data.inputs, MemberRole::Input);
    if (message.empty() && data.calculated)
        message = read(data.results, MemberRole::Result);
    return message;
}

} // namespace korvane
