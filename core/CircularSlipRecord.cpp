#include "CircularSlipRecord.h"

namespace korvane {

CircularSlipRecord::CircularSlipRecord() {
    m_b = 1.4;
    m_phi = 12;
    m_c = 16.7;
    m_h = 6;
    m_a = 3.3;
    m_beta = 55;
    m_h1 = 0;
    m_L = 12;
    m_sax = 0;
    m_say = 2.2;
    m_gamma = 18.6;
    m_searchAngleFrom = 144;
    // The search range is fixed at construction from the default slope; later
    // changes of beta and h move the crest but not the rays.
    m_searchAngleTo = m_beta;
    m_searchDistFrom = 0.1 * m_h;
    m_Bb = 4.7;
    m_F = 1200;
    m_H = 168;
    m_aSeismic = 0.3;
    m_slopeAmp = 1.3;
    m_hb = 1.5;
    m_x = 0;
    m_y = 0;
    m_ks = 0;
    m_R = 0;
    m_d = 800;
    m_stirrupDia = 8;
    m_stirrupSpacing = 200;
    m_ft = 0;
    m_fyv = 0;
}

} // namespace korvane
