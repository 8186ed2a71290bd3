#pragma once

#include "CalcOutcome.h"
#include "HighCapRecord.h"
#include "PileGroup.h"

namespace korvane {

// Working values of one high-cap run (lengths m, forces kN, Ec kPa).
struct HighCapWork {
    // Pile and soil parameters.
    PileProperties pile;
    TipSupport tip;
    double A0; // tip area
    PileLayout layout;
    double alphaH; // reduced embedded length, at most 4
    // Pile head, from the series at alphaH itself, not at a grid point.
    PileSeries seriesAtLength;
    PileHead head;
    // Cap equilibrium.
    double gVV, gUU, gUb, gbb;
    CapMovement cap;
    // Head forces and ground-line movement of every pile.
    GroupHeadResponse response;
};

// The largest moment and shear in the piles of a high-cap group: looks up the
// concrete grade of the list selection (-1 for none) and writes the looked-up
// materials, the cap and pile results and the 41-point depth series. Refuses,
// without touching the record, inputs that cannot be computed (no grade, pile counts).
CalcOutcome CalculateHighCapForces(HighCapRecord& r, int concreteIndex);
// The same, leaving the run's working values in `work`.
CalcOutcome CalculateHighCapForces(HighCapRecord& r, int concreteIndex, HighCapWork& work);

} // namespace korvane
