#include "PolylineSlipRecord.h"

namespace korvane {

PolylineSlipRecord::PolylineSlipRecord() {
    m_b = 3;
    m_a = 2;
    m_phi1 = 12;
    m_c1 = 16.7;
    m_theta1 = 70;
    m_L1 = 3.373;
    m_phi2 = 12;
    m_c2 = 16.7;
    m_theta2 = 47;
    m_L2 = 2.495;
    m_phi3 = 12;
    m_c3 = 16.7;
    m_theta3 = 8;
    m_L3 = 7.532;
    m_h1 = 0;
    m_gamma = 18.6;
    m_L = 25;
    m_sax = 1.8;
    m_say = 1.8;
    m_Bb = 3;
    m_hb = 2;
    m_F = 10000;
    m_H = 500;
    m_aSeismic = 0.2;
    m_slopeAmp = 1.3;
    m_d = 600;
    m_stirrupDia = 8;
    m_stirrupSpacing = 200;
    m_ft = 0;
    m_fyv = 0;
    m_ks = 0;
    m_h = 6;
    m_beta = 55;
}

} // namespace korvane
