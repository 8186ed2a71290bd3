#pragma once

#include "CDataExchange.h"
#include "DDX.h"
#include "MemberTable.h"

#include <variant>

namespace korvane {

// The binding list of a form's record, as its member table describes it: every member
// the table shows in a control, in the table's order (the record's declaration order,
// which is the binding order), a number or whole-number field or a radio group, each
// followed by the range check the table gives it. Internal members take no part. A
// refused field is named by its label.
template <class Record>
void DDX_Members(CDataExchange* pDX, Record& record, MemberTable<Record> table) {
    for (const MemberInfo<Record>& info : table) {
        if (info.kind == FieldKind::None)
            continue;
        pDX->NameField(QString::fromStdString(MemberLabel(info)));
        if (info.kind == FieldKind::Radio) {
            DDX_Radio(pDX, info.control.id, record.*std::get<int Record::*>(info.member));
            continue;
        }
        if (const auto* member = std::get_if<double Record::*>(&info.member)) {
            DDX_Text(pDX, info.control.id, record.**member);
            if (info.range)
                DDV_MinMaxDouble(pDX, record.**member, info.range->min, info.range->max);
        } else {
            int& value = record.*std::get<int Record::*>(info.member);
            DDX_Text(pDX, info.control.id, value);
            if (info.range)
                DDV_MinMaxInt(pDX, value, static_cast<int>(info.range->min),
                              static_cast<int>(info.range->max));
        }
    }
    pDX->NameField({});
}

} // namespace korvane
