#include "CombinedActionRecord.h"

namespace korvane {

CombinedActionRecord::CombinedActionRecord() {
    m_xiN = 0.5;
    m_CR = 8000000.0;
    m_hn = 1.8;
    m_mc = 10000.0;
    m_mu = 0.0;
    m_mp = 50000.0;
    m_ms = 10000.0;
    m_nx = 9;
    m_nz = 26;
    m_sax = 1.91;
    m_saz = 2.37;
    m_h = 19.0;
    m_d = 0.6;
    m_bearingLayer = kNonBedrock;
    m_Ec = 30.0; // replaced by the looked-up modulus before any use
    m_ft = 0.0;
    m_fc = 0.0;
    m_I = 0.0;
    m_B = 60.4;
    m_H = 17519.9;
    m_M = 898098.8;
    m_NG = 326380.0;
    m_maxMoment = 0.0;
    m_phi = 20;
    m_pileType = kFrictionPile;
    m_etaC = 0.0;
    m_L = 16.5;
    m_Ntop = 0.0;
    m_x0 = 0.0;
    m_Hc = 0.0;
    m_Hb = 0.0;
    m_Mb = 0.0;
    m_Mc = 0.0;
    m_Nb = 0.0;
    m_l0 = 2.0;
    m_capU = 0.0;
    m_capBeta = 0.0;
    m_lastPoint = 1;
    // Only the first 41 entries are ever used; the rest stay unset.
    for (int i = 0; i < kSeriesPoints; ++i) {
        m_momentSeries[i] = 0.0;
        m_shearSeries[i] = 0.0;
    }
}

} // namespace korvane
