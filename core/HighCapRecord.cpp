#include "HighCapRecord.h"

namespace korvane {

HighCapRecord::HighCapRecord() {
    m_xiN = 0.5;
    m_CR = 8000000.0;
    m_mp = 15000.0;
    m_ms1 = 6000.0;
    m_nx = 24;
    m_nz = 18;
    m_sax = 2.0;
    m_saz = 1.95;
    m_h = 34.0;
    m_d = 0.5;
    m_bearingLayer = kBedrock;
    m_Ec = 30.0; // replaced by the looked-up modulus before any use
    m_ft = 0;
    m_fc = 0;
    m_I = 0;
    m_H = 15220.0;
    m_M = 483760.0;
    m_NG = 650500.0;
    m_Mmax = 0;
    m_xPile = 0;
    m_yMmax = 0;
    m_phi = 20;
    m_pileType = kFrictionPile;
    m_l0 = 2.0;
    m_Qmax = 0;
    m_yQmax = 0;
    m_Ntop = 0;
    m_x0 = 0;
    m_capU = 0;
    m_capBeta = 0;
    // Only the first 41 entries are ever used; the rest stay unset.
    for (int i = 0; i < kSeriesPoints; ++i) {
        m_momentSeries[i] = 0;
        m_shearSeries[i] = 0;
    }
}

} // namespace korvane
