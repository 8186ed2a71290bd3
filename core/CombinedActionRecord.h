#pragma once

#include "PileType.h"

namespace korvane {

// Inputs, looked-up materials, results and depth series of the combined-action
// calculator (high, low and voided caps), in the declaration order of its form.
// Units: m, kN, kN·m, kPa; mc, ms, mp in kN/m⁴, CR in kN/m³; results in mm and
// 1e-5 rad where their labels say so.
struct CombinedActionRecord {
    static constexpr int kSeriesCapacity = 2500;
    static constexpr int kSeriesPoints = 41; // depth points 0 .. 40

    // Positions of the pile-end condition group (m_bearingLayer).
    enum BearingLayer : int { kNonBedrock = 0, kBedrockSurface = 1, kEmbeddedInRock = 2 };

    CombinedActionRecord();

    double m_xiN;       // pile axial-force transfer coefficient
    double m_CR;        // rock resistance coefficient under the pile end
    double m_hn;        // cap burial depth
    double m_mc;        // soil coefficient at the cap side
    double m_mu;        // friction coefficient of the cap bottom
    double m_mp;        // soil coefficient at the pile end
    double m_ms;        // soil coefficient under the cap bottom (also along the piles)
    int m_nx;           // number of piles along X
    int m_nz;           // number of piles along Z
    double m_sax;       // pile spacing along X
    double m_saz;       // pile spacing along Z
    double m_h;         // pile length
    double m_d;         // pile diameter
    int m_bearingLayer; // a BearingLayer position
    double m_Ec;        // concrete modulus, looked up by each calculation
    double m_ft;        // concrete ft, looked up (not used further)
    double m_fc;        // concrete fc, looked up (not used further)
    double m_I;         // second moment of area of the pile section
    double m_B;         // cap width
    double m_H;         // horizontal force
    double m_M;         // moment
    double m_NG;        // vertical load N+G
    double m_maxMoment; // largest pile moment found, scale of the depth plot
    int m_phi;          // weighted friction angle along the pile, whole degrees
    int m_pileType;     // a PileTypePosition
    double m_etaC;      // cap effect coefficient
    double m_L;         // cap length along X
    double m_Ntop;      // result: pile-top force of the pile with the largest moment
    double m_x0;        // result: pile displacement at the stable ground, mm
    double m_Hc;        // result: horizontal resistance of the cap side walls
    double m_Hb;        // result: horizontal resistance of the soil under the cap
    double m_Mb;        // result: counter-moment of the soil under the cap
    double m_Mc;        // result: counter-moment of the cap side walls
    double m_Nb;        // result: vertical resistance of the soil under the cap
    double m_l0;        // voided height between the cap bottom and the soil
    double m_capU;      // result: cap displacement, mm
    double m_capBeta;   // result: cap rotation × 100000, rad
    int m_lastPoint;    // index of the last depth point of the series
    double m_momentSeries[kSeriesCapacity]; // pile moment at depth points 0 .. m_lastPoint
    double m_shearSeries[kSeriesCapacity];  // pile shear at depth points 0 .. m_lastPoint
};

} // namespace korvane
