#pragma once

#include "CircularSlipRecord.h"
#include "CombinedActionRecord.h"
#include "HighCapRecord.h"
#include "MemberTable.h"
#include "PolylineSlipRecord.h"

namespace korvane {

// The member tables of the four calculator forms, in each record's declaration order.

// What the buttons of the pile forms' pile-type group mean, by position.
inline constexpr const char* kPileTypePositions[] = {"端承型桩", "摩擦型桩"};
static_assert(kEndBearingPile == 0 && kFrictionPile == 1);

MemberTable<CircularSlipRecord> CircularSlipMembers();
MemberTable<PolylineSlipRecord> PolylineSlipMembers();
MemberTable<CombinedActionRecord> CombinedActionMembers();
MemberTable<HighCapRecord> HighCapMembers();

} // namespace korvane
