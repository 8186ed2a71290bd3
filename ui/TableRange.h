#pragma once

#include "DDX.h"
#include "MemberTable.h"

#include <type_traits>

namespace korvane {

// The range check that a record's member table gives `member`, for a binding list
// entry right after the member's DDX_Text; nothing when the table gives none. The
// record type comes from the member pointer, so a form passes itself (*this).
template <class Record>
void DDV_TableRange(CDataExchange* pDX, const std::type_identity_t<Record>& record,
                    double Record::*member, std::type_identity_t<MemberTable<Record>> table) {
    const auto* info = FindMember(table, member);
    if (info && info->range)
        DDV_MinMaxDouble(pDX, record.*member, info->range->min, info->range->max);
}

template <class Record>
void DDV_TableRange(CDataExchange* pDX, const std::type_identity_t<Record>& record,
                    int Record::*member, std::type_identity_t<MemberTable<Record>> table) {
    const auto* info = FindMember(table, member);
    if (info && info->range)
        DDV_MinMaxInt(pDX, record.*member, static_cast<int>(info->range->min),
                      static_cast<int>(info->range->max));
}

} // namespace korvane
