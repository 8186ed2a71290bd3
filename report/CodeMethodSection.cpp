#include "CodeMethodSection.h"

#include "CodeMethodText.h"
#include "FieldText.h"
#include "ReportWork.h"
#include "SlopeFigure.h"
#include "Trunc2.h"

namespace korvane {

namespace {

// A factor as the form's result field shows it.
QString Shown(double value) {
    return Q(FormatNumber(Trunc2(value)));
}

// The verdict of `factor` against the required factor, "—" without one.
QString Verdict(bool defined, double factor, const DesignLimits& limits) {
    const auto k = limits.find("ks");
    if (k == limits.end())
        return QStringLiteral("—");
    if (!defined)
        return QStringLiteral("无法验算");
    return factor >= k->second.value ? QStringLiteral("满足 (%1 ≥ %2)")
                                           .arg(Shown(factor), Q(FormatNumber(k->second.value)))
                                     : QStringLiteral("不满足 (%1 < %2)")
                                           .arg(Shown(factor), Q(FormatNumber(k->second.value)));
}

ReportParagraph Unchanged(double formKs) {
    return {
        QStringLiteral("以上按规范方法复核，与本计算的土条、荷载和桩的抗滑力相同，差别只在方法；"
                       "本计算的结果（ks = %1）不因此改变。")
            .arg(Shown(formKs))};
}

} // namespace

std::optional<ReportSection> CodeMethodSection(const CaseEvaluation<CircularSlipRecord>& e,
                                               const DesignLimits& limits) {
    const CodeMethods& m = e.extras.codeMethods;
    if (!e.Calculated() || (!m.bishop && !m.bishopLeast))
        return std::nullopt;
    ReportSection s{QStringLiteral("按规范方法复核"), {}};
    s.blocks.push_back(ReportParagraph{QStringLiteral(
        "按 GB 50330-2013 附录 A 的简化 Bishop 法（不计孔隙水压力），在本计算的土条上复核："
        "F = [Σ (c·l·cos α + V·tan φ) / m + Sp] / Σ (V·sin α + P·cos α)，"
        "m = cos α + tan φ·sin α / F，其中 α 为土条右边界处的半径倾角、l 为底长、V = q·w + G、"
        "P = Fs + E + Hc，Sp 为桩的抗滑力。自该圆弧的普通条分法系数起迭代，至相邻两次之差小于 "
        "1e-9（至多 500 次）；任一次迭代中某土条 m ≤ 0 或不收敛时，该圆弧的系数无定义。")});

    ReportTable table{QStringLiteral("简化 Bishop 法稳定系数"),
                      {QStringLiteral("圆弧"), QStringLiteral("圆心 (x, y)"),
                       QStringLiteral("半径 R"), QStringLiteral("Bishop 系数 F"),
                       QStringLiteral("最小 m（土条）"), QStringLiteral("验算")},
                      {}};
    const std::optional<CircleDetail>& critical = e.extras.detail.critical;
    if (m.bishop && critical) {
        const BishopFactor& b = *m.bishop;
        table.rows.push_back(
            {QStringLiteral("普通条分法 ks 圆弧"),
             QStringLiteral("(%1, %2)").arg(Fixed(critical->x0, 4), Fixed(critical->y0, 4)),
             Fixed(critical->radius, 4) + QStringLiteral(" m"),
             b.Defined() ? Shown(b.factor)
                         : QStringLiteral("无定义：") + Q(BishopUndefinedReason(b)),
             b.leastMSlice >= 0
                 ? QStringLiteral("%1（第 %2 条）").arg(Fixed(b.leastM, 3)).arg(b.leastMSlice + 1)
                 : QStringLiteral("—"),
             Verdict(b.Defined(), b.factor, limits)});
    }
    if (m.bishopLeast) {
        const ThoroughCircle& c = m.bishopLeast->circle;
        const BishopFactor& b = m.bishopLeast->factor;
        if (c.found)
            table.rows.push_back(
                {QStringLiteral("Bishop 系数最小的圆弧"),
                 QStringLiteral("(%1, %2)").arg(Fixed(c.x, 4), Fixed(c.y, 4)),
                 Fixed(c.R, 4) + QStringLiteral(" m"), Shown(c.ks),
                 QStringLiteral("%1（第 %2 条）").arg(Fixed(b.leastM, 3)).arg(b.leastMSlice + 1),
                 Verdict(true, c.ks, limits)});
        else
            table.rows.push_back({QStringLiteral("Bishop 系数最小的圆弧"), QStringLiteral("—"),
                                  QStringLiteral("—"),
                                  QStringLiteral("全面搜索的圆弧族中无有定义的系数"),
                                  QStringLiteral("—"), Verdict(false, 0, limits)});
    }
    s.blocks.push_back(table);
    s.blocks.push_back(ReportParagraph{
        QStringLiteral(
            "Bishop 系数最小的圆弧在全面搜索的同一圆弧族（同一扇区与范围、同一网格与加密）中以 "
            "Bishop "
            "系数搜索，系数无定义的圆弧不计。m 小于 %1 时，一般认为该土条的简化 Bishop "
            "法结果不可靠。")
            .arg(kBishopLowM)});
    const bool lowM = (m.bishop && m.bishop->leastMSlice >= 0 && m.bishop->leastM < kBishopLowM) ||
                      (m.bishopLeast && m.bishopLeast->circle.found &&
                       m.bishopLeast->factor.leastM < kBishopLowM);
    if (lowM)
        s.blocks.push_back(ReportParagraph{
            QStringLiteral(
                "注意：表中有土条的 m 小于 %1（通常是圆弧穿出地面处之后、底面陡升的最后一条）。")
                .arg(kBishopLowM)});

    if (critical && m.bishopLeast && m.bishopLeast->circle.found) {
        SlopeFigure figure = SlopeFigureOf(e.computed, false);
        figure.circle =
            SlopeCircle{critical->x0, critical->y0, critical->radius, QStringLiteral("临界滑弧")};
        const ThoroughCircle& c = m.bishopLeast->circle;
        figure.secondCircle = SlopeCircle{c.x, c.y, c.R, QStringLiteral("Bishop 最小滑弧"), true};
        s.blocks.push_back(ReportFigure{QStringLiteral("简化 Bishop 法系数最小的滑弧"), figure});
        s.blocks.push_back(ReportParagraph{
            QStringLiteral("实线为普通条分法 ks 圆弧，点划线为 Bishop 系数最小的圆弧。")});
    }
    s.blocks.push_back(Unchanged(e.computed.m_ks));
    return s;
}

std::optional<ReportSection> CodeMethodSection(const CaseEvaluation<PolylineSlipRecord>& e,
                                               const DesignLimits& limits) {
    const std::optional<TransferFactor>& t = e.extras.codeMethods.transfer;
    if (!e.Calculated() || !t)
        return std::nullopt;
    ReportSection s{QStringLiteral("按规范方法复核"), {}};
    s.blocks.push_back(ReportParagraph{QStringLiteral(
        "按 GB 50330-2013 附录 A 的传递系数法隐式解复核：三段折线各为一块，自最上的滑面1至坡脚的"
        "滑面3；每块汇总本计算中属于该段的土条与桩排，T = Σ (V·sin α + Q·cos α)，"
        "R = Σ (c·l + (V·cos α − Q·sin α)·tan φ) + Σ cos αP·Vp / say。剩余下滑推力自上而下传递："
        "P_i = P_{i−1}·ψ_{i−1} + T_i − R_i / F，P_0 = 0，ψ_{i−1} = cos(θ_{i−1} − θ_i) − "
        "sin(θ_{i−1} − θ_i)·tan φ_i / F。F 取使坡脚处推力为零的值，在 0.001～100 内二分求得"
        "（精度 1e-9）；中间块段的负推力按隐式解照计。")});
    if (!t->defined) {
        s.blocks.push_back(ReportParagraph{
            QStringLiteral("在 0.001～100 内坡脚推力不变号，传递系数法的稳定系数无定义。")});
        s.blocks.push_back(Unchanged(e.computed.m_ks));
        return s;
    }
    const double thetaDeg[3] = {e.computed.m_theta1, e.computed.m_theta2, e.computed.m_theta3};
    ReportTable blocks{QStringLiteral("传递系数法各块段"),
                       {QStringLiteral("块段"), QStringLiteral("折线角 θ (°)"),
                        QStringLiteral("下滑力 T (kN/m)"), QStringLiteral("抗滑力 R (kN/m)"),
                        QStringLiteral("传递系数 ψ"), QStringLiteral("下端推力 P (kN/m)")},
                       {}};
    for (std::size_t i = 0; i < t->blocks.size(); ++i) {
        const TransferBlock& b = t->blocks[i];
        blocks.rows.push_back({QStringLiteral("滑面%1").arg(b.formSegment),
                               Q(FormatNumber(thetaDeg[i])), Fixed(b.T, 2), Fixed(b.R, 2),
                               i == 0 ? QStringLiteral("—") : Fixed(b.psi, 4), Fixed(b.thrust, 2)});
    }
    s.blocks.push_back(blocks);
    ReportTable factor{
        QStringLiteral("传递系数法稳定系数"),
        {QStringLiteral("方法"), QStringLiteral("稳定系数"), QStringLiteral("验算")},
        {{QStringLiteral("传递系数法隐式解"), Shown(t->factor), Verdict(true, t->factor, limits)},
         {QStringLiteral("本计算（折线条分法）"), Shown(e.computed.m_ks),
          QStringLiteral("见验算")}}};
    s.blocks.push_back(factor);
    s.blocks.push_back(Unchanged(e.computed.m_ks));
    return s;
}

} // namespace korvane
