#pragma once

namespace korvane {

// Inputs and result of the polyline slip calculator, in the declaration order of
// its form. Segment 3 starts at the toe, segment 1 reaches the level ground.
struct PolylineSlipRecord {
    PolylineSlipRecord();

    double m_b;              // cap width b in x
    double m_a;              // distance from the crest to the cap's near edge
    double m_phi1;           // friction angle along segment 1
    double m_c1;             // cohesion along segment 1
    double m_theta1;         // angle of segment 1
    double m_L1;             // length of segment 1
    double m_phi2;           // friction angle along segment 2
    double m_c2;             // cohesion along segment 2
    double m_theta2;         // angle of segment 2
    double m_L2;             // length of segment 2
    double m_phi3;           // friction angle along segment 3
    double m_c3;             // cohesion along segment 3
    double m_theta3;         // angle of segment 3
    double m_L3;             // length of segment 3
    double m_h1;             // thickness of the liquefied layer
    double m_gamma;          // unit weight of the soil
    double m_L;              // pile length
    double m_sax;            // pile spacing in x
    double m_say;            // pile spacing along the strike
    double m_Bb;             // cap length along the strike
    double m_hb;             // cap embedment depth
    double m_F;              // vertical load at the cap base
    double m_H;              // horizontal load at the cap base
    double m_aSeismic;       // design seismic coefficient
    double m_slopeAmp;       // slope amplification factor
    double m_d;              // pile diameter, mm
    double m_stirrupDia;     // stirrup bar diameter, mm
    double m_stirrupSpacing; // stirrup spacing, mm
    double m_ft;             // ft of the chosen concrete, set by each calculation
    double m_fyv;            // fyv of the chosen stirrup steel, set by each calculation
    double m_ks;             // result: stability factor of the slip surface
    double m_h;              // slope height
    double m_beta;           // slope angle
};

} // namespace korvane
