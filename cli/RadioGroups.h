#pragma once

#include "Calculators.h"
#include "FieldText.h"

#include <string>

namespace korvane {

// A radio group's position outside its buttons: a form cannot show it (no button
// would be checked), so the calculator command refuses it rather than compute a case
// no user could enter. "" when every group holds one of its buttons.
template <class Record>
std::string RadioGroupMessage(const Calculator<Record>& calc, const Record& record) {
    for (const MemberInfo<Record>& info : calc.members) {
        if (info.kind != FieldKind::Radio || info.radioButtons <= 0)
            continue;
        const int position = record.*std::get<int Record::*>(info.member);
        if (!InRange(position, 0, info.radioButtons - 1))
            return std::string(info.label) + "（" + info.name + "）的单选位置 " +
                   std::to_string(position) + " 不在组内：" +
                   IntRangeMessage(0, info.radioButtons - 1);
    }
    return {};
}

} // namespace korvane
