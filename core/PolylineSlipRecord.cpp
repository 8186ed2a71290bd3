#include "PolylineSlipRecord.h"

#include <array>

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

namespace {
using R = PolylineSlipRecord;
using K = FieldKind;
const std::array<MemberInfo<R>, 33> kMembers = {{
    {"b", &R::m_b, K::Number, 1005, "承台宽度b(m)：", "m"},
    {"a", &R::m_a, K::Number, 1004, "承台距坡肩距离a(m)：", "m"},
    {"phi1", &R::m_phi1, K::Number, 1038, "土体内摩擦角1(°)：", "°"},
    {"c1", &R::m_c1, K::Number, 1037, "土体黏聚力c1(kPa)：", "kPa"},
    {"theta1", &R::m_theta1, K::Number, 1007, "折线角1(°)：", "°"},
    {"L1", &R::m_L1, K::Number, 1047, "折线长L1(m)：", "m"},
    {"phi2", &R::m_phi2, K::Number, 1035, "土体内摩擦角2(°)：", "°"},
    {"c2", &R::m_c2, K::Number, 1034, "土体黏聚力c2(kPa)：", "kPa"},
    {"theta2", &R::m_theta2, K::Number, 1006, "折线角2(°)：", "°"},
    {"L2", &R::m_L2, K::Number, 1046, "折线长L2(m)：", "m"},
    {"phi3", &R::m_phi3, K::Number, 1032, "土体内摩擦角3(°)：", "°"},
    {"c3", &R::m_c3, K::Number, 1031, "土体黏聚力c3(kPa)：", "kPa"},
    {"theta3", &R::m_theta3, K::Number, 1048, "折线角3(°)：", "°"},
    {"L3", &R::m_L3, K::Number, 1045, "折线长L3(m)：", "m"},
    {"h1", &R::m_h1, K::Number, 1009, "液化层厚度h1(m)：", "m"},
    {"gamma", &R::m_gamma, K::Number, 1029, "土体容重(kN/m3)：", "kN/m³"},
    {"L", &R::m_L, K::Number, 1008, "桩长L(m)：", "m"},
    {"sax", &R::m_sax, K::Number, 1011, "桩中心距sax(m)：", "m"},
    {"say", &R::m_say, K::Number, 1013, "桩中心距say(m)：", "m"},
    {"Bb", &R::m_Bb, K::Number, 1012, "承台长度Bb(m)：", "m"},
    {"hb", &R::m_hb, K::Number, 1019, "承台埋深hb(m)：", "m"},
    {"F", &R::m_F, K::Number, 1015, "传至承台底竖向荷载F(kN)：", "kN"},
    {"H", &R::m_H, K::Number, 1016, "传至承台底的水平荷载H(kN)：", "kN"},
    {"aSeismic", &R::m_aSeismic, K::Number, 1017, "设计地震系数a：", ""},
    {"slopeAmp", &R::m_slopeAmp, K::Number, 1018, "边坡放大系数(1.1~1.6)：", ""},
    {"d", &R::m_d, K::Number, 1024, "桩直径d(mm)：", "mm"},
    {"stirrupDia", &R::m_stirrupDia, K::Number, 1027, "箍筋直径(mm)：", "mm"},
    {"stirrupSpacing", &R::m_stirrupSpacing, K::Number, 1028, "箍筋间距(mm)：", "mm"},
    {"ft", &R::m_ft, K::None, 0, "桩身混凝土抗拉强度设计值ft", "N/mm²"},
    {"fyv", &R::m_fyv, K::None, 0, "箍筋抗拉强度设计值fyv", "N/mm²"},
    {"ks", &R::m_ks, K::Number, 1020, "最小稳定系数ks:", ""},
    {"h", &R::m_h, K::Number, 1010, "坡高h(m)：", "m"},
    {"beta", &R::m_beta, K::Number, 1003, "坡角(°)：", "°"},
}};
} // namespace

MemberTable<PolylineSlipRecord> PolylineSlipMembers() {
    return kMembers;
}
