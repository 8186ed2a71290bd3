#pragma once

namespace korvane {

// Positions of the pile forms' pile-type group (m_pileType). An end-bearing pile stands
// on rock of coefficient CR and passes its load on through its own section; a friction
// pile spreads it from the tip. Any position other than end-bearing counts as friction.
enum PileTypePosition : int { kEndBearingPile = 0, kFrictionPile = 1 };

inline bool IsEndBearing(int pileType) {
    return pileType == kEndBearingPile;
}

} // namespace korvane
