#pragma once

#include "CircularSlipRecord.h"
#include "CombinedActionRecord.h"
#include "HighCapRecord.h"
#include "MemberTable.h"
#include "PolylineSlipRecord.h"

namespace korvane {

// The member tables of the four calculator forms, in each record's declaration order.

MemberTable<CircularSlipRecord> CircularSlipMembers();
MemberTable<PolylineSlipRecord> PolylineSlipMembers();
MemberTable<CombinedActionRecord> CombinedActionMembers();
MemberTable<HighCapRecord> HighCapMembers();

} // namespace korvane
