#pragma once

namespace korvane {

// Inputs, search parameters and results of the circular slip calculator, in the
// declaration order of its form. Units: m, kN, kPa, degrees; pile and stirrup sizes
// in mm, strengths in N/mm².
struct CircularSlipRecord {
    CircularSlipRecord();

    double m_b;               // cap width b along the section
    double m_phi;             // internal friction angle of the soil
    double m_c;               // cohesion of the soil
    double m_h;               // slope height h
    double m_a;               // distance a from the crest to the cap
    double m_beta;            // slope angle
    double m_h1;              // thickness of the liquefied layer
    double m_L;               // pile length
    double m_sax;             // spacing of the pile rows along the section
    double m_say;             // spacing of the piles across the section
    double m_gamma;           // unit weight of the soil
    double m_searchAngleFrom; // angle of the first search ray
    double m_searchAngleTo;   // angle of the last search ray
    double m_searchDistFrom;  // first distance of a trial centre from the crest
    double m_Bb;              // cap length across the section
    double m_F;               // vertical load on the cap base
    double m_H;               // horizontal load on the cap base
    double m_aSeismic;        // design seismic coefficient
    double m_slopeAmp;        // slope amplification factor
    double m_hb;              // burial depth of the cap base
    double m_x;               // result: x of the critical circle's centre
    double m_y;               // result: y of the critical circle's centre
    double m_ks;              // result: least stability factor
    double m_R;               // result: radius of the critical circle
    double m_d;               // pile diameter, mm
    double m_stirrupDia;      // stirrup bar diameter, mm
    double m_stirrupSpacing;  // stirrup spacing, mm
    double m_ft;              // ft of the chosen concrete, set by each calculation
    double m_fyv;             // fyv of the chosen stirrup steel, set by each calculation
};

} // namespace korvane
