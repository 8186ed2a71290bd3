#include "FormMembers.h"
#include "resource.h"

#include <array>

namespace korvane {

namespace {

using R = HighCapRecord;
using K = FieldKind;
constexpr MemberRole In = MemberRole::Input;
constexpr MemberRole Out = MemberRole::Result;
constexpr MemberRole Internal = MemberRole::Internal;

constexpr const char* kBearingLayers[] = {"基岩", "非基岩"};
static_assert(R::kBedrock == 0 && R::kNonBedrock == 1);

const std::array<MemberInfo<R>, 30> kMembers = {{
    {"xiN", &R::m_xiN, In, K::Number, KORVANE_CONTROL(IDC_EDIT_XIN), "桩轴力传递系数", "ξN", "",
     FieldRange{0.5, 1.0}},
    {"CR", &R::m_CR, In, K::Number, KORVANE_CONTROL(IDC_EDIT_CR), "桩端基岩抗力系数CR(kN/m3)", "CR",
     "kN/m³", FieldRange{300000.0, 15000000.0}},
    {"mp", &R::m_mp, In, K::Number, KORVANE_CONTROL(IDC_EDIT_MP), "桩底mp(kN/m4)", "mp", "kN/m⁴",
     FieldRange{0.0, 1000000.0}},
    {"ms1", &R::m_ms1, In, K::Number, KORVANE_CONTROL(IDC_EDIT_MS1), "桩侧ms1(kN/m4)", "ms1",
     "kN/m⁴", FieldRange{0.0, 1000000.0}},
    {"nx", &R::m_nx, In, K::WholeNumber, KORVANE_CONTROL(IDC_EDIT_NX), "X向桩数", "nx", ""},
    {"nz", &R::m_nz, In, K::WholeNumber, KORVANE_CONTROL(IDC_EDIT_NZ), "Z向桩数", "nz", ""},
    {"sax", &R::m_sax, In, K::Number, KORVANE_CONTROL(IDC_EDIT_PILE_SAX), "sax(m)", "sax", "m",
     FieldRange{0.0, 6.0}},
    {"saz", &R::m_saz, In, K::Number, KORVANE_CONTROL(IDC_EDIT_PILE_SAZ), "saz(m)", "saz", "m",
     FieldRange{0.0, 6.0}},
    {"h", &R::m_h, In, K::Number, KORVANE_CONTROL(IDC_EDIT_PILE_H), "入土深度h(m)", "h", "m",
     FieldRange{0.0, 100.0}},
    {"d", &R::m_d, In, K::Number, KORVANE_CONTROL(IDC_EDIT_PILE_D), "桩径d(m)", "d", "m",
     FieldRange{0.0, 3.0}},
    {"bearingLayer", &R::m_bearingLayer, In, K::Radio, KORVANE_CONTROL(IDC_RADIO_BEDROCK),
     "桩端持力层", "", "", std::nullopt, kBearingLayers},
    {"Ec", &R::m_Ec, Internal, K::None, {}, "混凝土弹性模量Ec", "Ec", "kPa"},
    {"ft", &R::m_ft, Internal, K::None, {}, "混凝土抗拉强度设计值ft", "ft", "N/mm²"},
    {"fc", &R::m_fc, Internal, K::None, {}, "混凝土抗压强度设计值fc", "fc", "N/mm²"},
    {"I", &R::m_I, Internal, K::None, {}, "桩截面惯性矩I", "I", "m⁴"},
    {"H", &R::m_H, In, K::Number, KORVANE_CONTROL(IDC_EDIT_PILE_H_LOAD), "水平力H(KN)", "H", "kN"},
    {"M", &R::m_M, In, K::Number, KORVANE_CONTROL(IDC_EDIT_PILE_M_LOAD), "弯矩M(KN.m)", "M",
     "kN·m"},
    {"NG", &R::m_NG, In, K::Number, KORVANE_CONTROL(IDC_EDIT_NG), "竖向N+G(KN)", "N+G", "kN"},
    {"Mmax", &R::m_Mmax, Out, K::Number, KORVANE_CONTROL(IDC_EDIT_MMAX), "桩身最大弯矩(KN.m)",
     "Mmax", "kN·m"},
    {"xPile", &R::m_xPile, Out, K::Number, KORVANE_CONTROL(IDC_EDIT_X_PILE), "最大内力桩坐标(m)",
     "x", "m"},
    {"yMmax", &R::m_yMmax, Out, K::Number, KORVANE_CONTROL(IDC_EDIT_Y_MMAX), "最大弯矩深度y(m)",
     "yM", "m"},
    {"phi", &R::m_phi, In, K::WholeNumber, KORVANE_CONTROL(IDC_EDIT_PILE_PHI),
     "桩侧土厚度加权内摩擦角(°)", "φ", "°", FieldRange{0, 45}},
    {"pileType", &R::m_pileType, In, K::Radio, KORVANE_CONTROL(IDC_RADIO_END_BEARING), "桩型", "",
     "", std::nullopt, kPileTypePositions},
    {"l0", &R::m_l0, In, K::Number, KORVANE_CONTROL(IDC_EDIT_EXPOSED_L0), "露出高度l0(m)", "l0",
     "m", FieldRange{0.0, 50.0}},
    {"Qmax", &R::m_Qmax, Out, K::Number, KORVANE_CONTROL(IDC_EDIT_QMAX), "桩身最大剪力(KN)", "Qmax",
     "kN"},
    {"yQmax", &R::m_yQmax, Out, K::Number, KORVANE_CONTROL(IDC_EDIT_Y_QMAX), "最大剪力深度y(m)",
     "yQ", "m"},
    {"Ntop", &R::m_Ntop, Out, K::Number, KORVANE_CONTROL(IDC_EDIT_NTOP), "桩顶压力(KN)", "Ntop",
     "kN"},
    {"x0", &R::m_x0, Out, K::Number, KORVANE_CONTROL(IDC_EDIT_X0), "稳定地面处水平位移(mm)", "x0",
     "mm"},
    {"capU", &R::m_capU, Out, K::Number, KORVANE_CONTROL(IDC_EDIT_CAP_U), "承台位移(mm)", "u",
     "mm"},
    {"capBeta", &R::m_capBeta, Out, K::Number, KORVANE_CONTROL(IDC_EDIT_CAP_BETA),
     "承台转角x100000(rad)", "β", "1e-5 rad"},
}};

} // namespace

MemberTable<HighCapRecord> HighCapMembers() {
    return kMembers;
}

} // namespace korvane
