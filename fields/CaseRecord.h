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

} // namespace korvane
