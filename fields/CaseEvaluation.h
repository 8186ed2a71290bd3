#pragma once

#include "CaseData.h"
#include "CaseRecord.h"

#include <optional>
#include <string>
#include <vector>

namespace korvane {

// From a case to its answers, the one way every face goes: the case's lists and texts
// are read into a fresh record by the rules of the form's fields, the record is
// calculated, and what the calculation gives besides the record is gathered. The
// calculator command, batches, the case reader's check and the calculation report call
// it; the forms read a case by the same descriptor.

struct EvaluationRequest {
    bool calculate = true;    // false: read and check the case only
    bool checkTexts = true;   // false: check only that its lists, entries and names exist
    bool thorough = false;    // the thorough circle search, where the calculator has one
    bool detail = false;      // the calculation step by step
    bool codeMethods = false; // the design code's methods, where the calculator has them
};

template <class Record> struct CaseEvaluation {
    // Set when the case was refused; how far it got says which part refused it.
    std::optional<Refusal> refusal;
    bool listsRead = false;  // `selections` hold the case's lists
    bool inputsRead = false; // `entered` holds the case's texts, all of them accepted
    bool ran = false;        // the calculation ran; `outcome` says how it went
    std::vector<int> selections;
    Record entered;  // as the case's texts read, before any calculation
    Record computed; // after the calculation; as entered while none ran
    CalcOutcome outcome;
    CaseExtras extras;

    // The calculation ran and went through.
    bool Calculated() const { return ran && outcome.computed(); }
};

namespace evaluation_detail {

// The selection index of each list of `calc`, by the entry texts of `data` (-1 for
// none, and for a list the case leaves out).
template <class Record>
std::optional<Refusal> ReadSelections(const Calculator<Record>& calc, const CaseData& data,
                                      std::vector<int>& selections) {
    selections.assign(calc.lists.size(), -1);
    for (const auto& [name, text] : data.selections) {
        const ListOption* list = FindList(calc, name);
        if (!list)
            return Refusal{RefusalReason::UnknownList, name};
        if (text.empty())
            continue;
        const auto entry = std::find(list->entries.begin(), list->entries.end(), text);
        if (entry == list->entries.end())
            return Refusal{RefusalReason::UnknownEntry, name, text};
        selections[list - calc.lists.data()] = static_cast<int>(entry - list->entries.begin());
    }
    return std::nullopt;
}

// The first name of `data` that is no input (or, for a calculated case, no result).
template <class Record>
std::optional<Refusal> UnknownName(const Calculator<Record>& calc, const CaseData& data) {
    auto check = [&](const std::map<std::string, std::string>& texts, MemberRole role,
                     RefusalReason reason) -> std::optional<Refusal> {
        for (const auto& [name, text] : texts) {
            const MemberInfo<Record>* info = FindMemberNamed(calc.members, name);
            if (!info || info->role != role)
                return Refusal{reason, name};
        }
        return std::nullopt;
    };
    std::optional<Refusal> unknown =
        check(data.inputs, MemberRole::Input, RefusalReason::UnknownInput);
    if (!unknown && data.calculated)
        unknown = check(data.results, MemberRole::Result, RefusalReason::UnknownResult);
    return unknown;
}

// Reads the texts of one role in the record's order, as the form reads its fields; a
// member the case leaves out keeps its value.
template <class Record>
std::optional<Refusal> ReadTexts(const Calculator<Record>& calc,
                                 const std::map<std::string, std::string>& texts, MemberRole role,
                                 Record& record) {
    for (const MemberInfo<Record>& info : calc.members) {
        const auto it = texts.find(info.name);
        if (info.role != role || it == texts.end())
            continue;
        if (const Problem problem = ReadMember(record, info, it->second))
            return Refusal{RefusalReason::TextRefused, info.name, it->second, problem.Message()};
    }
    return std::nullopt;
}

// A radio group holding a position outside its buttons: a form cannot show it (no button
// would be checked), so no case may compute it.
template <class Record>
std::optional<Refusal> PositionOutsideGroup(const Calculator<Record>& calc, const Record& record) {
    for (const MemberInfo<Record>& info : calc.members) {
        if (info.kind != FieldKind::Radio)
            continue;
        const int position = record.*std::get<int Record::*>(info.member);
        if (!InRange(position, 0, info.RadioButtons() - 1))
            return Refusal{.reason = RefusalReason::OutsideRadioGroup,
                           .member = info.name,
                           .count = position,
                           .limit = static_cast<double>(info.RadioButtons())};
    }
    return std::nullopt;
}

} // namespace evaluation_detail

// The selection indexes of `data`'s lists, or why they are refused: a list the
// calculator does not have or an entry its list does not offer.
template <class Record>
std::optional<Refusal> CaseSelections(const Calculator<Record>& calc, const CaseData& data,
                                      std::vector<int>& selections) {
    return evaluation_detail::ReadSelections(calc, data, selections);
}

// Reads `data` (the case of `calc`) as the form reads its fields: the lists, then the
// inputs and, when the case was calculated, the results, each in the record's order,
// then checks every radio position; a member the case leaves out keeps the form's
// default. The first refusal stops the reading. Then, unless only the reading was
// asked for, the record is calculated and its extras gathered.
template <class Record>
CaseEvaluation<Record> EvaluateCase(const Calculator<Record>& calc, const CaseData& data,
                                    const EvaluationRequest& request = {}) {
    using namespace evaluation_detail;
    CaseEvaluation<Record> e;
    e.refusal = ReadSelections(calc, data, e.selections);
    if (e.refusal)
        return e;
    e.listsRead = true;
    e.refusal = UnknownName(calc, data);
    if (e.refusal || !request.checkTexts)
        return e;
    e.refusal = ReadTexts(calc, data.inputs, MemberRole::Input, e.entered);
    if (!e.refusal && data.calculated)
        e.refusal = ReadTexts(calc, data.results, MemberRole::Result, e.entered);
    if (!e.refusal)
        e.refusal = PositionOutsideGroup(calc, e.entered);
    if (e.refusal)
        return e;
    e.inputsRead = true;
    e.computed = e.entered;
    if (!request.calculate)
        return e;

    e.ran = true;
    e.outcome = calc.calculate(e.computed, e.selections,
                               {.thorough = request.thorough,
                                .detail = request.detail,
                                .codeMethods = request.codeMethods},
                               e.extras);
    if (!e.outcome.computed())
        e.refusal = e.outcome.refusal;
    return e;
}

// Whether `name` is undefined in the outcome of a calculation.
inline bool IsUndefined(const CalcOutcome& outcome, std::string_view name) {
    return std::find(outcome.undefined.begin(), outcome.undefined.end(), name) !=
           outcome.undefined.end();
}

} // namespace korvane
