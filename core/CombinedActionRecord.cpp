#include "CombinedActionRecord.h"

#include <array>

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
    m_bearingLayer = 0;
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
    m_pileType = 1;
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

namespace {
using R = CombinedActionRecord;
using K = FieldKind;
const std::array<MemberInfo<R>, 38> kMembers = {{
    {"xiN", &R::m_xiN, K::Number, 1059, "桩轴力传递系数:", ""},
    {"CR", &R::m_CR, K::Number, 1062, "桩端基岩抗力系数CR(kN/m3):", "kN/m³"},
    {"hn", &R::m_hn, K::Number, 1065, "承台埋深hn(m):", "m"},
    {"mc", &R::m_mc, K::Number, 1054, "承台侧mc(kN/m4):", "kN/m⁴"},
    {"mu", &R::m_mu, K::Number, 1057, "承台底摩擦系数:", ""},
    {"mp", &R::m_mp, K::Number, 1056, "桩底mp(kN/m4):", "kN/m⁴"},
    {"ms", &R::m_ms, K::Number, 1055, "承台底ms(kN/m4):", "kN/m⁴"},
    {"nx", &R::m_nx, K::WholeNumber, 1063, "X向桩数:", ""},
    {"nz", &R::m_nz, K::WholeNumber, 1064, "Z向桩数:", ""},
    {"sax", &R::m_sax, K::Number, 1066, "sax(m):", "m"},
    {"saz", &R::m_saz, K::Number, 1067, "saz(m):", "m"},
    {"h", &R::m_h, K::Number, 1008, "桩长h(m):", "m"},
    {"d", &R::m_d, K::Number, 1058, "桩径d(m):", "m"},
    {"bearingLayer", &R::m_bearingLayer, K::Radio, 1061,
     "桩端持力层：0 非基岩，1 基岩面，2 嵌入基岩", ""},
    {"Ec", &R::m_Ec, K::None, 0, "混凝土弹性模量Ec", "kPa"},
    {"ft", &R::m_ft, K::None, 0, "混凝土抗拉强度设计值ft", "N/mm²"},
    {"fc", &R::m_fc, K::None, 0, "混凝土抗压强度设计值fc", "N/mm²"},
    {"I", &R::m_I, K::None, 0, "桩截面惯性矩I", "m⁴"},
    {"B", &R::m_B, K::Number, 1068, "承台宽度B(m):", "m"},
    {"H", &R::m_H, K::Number, 1071, "水平力H(KN):", "kN"},
    {"M", &R::m_M, K::Number, 1072, "弯矩M(KN.m):", "kN·m"},
    {"NG", &R::m_NG, K::Number, 1070, "竖向N+G(KN):", "kN"},
    {"maxMoment", &R::m_maxMoment, K::None, 0, "桩身最大弯矩（深度图比例）", "kN·m"},
    {"phi", &R::m_phi, K::WholeNumber, 1078, "桩侧土厚度加权内摩擦角(°)", "°"},
    {"pileType", &R::m_pileType, K::Radio, 1076, "桩型：0 端承型桩，1 摩擦型桩", ""},
    {"etaC", &R::m_etaC, K::Number, 1079, "承台效应系数:", ""},
    {"L", &R::m_L, K::Number, 1080, "承台长度L(m):", "m"},
    {"Ntop", &R::m_Ntop, K::Number, 1084, "最大桩顶压力(KN)：", "kN"},
    {"x0", &R::m_x0, K::Number, 1086, "稳定地面处桩身水平位移(mm)：", "mm"},
    {"Hc", &R::m_Hc, K::Number, 1088, "承台侧壁水平抗力(KN)：", "kN"},
    {"Hb", &R::m_Hb, K::Number, 1091, "地基土水平抗力(KN)：", "kN"},
    {"Mb", &R::m_Mb, K::Number, 1092, "地基土反弯矩(KN.m)：", "kN·m"},
    {"Mc", &R::m_Mc, K::Number, 1089, "承台侧壁反弯矩(KN.m)：", "kN·m"},
    {"Nb", &R::m_Nb, K::Number, 1090, "地基土竖向抗力(KN)：", "kN"},
    {"l0", &R::m_l0, K::Number, 1073, "脱空高度l0(m):", "m", FieldRange{0.0, 20.0}},
    {"capU", &R::m_capU, K::Number, 1085, "承台位移(mm):", "mm"},
    {"capBeta", &R::m_capBeta, K::Number, 1087, "承台转角x100000(rad):", "1e-5 rad"},
    {"lastPoint", &R::m_lastPoint, K::None, 0, "深度图最后一点的序号", ""},
}};
} // namespace

MemberTable<CombinedActionRecord> CombinedActionMembers() {
    return kMembers;
}
