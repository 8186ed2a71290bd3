#include "HighCapRecord.h"

#include <array>

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
    m_bearingLayer = 0;
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
    m_pileType = 1;
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

namespace {
using R = HighCapRecord;
using K = FieldKind;
const std::array<MemberInfo<R>, 30> kMembers = {{
    {"xiN", &R::m_xiN, K::Number, 1059, "桩轴力传递系数:", "", FieldRange{0.5, 1.0}},
    {"CR", &R::m_CR, K::Number, 1062, "桩端基岩抗力系数CR(kN/m3):", "kN/m³",
     FieldRange{300000.0, 15000000.0}},
    {"mp", &R::m_mp, K::Number, 1056, "桩底mp(kN/m4):", "kN/m⁴", FieldRange{0.0, 1000000.0}},
    {"ms1", &R::m_ms1, K::Number, 1055, "桩侧ms1(kN/m4):", "kN/m⁴", FieldRange{0.0, 1000000.0}},
    {"nx", &R::m_nx, K::WholeNumber, 1063, "X向桩数:", ""},
    {"nz", &R::m_nz, K::WholeNumber, 1064, "Z向桩数:", ""},
    {"sax", &R::m_sax, K::Number, 1066, "sax(m):", "m", FieldRange{0.0, 6.0}},
    {"saz", &R::m_saz, K::Number, 1067, "saz(m):", "m", FieldRange{0.0, 6.0}},
    {"h", &R::m_h, K::Number, 1008, "入土深度h(m):", "m", FieldRange{0.0, 100.0}},
    {"d", &R::m_d, K::Number, 1058, "桩径d(m):", "m", FieldRange{0.0, 3.0}},
    {"bearingLayer", &R::m_bearingLayer, K::Radio, 1060, "桩端持力层：0 基岩，1 非基岩", ""},
    {"Ec", &R::m_Ec, K::None, 0, "混凝土弹性模量Ec", "kPa"},
    {"ft", &R::m_ft, K::None, 0, "混凝土抗拉强度设计值ft", "N/mm²"},
    {"fc", &R::m_fc, K::None, 0, "混凝土抗压强度设计值fc", "N/mm²"},
    {"I", &R::m_I, K::None, 0, "桩截面惯性矩I", "m⁴"},
    {"H", &R::m_H, K::Number, 1071, "水平力H(KN):", "kN"},
    {"M", &R::m_M, K::Number, 1072, "弯矩M(KN.m):", "kN·m"},
    {"NG", &R::m_NG, K::Number, 1070, "竖向N+G(KN):", "kN"},
    {"Mmax", &R::m_Mmax, K::Number, 1073, "桩身最大弯矩(KN.m)：", "kN·m"},
    {"xPile", &R::m_xPile, K::Number, 1074, "最大内力桩坐标(m)：", "m"},
    {"yMmax", &R::m_yMmax, K::Number, 1075, "最大弯矩深度y(m)：", "m"},
    {"phi", &R::m_phi, K::WholeNumber, 1078, "桩侧土厚度加权内摩擦角(°)", "°", FieldRange{0, 45}},
    {"pileType", &R::m_pileType, K::Radio, 1076, "桩型：0 端承型桩，1 摩擦型桩", ""},
    {"l0", &R::m_l0, K::Number, 1057, "露出高度l0(m):", "m", FieldRange{0.0, 50.0}},
    {"Qmax", &R::m_Qmax, K::Number, 1081, "桩身最大剪力(KN)：", "kN"},
    {"yQmax", &R::m_yQmax, K::Number, 1083, "最大剪力深度y(m)：", "m"},
    {"Ntop", &R::m_Ntop, K::Number, 1084, "桩顶压力(KN)：", "kN"},
    {"x0", &R::m_x0, K::Number, 1086, "稳定地面处水平位移(mm)：", "mm"},
    {"capU", &R::m_capU, K::Number, 1085, "承台位移(mm):", "mm"},
    {"capBeta", &R::m_capBeta, K::Number, 1087, "承台转角x100000(rad):", "1e-5 rad"},
}};
} // namespace

MemberTable<HighCapRecord> HighCapMembers() {
    return kMembers;
}
