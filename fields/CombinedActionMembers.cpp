#include "FormMembers.h"
#include "resource.h"

#include <array>

namespace korvane {

namespace {

using R = CombinedActionRecord;
using K = FieldKind;
constexpr MemberRole In = MemberRole::Input;
constexpr MemberRole Out = MemberRole::Result;
constexpr MemberRole Internal = MemberRole::Internal;

constexpr const char* kBearingLayers[] = {"非基岩", "基岩面", "嵌入基岩"};
static_assert(R::kNonBedrock == 0 && R::kBedrockSurface == 1 && R::kEmbeddedInRock == 2);

const std::array<MemberInfo<R>, 38> kMembers = {{
    {"xiN", &R::m_xiN, In, K::Number, KORVANE_CONTROL(IDC_EDIT_XIN), "桩轴力传递系数", "ξN", ""},
    {"CR", &R::m_CR, In, K::Number, KORVANE_CONTROL(IDC_EDIT_CR), "桩端基岩抗力系数CR(kN/m3)", "CR",
     "kN/m³"},
    {"hn", &R::m_hn, In, K::Number, KORVANE_CONTROL(IDC_EDIT_HN), "承台埋深hn(m)", "hn", "m"},
    {"mc", &R::m_mc, In, K::Number, KORVANE_CONTROL(IDC_EDIT_MC), "承台侧mc(kN/m4)", "mc", "kN/m⁴"},
    {"mu", &R::m_mu, In, K::Number, KORVANE_CONTROL(IDC_EDIT_MU), "承台底摩擦系数", "μ", ""},
    {"mp", &R::m_mp, In, K::Number, KORVANE_CONTROL(IDC_EDIT_MP), "桩底mp(kN/m4)", "mp", "kN/m⁴"},
    {"ms", &R::m_ms, In, K::Number, KORVANE_CONTROL(IDC_EDIT_MS), "承台底ms(kN/m4)", "ms", "kN/m⁴"},
    {"nx", &R::m_nx, In, K::WholeNumber, KORVANE_CONTROL(IDC_EDIT_NX), "X向桩数", "nx", ""},
    {"nz", &R::m_nz, In, K::WholeNumber, KORVANE_CONTROL(IDC_EDIT_NZ), "Z向桩数", "nz", ""},
    {"sax", &R::m_sax, In, K::Number, KORVANE_CONTROL(IDC_EDIT_PILE_SAX), "sax(m)", "sax", "m"},
    {"saz", &R::m_saz, In, K::Number, KORVANE_CONTROL(IDC_EDIT_PILE_SAZ), "saz(m)", "saz", "m"},
    {"h", &R::m_h, In, K::Number, KORVANE_CONTROL(IDC_EDIT_PILE_H), "桩长h(m)", "h", "m"},
    {"d", &R::m_d, In, K::Number, KORVANE_CONTROL(IDC_EDIT_PILE_D), "桩径d(m)", "d", "m"},
    {"bearingLayer", &R::m_bearingLayer, In, K::Radio, KORVANE_CONTROL(IDC_RADIO_NON_BEDROCK),
     "桩端持力层", "", "", std::nullopt, kBearingLayers},
    {"Ec", &R::m_Ec, Internal, K::None, {}, "混凝土弹性模量Ec", "Ec", "kPa"},
    {"ft", &R::m_ft, Internal, K::None, {}, "混凝土抗拉强度设计值ft", "ft", "N/mm²"},
    {"fc", &R::m_fc, Internal, K::None, {}, "混凝土抗压强度设计值fc", "fc", "N/mm²"},
    {"I", &R::m_I, Internal, K::None, {}, "桩截面惯性矩I", "I", "m⁴"},
    {"B", &R::m_B, In, K::Number, KORVANE_CONTROL(IDC_EDIT_CAP_B), "承台宽度B(m)", "B", "m"},
    {"H", &R::m_H, In, K::Number, KORVANE_CONTROL(IDC_EDIT_PILE_H_LOAD), "水平力H(KN)", "H", "kN"},
    {"M", &R::m_M, In, K::Number, KORVANE_CONTROL(IDC_EDIT_PILE_M_LOAD), "弯矩M(KN.m)", "M",
     "kN·m"},
    {"NG", &R::m_NG, In, K::Number, KORVANE_CONTROL(IDC_EDIT_NG), "竖向N+G(KN)", "N+G", "kN"},
    {"maxMoment",
     &R::m_maxMoment,
     Internal,
     K::None,
     {},
     "桩身最大弯矩（深度图比例）",
     "Mmax",
     "kN·m"},
    {"phi", &R::m_phi, In, K::WholeNumber, KORVANE_CONTROL(IDC_EDIT_PILE_PHI),
     "桩侧土厚度加权内摩擦角(°)", "φ", "°"},
    {"pileType", &R::m_pileType, In, K::Radio, KORVANE_CONTROL(IDC_RADIO_END_BEARING), "桩型", "",
     "", std::nullopt, kPileTypePositions},
    {"etaC", &R::m_etaC, In, K::Number, KORVANE_CONTROL(IDC_EDIT_ETA_C), "承台效应系数", "ηc", ""},
    {"L", &R::m_L, In, K::Number, KORVANE_CONTROL(IDC_EDIT_CAP_L), "承台长度L(m)", "L", "m"},
    {"Ntop", &R::m_Ntop, Out, K::Number, KORVANE_CONTROL(IDC_EDIT_NTOP), "最大桩顶压力(KN)", "Ntop",
     "kN"},
    {"x0", &R::m_x0, Out, K::Number, KORVANE_CONTROL(IDC_EDIT_X0), "稳定地面处桩身水平位移(mm)",
     "x0", "mm"},
    {"Hc", &R::m_Hc, Out, K::Number, KORVANE_CONTROL(IDC_EDIT_RESULT_HC), "承台侧壁水平抗力(KN)",
     "Hc", "kN"},
    {"Hb", &R::m_Hb, Out, K::Number, KORVANE_CONTROL(IDC_EDIT_RESULT_HB), "地基土水平抗力(KN)",
     "Hb", "kN"},
    {"Mb", &R::m_Mb, Out, K::Number, KORVANE_CONTROL(IDC_EDIT_RESULT_MB), "地基土反弯矩(KN.m)",
     "Mb", "kN·m"},
    {"Mc", &R::m_Mc, Out, K::Number, KORVANE_CONTROL(IDC_EDIT_RESULT_MC), "承台侧壁反弯矩(KN.m)",
     "Mc", "kN·m"},
    {"Nb", &R::m_Nb, Out, K::Number, KORVANE_CONTROL(IDC_EDIT_RESULT_NB), "地基土竖向抗力(KN)",
     "Nb", "kN"},
    {"l0", &R::m_l0, In, K::Number, KORVANE_CONTROL(IDC_EDIT_VOIDED_L0), "脱空高度l0(m)", "l0", "m",
     FieldRange{0.0, 20.0}},
    {"capU", &R::m_capU, Out, K::Number, KORVANE_CONTROL(IDC_EDIT_CAP_U), "承台位移(mm)", "u",
     "mm"},
    {"capBeta", &R::m_capBeta, Out, K::Number, KORVANE_CONTROL(IDC_EDIT_CAP_BETA),
     "承台转角x100000(rad)", "β", "1e-5 rad"},
    {"lastPoint", &R::m_lastPoint, Internal, K::None, {}, "深度图最后一点的序号", "", ""},
}};

} // namespace

MemberTable<CombinedActionRecord> CombinedActionMembers() {
    return kMembers;
}

} // namespace korvane
