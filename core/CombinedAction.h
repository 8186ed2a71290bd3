#pragma once

#include "CalcOutcome.h"
#include "CombinedActionRecord.h"
#include "PileKernel.h"

#include <array>

// Working values of one combined-action run (lengths m, forces kN, Ec kPa). Holds the
// per-pile tables, so it is large: allocate it on the heap.
struct CombinedActionWork {
    // Pile, soil and cap parameters.
    double Ec, I, A, b0, EI, alpha, A0;
    int n; // grid index of the pile's reduced length, also the last depth point
    double h0, C0, kh;
    double Bc, Cb; // cap-side width, vertical coefficient of the soil under the cap
    int np;
    double Ab;             // cap bottom area in contact with soil
    double Cn, Fc, Sc, Ic; // cap-side resistance diagram over the buried height
    double xoff, Sx2, Ib;  // pile abscissae, their second moment, cap-bottom moment
    // Pile head.
    std::array<PileSeries, kGridPoints> series;
    HeadFactors factors;
    HeadFlexibility ground, top;
    HeadStiffness stiffness;
    // Cap equilibrium.
    double gVV, gUV, gUU, gUb, gbb;
    double V, U, beta;
    PileGroupTables piles;
};

// The combined action of cap, piles and soil: looks up the concrete grade of the
// list selection (-1 for none) and writes the looked-up materials, the cap and pile
// results, the depth series, m_lastPoint and m_maxMoment. Refuses, without touching
// the record, inputs that cannot be computed (no grade, pile counts).
CalcOutcome CalculateCombinedAction(CombinedActionRecord& r, int concreteIndex);
// The same, leaving the run's working values in `work`.
CalcOutcome CalculateCombinedAction(CombinedActionRecord& r, int concreteIndex,
                                    CombinedActionWork& work);
