#include "FormMembers.h"
#include "resource.h"

#include <array>

namespace korvane {

namespace {

using R = PolylineSlipRecord;
using K = FieldKind;
constexpr MemberRole In = MemberRole::Input;
constexpr MemberRole Out = MemberRole::Result;
constexpr MemberRole Internal = MemberRole::Internal;

const std::array<MemberInfo<R>, 33> kMembers = {{
    {"b", &R::m_b, In, K::Number, KORVANE_CONTROL(IDC_EDIT_B), "承台宽度b(m)", "b", "m"},
    {"a", &R::m_a, In, K::Number, KORVANE_CONTROL(IDC_EDIT_A), "承台距坡肩距离a(m)", "a", "m"},
    {"phi1", &R::m_phi1, In, K::Number, KORVANE_CONTROL(IDC_EDIT_PHI1), "土体内摩擦角1(°)", "φ1",
     "°"},
    {"c1", &R::m_c1, In, K::Number, KORVANE_CONTROL(IDC_EDIT_C1), "土体黏聚力c1(kPa)", "c1", "kPa"},
    {"theta1", &R::m_theta1, In, K::Number, KORVANE_CONTROL(IDC_EDIT_THETA1), "折线角1(°)", "θ1",
     "°"},
    {"L1", &R::m_L1, In, K::Number, KORVANE_CONTROL(IDC_EDIT_L1), "折线长L1(m)", "L1", "m"},
    {"phi2", &R::m_phi2, In, K::Number, KORVANE_CONTROL(IDC_EDIT_PHI2), "土体内摩擦角2(°)", "φ2",
     "°"},
    {"c2", &R::m_c2, In, K::Number, KORVANE_CONTROL(IDC_EDIT_C2), "土体黏聚力c2(kPa)", "c2", "kPa"},
    {"theta2", &R::m_theta2, In, K::Number, KORVANE_CONTROL(IDC_EDIT_THETA2), "折线角2(°)", "θ2",
     "°"},
    {"L2", &R::m_L2, In, K::Number, KORVANE_CONTROL(IDC_EDIT_L2), "折线长L2(m)", "L2", "m"},
    {"phi3", &R::m_phi3, In, K::Number, KORVANE_CONTROL(IDC_EDIT_PHI3), "土体内摩擦角3(°)", "φ3",
     "°"},
    {"c3", &R::m_c3, In, K::Number, KORVANE_CONTROL(IDC_EDIT_C3), "土体黏聚力c3(kPa)", "c3", "kPa"},
    {"theta3", &R::m_theta3, In, K::Number, KORVANE_CONTROL(IDC_EDIT_THETA3), "折线角3(°)", "θ3",
     "°"},
    {"L3", &R::m_L3, In, K::Number, KORVANE_CONTROL(IDC_EDIT_L3), "折线长L3(m)", "L3", "m"},
    {"h1", &R::m_h1, In, K::Number, KORVANE_CONTROL(IDC_EDIT_H1), "液化层厚度h1(m)", "h1", "m"},
    {"gamma", &R::m_gamma, In, K::Number, KORVANE_CONTROL(IDC_EDIT_GAMMA), "土体容重(kN/m3)", "γ",
     "kN/m³"},
    {"L", &R::m_L, In, K::Number, KORVANE_CONTROL(IDC_EDIT_L), "桩长L(m)", "L", "m"},
    {"sax", &R::m_sax, In, K::Number, KORVANE_CONTROL(IDC_EDIT_SAX), "桩中心距sax(m)", "sax", "m"},
    {"say", &R::m_say, In, K::Number, KORVANE_CONTROL(IDC_EDIT_SAY), "桩中心距say(m)", "say", "m"},
    {"Bb", &R::m_Bb, In, K::Number, KORVANE_CONTROL(IDC_EDIT_BB), "承台长度Bb(m)", "Bb", "m"},
    {"hb", &R::m_hb, In, K::Number, KORVANE_CONTROL(IDC_EDIT_HB), "承台埋深hb(m)", "hb", "m"},
    {"F", &R::m_F, In, K::Number, KORVANE_CONTROL(IDC_EDIT_F), "传至承台底竖向荷载F(kN)", "F",
     "kN"},
    {"H", &R::m_H, In, K::Number, KORVANE_CONTROL(IDC_EDIT_H_LOAD), "传至承台底的水平荷载H(kN)",
     "H", "kN"},
    // The form's label calls the seismic coefficient "a", like the cap's distance.
    {"aSeismic", &R::m_aSeismic, In, K::Number, KORVANE_CONTROL(IDC_EDIT_A_SEISMIC),
     "设计地震系数a", "a", ""},
    {"slopeAmp", &R::m_slopeAmp, In, K::Number, KORVANE_CONTROL(IDC_EDIT_SLOPE_AMP),
     "边坡放大系数(1.1~1.6)", "", ""},
    {"d", &R::m_d, In, K::Number, KORVANE_CONTROL(IDC_EDIT_D), "桩直径d(mm)", "d", "mm"},
    {"stirrupDia", &R::m_stirrupDia, In, K::Number, KORVANE_CONTROL(IDC_EDIT_STIRRUP_DIA),
     "箍筋直径(mm)", "", "mm"},
    {"stirrupSpacing", &R::m_stirrupSpacing, In, K::Number,
     KORVANE_CONTROL(IDC_EDIT_STIRRUP_SPACING), "箍筋间距(mm)", "", "mm"},
    {"ft", &R::m_ft, Internal, K::None, {}, "桩身混凝土抗拉强度设计值ft", "ft", "N/mm²"},
    {"fyv", &R::m_fyv, Internal, K::None, {}, "箍筋抗拉强度设计值fyv", "fyv", "N/mm²"},
    // The form's label reads 最小稳定系数 like the circular form's, but one slip surface
    // is computed here, not the least of a search.
    {"ks", &R::m_ks, Out, K::Number, KORVANE_CONTROL(IDC_EDIT_KS), "稳定系数ks", "ks", ""},
    {"h", &R::m_h, In, K::Number, KORVANE_CONTROL(IDC_EDIT_H), "坡高h(m)", "h", "m"},
    {"beta", &R::m_beta, In, K::Number, KORVANE_CONTROL(IDC_EDIT_BETA), "坡角(°)", "β", "°"},
}};

} // namespace

MemberTable<PolylineSlipRecord> PolylineSlipMembers() {
    return kMembers;
}

} // namespace korvane
