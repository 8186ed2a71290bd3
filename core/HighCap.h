#pragma once

#include "CalcOutcome.h"
#include "HighCapRecord.h"
#include "PileKernel.h"

#include <array>

// Working values of one high-cap run (lengths m, forces kN, Ec kPa). Holds the per-pile
// tables, so it is large: allocate it on the heap.
struct HighCapWork {
    // Pile and soil parameters.
    double Ec, I, A, b0, EI, alpha;
    double h0, C0, A0, kh;
    int np;
    double xoff, Sx2;
    double alphaH; // reduced embedded length, at most 4
    // Pile head.
    std::array<PileSeries, kGridPoints> series;
    PileSeries seriesAtLength; // at alphaH itself, not at a grid point
    HeadFactors factors;
    HeadFlexibility ground, top;
    HeadStiffness stiffness;
    // Cap equilibrium.
    double gVV, gUU, gUb, gbb;
    double V, U, beta;
    PileGroupTables piles;
};

// The largest moment and shear in the piles of a high-cap group: looks up the
// concrete grade of the list selection (-1 for none) and writes the looked-up
// materials, the cap and pile results and the 41-point depth series. Refuses,
// without touching the record, inputs that cannot be computed (no grade, pile counts).
CalcOutcome CalculateHighCapForces(HighCapRecord& r, int concreteIndex);
// The same, leaving the run's working values in `work`.
CalcOutcome CalculateHighCapForces(HighCapRecord& r, int concreteIndex, HighCapWork& work);
