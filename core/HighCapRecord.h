#pragma once

#include "PileType.h"

namespace korvane {

// Inputs, looked-up materials, results and depth series of the high-cap calculator,
// in the declaration order of its form. Units: m, kN, kN·m, kPa; ms1 and mp in
// kN/m⁴, CR in kN/m³; results in mm and 1e-5 rad where their labels say so.
struct HighCapRecord {
    static constexpr int kSeriesCapacity = 2500;
    static constexpr int kSeriesPoints = 41; // depth points 0 .. 40

    // Positions of the bearing-layer group (m_bearingLayer).
    enum BearingLayer : int { kBedrock = 0, kNonBedrock = 1 };

    HighCapRecord();

    double m_xiN;       // axial force transfer coefficient
    double m_CR;        // resistance coefficient of the rock under the pile tip
    double m_mp;        // soil coefficient at the pile tip
    double m_ms1;       // soil coefficient along the pile
    int m_nx;           // number of piles in X
    int m_nz;           // number of piles in Z
    double m_sax;       // pile spacing in X
    double m_saz;       // pile spacing in Z
    double m_h;         // embedded length below the stable ground
    double m_d;         // pile diameter
    int m_bearingLayer; // a BearingLayer position
    double m_Ec;        // concrete modulus, looked up by each calculation
    double m_ft;        // concrete ft, looked up (not used further)
    double m_fc;        // concrete fc, looked up (not used further)
    double m_I;         // second moment of area of the pile section
    double m_H;         // horizontal force
    double m_M;         // moment
    double m_NG;        // vertical force N+G
    double m_Mmax;      // result: largest pile moment
    double m_xPile;     // result: X of the pile holding the largest moment
    double m_yMmax;     // result: depth of the largest moment below the pile top
    int m_phi;          // weighted friction angle along the pile, whole degrees
    int m_pileType;     // a PileTypePosition
    double m_l0;        // exposed length between cap underside and stable ground
    double m_Qmax;      // result: largest pile shear
    double m_yQmax;     // result: depth of the largest shear below the pile top
    double m_Ntop;      // result: top force of the pile of m_xPile
    double m_x0;        // result: displacement at the stable ground, mm
    double m_capU;      // result: cap displacement, mm
    double m_capBeta;   // result: cap rotation × 100000, rad
    double m_momentSeries[kSeriesCapacity]; // pile moment at the 41 grid depths
    double m_shearSeries[kSeriesCapacity];  // pile shear at the 41 grid depths
};

} // namespace korvane
