#include "CircularSlipRecord.h"

#include <array>

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

namespace {
using R = CircularSlipRecord;
using K = FieldKind;
const std::array<MemberInfo<R>, 29> kMembers = {{
    {"b", &R::m_b, K::Number, 1005, "承台宽度b(m)：", "m"},
    {"phi", &R::m_phi, K::Number, 1007, "土体内摩擦角(°)：", "°"},
    {"c", &R::m_c, K::Number, 1006, "土体黏聚力c(kPa)：", "kPa"},
    {"h", &R::m_h, K::Number, 1010, "坡高h(m)：", "m"},
    {"a", &R::m_a, K::Number, 1004, "承台距坡肩距离a(m)：", "m"},
    {"beta", &R::m_beta, K::Number, 1003, "坡角(°)：", "°"},
    {"h1", &R::m_h1, K::Number, 1009, "液化层厚度h1(m)：", "m"},
    {"L", &R::m_L, K::Number, 1008, "桩长L(m)：", "m"},
    {"sax", &R::m_sax, K::Number, 1011, "桩中心距sax(m)：", "m"},
    {"say", &R::m_say, K::Number, 1013, "桩中心距say(m)：", "m"},
    {"gamma", &R::m_gamma, K::Number, 1029, "土体容重(kN/m3)：", "kN/m³"},
    {"searchAngleFrom", &R::m_searchAngleFrom, K::None, 0, "搜索起始射线角", "°"},
    {"searchAngleTo", &R::m_searchAngleTo, K::None, 0, "搜索终止射线角", "°"},
    {"searchDistFrom", &R::m_searchDistFrom, K::None, 0, "圆心距坡肩起始距离", "m"},
    {"Bb", &R::m_Bb, K::Number, 1012, "承台长度Bb(m)：", "m"},
    {"F", &R::m_F, K::Number, 1015, "传至承台底竖向荷载F(kN)：", "kN"},
    {"H", &R::m_H, K::Number, 1016, "传至承台底的水平荷载H(kN)：", "kN"},
    {"aSeismic", &R::m_aSeismic, K::Number, 1017, "设计地震系数a：", ""},
    {"slopeAmp", &R::m_slopeAmp, K::Number, 1018, "边坡放大系数(1.1~1.6)：", ""},
    {"hb", &R::m_hb, K::Number, 1019, "承台埋深hb(m)：", "m"},
    {"x", &R::m_x, K::Number, 1022, "圆心坐标x(m):", "m"},
    {"y", &R::m_y, K::Number, 1023, "圆心坐标y(m):", "m"},
    {"ks", &R::m_ks, K::Number, 1020, "最小稳定系数ks:", ""},
    {"R", &R::m_R, K::Number, 1021, "圆弧滑动面半径(m):", "m"},
    {"d", &R::m_d, K::Number, 1024, "桩直径d(mm)：", "mm"},
    {"stirrupDia", &R::m_stirrupDia, K::Number, 1027, "箍筋直径(mm)：", "mm"},
    {"stirrupSpacing", &R::m_stirrupSpacing, K::Number, 1028, "箍筋间距(mm)：", "mm"},
    {"ft", &R::m_ft, K::None, 0, "桩身混凝土抗拉强度设计值ft", "N/mm²"},
    {"fyv", &R::m_fyv, K::None, 0, "箍筋抗拉强度设计值fyv", "N/mm²"},
}};
} // namespace

MemberTable<CircularSlipRecord> CircularSlipMembers() {
    return kMembers;
}
