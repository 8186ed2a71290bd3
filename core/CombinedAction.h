#pragma once

#include "CalcOutcome.h"
#include "CombinedActionRecord.h"
#include "PileGroup.h"

namespace korvane {

// Working values of one combined-action run (lengths m, forces kN, Ec kPa).
struct CombinedActionWork {
    // Pile, soil and cap parameters.
    PileProperties pile; // in the soil under the cap
    double A0;           // tip area
    int n;               // grid index of the pile's reduced length, also the last depth point
    TipSupport tip;
    PileLayout layout;
    double Bc, Cb;         // cap-side width, vertical coefficient of the soil under the cap
    double Ab;             // cap bottom area in contact with soil
    double Cn, Fc, Sc, Ic; // cap-side resistance diagram over the buried height
    double Ib;             // second moment of the cap bottom, less the pile sections
    // Pile head at the grid depth n.
    PileHead head;
    // Cap equilibrium.
    double gVV, gUV, gUU, gUb, gbb;
    CapMovement cap;
    // Head forces and ground-line movement of every pile.
    GroupHeadResponse response;
};

// The combined action of cap, piles and soil: looks up the concrete grade of the
// list selection (-1 for none) and writes the looked-up materials, the cap and pile
// results, the depth series, m_lastPoint and m_maxMoment. Refuses, without touching
// the record, inputs that cannot be computed (no grade, pile counts).
CalcOutcome CalculateCombinedAction(CombinedActionRecord& r, int concreteIndex);
// The same, leaving the run's working values in `work`.
CalcOutcome CalculateCombinedAction(CombinedActionRecord& r, int concreteIndex,
                                    CombinedActionWork& work);

} // namespace korvane
