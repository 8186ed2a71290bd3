#pragma once

#include "PolylineSlip.h"
#include "PolylineSlipRecord.h"

#include <array>

namespace korvane {

// The implicit transfer-coefficient method on the polyline's three segments, each a
// block, from the top one (the form's segment 1) down to the toe. A block sums the
// form's own strips and pile rows that belong to its segment:
//   T = Σ (V·sin α + Q·cos α),  R = Σ (c·l + (V·cos α − Q·sin α)·tan φ) + Σ cos αP·Vp / say,
// and passes its thrust down to the next:
//   P_i = P_{i−1}·ψ_{i−1} + T_i − R_i / F,  P_0 = 0,
//   ψ_{i−1} = cos(θ_{i−1} − θ_i) − sin(θ_{i−1} − θ_i)·tan φ_i / F.
// F is the factor that leaves no thrust at the toe, found by bisection. Thrusts below
// zero on the way are kept as they come. With the three segments at one angle (ψ = 1)
// it is the ordinary factor.
inline constexpr double kTransferLowestFactor = 0.001;
inline constexpr double kTransferHighestFactor = 100;
inline constexpr double kTransferTol = 1e-9;

struct TransferBlock {
    int formSegment = 0; // 1 at the top, 3 at the toe
    double T = 0;        // driving sum of its strips
    double R = 0;        // resisting sum of its strips and pile rows
    double psi = 0;      // ψ of the thrust it receives (1 for the top block, which gets none)
    double thrust = 0;   // the thrust at its lower end, at the factor found
};

struct TransferFactor {
    bool defined = false; // false when P_toe changes sign nowhere in the range
    double factor = 0;
    std::array<TransferBlock, kPolylineSegments> blocks{}; // top first
};

// The method on the polyline's strips and pile rows as DescribePolylineSlip kept them,
// with the segments' angles and friction angles of `working`.
TransferFactor TransferFactorOf(const PolylineSlipDetail& detail,
                                const PolylineSlipRecord& working);

} // namespace korvane
