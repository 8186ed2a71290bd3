#pragma once

#include "CaseEvaluation.h"
#include "CaseMessages.h"

#include <string>

namespace korvane {

// How the evaluation of one case went, in a line: "已计算", "无定义：ks、R" or
// "拒绝：…", with what the calculation said beside its results as the command says it on
// standard error (no grade chosen, an input outside its plausible range, no circle found)
// in brackets after it.
template <class Record>
std::string EvaluationStatus(const Calculator<Record>& calc, const CaseEvaluation<Record>& e) {
    if (e.refusal)
        return "拒绝：" + RefusalText(calc, *e.refusal);
    std::string notes;
    for (const CaseNote& note : e.extras.notes)
        notes += (notes.empty() ? "（提示：" : "；") + NoteLine(note);
    if (!notes.empty())
        notes += "）";
    const std::vector<std::string>& undefined = e.outcome.undefined;
    if (undefined.empty())
        return "已计算" + notes;
    std::string status = "无定义：";
    for (std::size_t i = 0; i < undefined.size(); ++i)
        status += (i ? "、" : "") + undefined[i];
    return status + notes;
}

} // namespace korvane
