#pragma once

#include "CalcOutcome.h"
#include "FormMembers.h"

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace korvane {

// A drop-down list of a form, chosen by its entry text.
struct ListOption {
    const char* name;                 // name in case files and on the command line, e.g. "concrete"
    const char* label;                // the form's label
    std::vector<std::string> entries; // list entries in list order
};

// A depth series of the pile calculators, by name ("momentSeries").
using NamedSeries = std::pair<std::string, std::vector<double>>;

// One calculator: its record, its lists and its core operation. What the forms,
// the calculator command, case files and reports know of a calculation.
template <class Record> struct Calculator {
    using RecordType = Record;
    const char* name;  // "circular", "polyline", "combined", "highcap"
    const char* title; // the form's caption
    MemberTable<Record> members;
    std::vector<ListOption> lists;
    // Runs the core operation with the lists' selection indexes (-1 for none).
    std::function<CalcOutcome(Record&, const std::vector<int>&)> run;
    // Depth series of the pile calculators, with their lengths; empty otherwise.
    std::function<std::vector<NamedSeries>(const Record&)> series;
};

Calculator<CircularSlipRecord> CircularCalculator();
Calculator<PolylineSlipRecord> PolylineCalculator();
Calculator<CombinedActionRecord> CombinedCalculator();
Calculator<HighCapRecord> HighCapCalculator();

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

} // namespace korvane
