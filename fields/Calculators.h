#pragma once

#include "CalcOutcome.h"
#include "CaseExtras.h"
#include "FormMembers.h"
#include "MemberTable.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// The strength a slope calculation takes as 0 while its list has nothing chosen, and
// the share of the piles' shear resistance it carries.
struct UnchosenStrength {
    const char* member; // "ft"
    const char* share;  // "混凝土"
};

// A drop-down list of a form, chosen by its entry text.
struct ListOption {
    const char* name;                 // name in case files and on the command line, e.g. "concrete"
    const char* label;                // the form's label, with its colon ("桩身混凝土：")
    std::vector<std::string> entries; // list entries in list order
    ControlRef control;               // the form's drop-down list
    // What a calculation makes of no choice; none where it refuses instead.
    std::optional<UnchosenStrength> unchosen = std::nullopt;
};

// The list's label without its closing colon ("桩身混凝土").
std::string ListCaption(const ListOption& list);

// What a calculation is asked for beyond its record.
struct CalcRequest {
    bool thorough = false; // the thorough circle search, where the calculator has one
    bool detail = false;   // the calculation step by step (CaseExtras::detail)
    bool codeMethods =
        false; // the design code's methods beside the form's (CaseExtras::codeMethods)
};

// One calculator: its record's member table, its lists, its depth series and its core
// operation with what it gives besides the record. What the forms, the calculator
// command, batches, case files and reports know of a calculation; nothing else says
// how a calculator behaves.
template <class Record> struct Calculator {
    using RecordType = Record;
    const char* name;  // "circular", "polyline", "combined", "highcap"
    const char* title; // the form's caption
    MemberTable<Record> members;
    std::vector<ListOption> lists;
    std::vector<const SeriesInfo*> series; // the depth series it gives, empty for none
    bool thoroughSearch = false;           // it offers the thorough circle search
    // Runs the core operation on `record` with the lists' selection indexes (-1 for none)
    // and fills what it gives besides the record into `extras`.
    std::function<CalcOutcome(Record& record, const std::vector<int>& selections,
                              const CalcRequest& request, CaseExtras& extras)>
        calculate;
    // It offers the design code's methods beside its own (CalcRequest::codeMethods).
    bool codeMethods = false;
};

const Calculator<CircularSlipRecord>& CircularCalculator();
const Calculator<PolylineSlipRecord>& PolylineCalculator();
const Calculator<CombinedActionRecord>& CombinedCalculator();
const Calculator<HighCapRecord>& HighCapCalculator();

inline constexpr const char* kCalculatorNames[] = {"circular", "polyline", "combined", "highcap"};

// Calls `visit(calculator)` with the calculator called `name` and returns true, or
// returns false when there is none.
template <class Visit> bool WithCalculator(std::string_view name, Visit&& visit) {
    if (name == "circular")
        visit(CircularCalculator());
    else if (name == "polyline")
        visit(PolylineCalculator());
    else if (name == "combined")
        visit(CombinedCalculator());
    else if (name == "highcap")
        visit(HighCapCalculator());
    else
        return false;
    return true;
}

// The title of the calculator called `name`, or "" when there is none.
std::string CalculatorTitle(std::string_view name);

// The list of `calc` called `name`, or nullptr.
template <class Record>
const ListOption* FindList(const Calculator<Record>& calc, std::string_view name) {
    for (const ListOption& list : calc.lists) {
        if (name == list.name)
            return &list;
    }
    return nullptr;
}

// What the user calls a result of `calc` by its name: a member's label, or a depth
// series' label; the name itself when it is neither.
template <class Record>
std::string ResultLabel(const Calculator<Record>& calc, std::string_view name) {
    if (const MemberInfo<Record>* info = FindMemberNamed(calc.members, name))
        return MemberLabel(*info);
    for (const SeriesInfo* series : calc.series) {
        if (name == series->name)
            return series->label;
    }
    return std::string(name);
}

} // namespace korvane
