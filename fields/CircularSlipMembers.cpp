#include "FormMembers.h"
#include "resource.h"

#include <array>

namespace korvane {

namespace {

using R = CircularSlipRecord;
using K = FieldKind;
constexpr MemberRole In = MemberRole::Input;
constexpr MemberRole Out = MemberRole::Result;
constexpr MemberRole Internal = MemberRole::Internal;

const std::array<MemberInfo<R>, 29> kMembers = {{
    {"b", &R::m_b, In, K::Number, KORVANE_CONTROL(IDC_EDIT_B), "承台宽度b(m)", "b", "m"},
    {"phi", &R::m_phi, In, K::Number, KORVANE_CONTROL(IDC_EDIT_PHI), "土体内摩擦角(°)", "φ", "°"},
    {"c", &R::m_c, In, K::Number, KORVANE_CONTROL(IDC_EDIT_C), "土体黏聚力c(kPa)", "c", "kPa"},
    {"h", &R::m_h, In, K::Number, KORVANE_CONTROL(IDC_EDIT_H), "坡高h(m)", "h", "m"},
    {"a", &R::m_a, In, K::Number, KORVANE_CONTROL(IDC_EDIT_A), "承台距坡肩距离a(m)", "a", "m"},
    {"beta", &R::m_beta, In, K::Number, KORVANE_CONTROL(IDC_EDIT_BETA), "坡角(°)", "β", "°"},
    {"h1", &R::m_h1, In, K::Number, KORVANE_CONTROL(IDC_EDIT_H1), "液化层厚度h1(m)", "h1", "m"},
    {"L", &R::m_L, In, K::Number, KORVANE_CONTROL(IDC_EDIT_L), "桩长L(m)", "L", "m"},
    {"sax", &R::m_sax, In, K::Number, KORVANE_CONTROL(IDC_EDIT_SAX), "桩中心距sax(m)", "sax", "m"},
    {"say", &R::m_say, In, K::Number, KORVANE_CONTROL(IDC_EDIT_SAY), "桩中心距say(m)", "say", "m"},
    {"gamma", &R::m_gamma, In, K::Number, KORVANE_CONTROL(IDC_EDIT_GAMMA), "土体容重(kN/m3)", "γ",
     "kN/m³"},
    {"searchAngleFrom", &R::m_searchAngleFrom, Internal, K::None, {}, "搜索起始射线角", "", "°"},
    {"searchAngleTo", &R::m_searchAngleTo, Internal, K::None, {}, "搜索终止射线角", "", "°"},
    {"searchDistFrom", &R::m_searchDistFrom, Internal, K::None, {}, "圆心距坡肩起始距离", "", "m"},
    {"Bb", &R::m_Bb, In, K::Number, KORVANE_CONTROL(IDC_EDIT_BB), "承台长度Bb(m)", "Bb", "m"},
    {"F", &R::m_F, In, K::Number, KORVANE_CONTROL(IDC_EDIT_F), "传至承台底竖向荷载F(kN)", "F",
     "kN"},
    {"H", &R::m_H, In, K::Number, KORVANE_CONTROL(IDC_EDIT_H_LOAD), "传至承台底的水平荷载H(kN)",
     "H", "kN"},
    // The form's label calls the seismic coefficient "a", like the cap's distance.
    {"aSeismic", &R::m_aSeismic, In, K::Number, KORVANE_CONTROL(IDC_EDIT_A_SEISMIC),
     "设计地震系数a", "a", ""},
    {"slopeAmp", &R::m_slopeAmp, In, K::Number, KORVANE_CONTROL(IDC_EDIT_SLOPE_AMP),
     "边坡放大系数(1.1~1.6)", "", ""},
    {"hb", &R::m_hb, In, K::Number, KORVANE_CONTROL(IDC_EDIT_HB), "承台埋深hb(m)", "hb", "m"},
    {"x", &R::m_x, Out, K::Number, KORVANE_CONTROL(IDC_EDIT_X), "圆心坐标x(m)", "x", "m"},
    {"y", &R::m_y, Out, K::Number, KORVANE_CONTROL(IDC_EDIT_Y), "圆心坐标y(m)", "y", "m"},
    {"ks", &R::m_ks, Out, K::Number, KORVANE_CONTROL(IDC_EDIT_KS), "最小稳定系数ks", "ks", ""},
    {"R", &R::m_R, Out, K::Number, KORVANE_CONTROL(IDC_EDIT_R), "圆弧滑动面半径(m)", "R", "m"},
    {"d", &R::m_d, In, K::Number, KORVANE_CONTROL(IDC_EDIT_D), "桩直径d(mm)", "d", "mm"},
    {"stirrupDia", &R::m_stirrupDia, In, K::Number, KORVANE_CONTROL(IDC_EDIT_STIRRUP_DIA),
     "箍筋直径(mm)", "", "mm"},
    {"stirrupSpacing", &R::m_stirrupSpacing, In, K::Number,
     KORVANE_CONTROL(IDC_EDIT_STIRRUP_SPACING), "箍筋间距(mm)", "", "mm"},
    {"ft", &R::m_ft, Internal, K::None, {}, "桩身混凝土抗拉强度设计值ft", "ft", "N/mm²"},
    {"fyv", &R::m_fyv, Internal, K::None, {}, "箍筋抗拉强度设计值fyv", "fyv", "N/mm²"},
}};

} // namespace

MemberTable<CircularSlipRecord> CircularSlipMembers() {
    return kMembers;
}

} // namespace korvane
