#pragma once

#include "CaseData.h"
#include "CaseRecord.h"

#include <string>

namespace korvane {

// A calculator's case as its form opens, with the grades the sample reports show:
// C30 concrete and, in the slope forms, HPB235 stirrups.
template <class Record> CaseData DefaultCaseOf(const Calculator<Record>& calc) {
    CaseData data = CaseFromRecord(calc, Record(), {}, false);
    data.selections["concrete"] = "C30";
    if (calc.lists.size() > 1)
        data.selections["rebar"] = "HPB235";
    return data;
}

inline CaseData DefaultCase(const std::string& calculator) {
    CaseData data;
    WithCalculator(calculator, [&](const auto& calc) { data = DefaultCaseOf(calc); });
    return data;
}

} // namespace korvane
