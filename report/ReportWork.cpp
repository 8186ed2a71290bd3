#include "ReportWork.h"

#include <cmath>
#include <numeric>

namespace korvane {

namespace {

// A sum recomputed from the rows shown, beside the calculation's own sum (which adds
// the same terms in its own order).
template <class T, class Term> double SumOf(const std::vector<T>& rows, Term&& term) {
    double sum = 0;
    for (const T& row : rows)
        sum += term(row);
    return sum;
}

QString SumsParagraph(double rowsSr, double rowsSp, double rowsSd, double Sr, double Sp, double Sd,
                      double factor) {
    return QStringLiteral("由上表各行求和：ΣSr = %1 kN/m，ΣSp = %2 kN/m，ΣSd = %3 kN/m"
                          "（计算中累加所得：Sr = %4，Sp = %5，Sd = %6）。稳定系数 "
                          "ks = (Sr + Sp) / Sd = (%4 + %5) / %6 = %7。")
        .arg(Fixed(rowsSr, 3), Fixed(rowsSp, 3), Fixed(rowsSd, 3), Fixed(Sr, 3), Fixed(Sp, 3),
             Fixed(Sd, 3), Fixed(factor, 4));
}

QStringList SumRow(int columns, int sumColumn, const std::vector<QString>& sums) {
    QStringList row;
    for (int c = 0; c < columns; ++c)
        row << QString();
    row[0] = QStringLiteral("合计");
    for (std::size_t i = 0; i < sums.size(); ++i)
        row[sumColumn + static_cast<int>(i)] = sums[i];
    return row;
}

void AddCircle(ReportSection& s, const CircleDetail& c, const QString& name) {
    s.blocks.push_back(ReportParagraph{
        QStringLiteral("%1：圆心 O(%2, %3)，半径 R = %4 m（圆心至坡脚 A 的距离），滑弧在 "
                       "xC = %5 m 处穿出坡顶地面；条块宽 b = 0.1R = %6 m，共 %7 条；单桩抗剪承载力 "
                       "Vp = %8 kN，垂直断面方向桩距 say = %9 m。各条块的荷载取其右边线处的值，"
                       "α 为圆心至条块右边线与滑弧交点的连线与竖直线的夹角（弧度）。")
            .arg(name, Fixed(c.x0, 4), Fixed(c.y0, 4), Fixed(c.radius, 4), Fixed(c.exitX, 4),
                 Fixed(c.sliceWidth, 4))
            .arg(static_cast<int>(c.slices.size()))
            .arg(Fixed(c.pileShear, 2), Fixed(c.say, 3))});

    ReportTable geometry{
        name + QStringLiteral("的条块几何与荷载"),
        {QStringLiteral("条块"), QStringLiteral("xL (m)"), QStringLiteral("xR (m)"),
         QStringLiteral("滑弧 y (m)"), QStringLiteral("地面 y (m)"), QStringLiteral("α (rad)"),
         QStringLiteral("l (m)"), QStringLiteral("A (m²)"), QStringLiteral("W (kN)"),
         QStringLiteral("q·b (kN)"), QStringLiteral("E (kN)"), QStringLiteral("Fs (kN)"),
         QStringLiteral("Hc (kN)")},
        {},
        true};
    ReportTable forces{name + QStringLiteral("的条块力与抗滑、下滑项"),
                       {QStringLiteral("条块"), QStringLiteral("V (kN)"), QStringLiteral("P (kN)"),
                        QStringLiteral("N (kN)"), QStringLiteral("N·tanφ + c·l (kN)"),
                        QStringLiteral("V·sinα + P·cosα (kN)")},
                       {},
                       true};
    int k = 0;
    for (const CircleSliceDetail& sl : c.slices) {
        const QString n = QString::number(++k);
        geometry.rows.push_back({n, Fixed(sl.leftX, 3), Fixed(sl.rightX, 3),
                                 Fixed(sl.rightSlipY, 3), Fixed(sl.rightGroundY, 3),
                                 Fixed(sl.alpha, 4), Fixed(sl.baseLength, 3), Fixed(sl.area, 3),
                                 Fixed(sl.weight, 2), Fixed(sl.capLoad, 2), Fixed(sl.liquefied, 2),
                                 Fixed(sl.seismic, 2), Fixed(sl.capHorizontal, 2)});
        forces.rows.push_back({n, Fixed(sl.vertical, 2), Fixed(sl.horizontal, 2),
                               Fixed(sl.normal, 2), Fixed(sl.resisting, 3), Fixed(sl.driving, 3)});
    }
    const double rowsSr = SumOf(c.slices, [](const CircleSliceDetail& sl) { return sl.resisting; });
    const double rowsSd = SumOf(c.slices, [](const CircleSliceDetail& sl) { return sl.driving; });
    forces.rows.push_back(SumRow(6, 4, {Fixed(rowsSr, 3), Fixed(rowsSd, 3)}));
    s.blocks.push_back(geometry);
    s.blocks.push_back(forces);

    const double rowsSp =
        SumOf(c.pileRows, [](const CirclePileRowDetail& r) { return r.resistance; });
    if (c.pileRows.empty()) {
        s.blocks.push_back(ReportParagraph{
            QStringLiteral("%1未切过任何桩排（滑弧在第一排桩之前穿出地面，或承台范围内没有桩排位于 "
                           "xC 以左），不计桩的抗滑作用：Sp = 0。")
                .arg(name)});
    } else {
        ReportTable rows{name + QStringLiteral("切过的桩排"),
                         {QStringLiteral("桩排"), QStringLiteral("x (m)"),
                          QStringLiteral("滑弧处 y (m)"), QStringLiteral("α (rad)"),
                          QStringLiteral("cosα"), QStringLiteral("Vp·cosα/say (kN/m)")},
                         {},
                         true};
        int i = 0;
        for (const CirclePileRowDetail& r : c.pileRows)
            rows.rows.push_back({QString::number(++i), Fixed(r.x, 3), Fixed(r.y, 3),
                                 Fixed(r.alpha, 4), Fixed(std::cos(r.alpha), 4),
                                 Fixed(r.resistance, 3)});
        rows.rows.push_back(SumRow(6, 5, {Fixed(rowsSp, 3)}));
        s.blocks.push_back(rows);
    }
    s.blocks.push_back(ReportParagraph{SumsParagraph(rowsSr, rowsSp, rowsSd, c.soilResisting,
                                                     c.pileResisting, c.driving, c.factor)});
}

// The form numbers the segments 1 at the top to 3 at the toe.
QString FormSegment(int indexFromToe) {
    return QString::number(kPolylineSegments - indexFromToe);
}

void AddPolyline(ReportSection& s, const PolylineSlipDetail& p) {
    QStringList vertices;
    for (std::size_t i = 0; i < p.vertexX.size(); ++i)
        vertices << Fixed(p.vertexX[i], 4);
    s.blocks.push_back(ReportParagraph{
        QStringLiteral("折线滑动面：顶点横坐标自坡脚起依次为 %1 m（滑面3、滑面2、滑面1 的上端）；"
                       "条块宽 dx = 0.01h = %2 m，共 %3 条，每条按其右边线所在的滑面取倾角与土性；"
                       "单桩抗剪承载力 Vp = %4 kN。")
            .arg(vertices.join(QStringLiteral("、")), Fixed(p.stripWidth, 4))
            .arg(static_cast<int>(p.strips.size()))
            .arg(Fixed(p.pileShear, 2))});
    ReportTable strips{QStringLiteral("折线滑动面的条块"),
                       {QStringLiteral("条块"), QStringLiteral("滑面"), QStringLiteral("x1 (m)"),
                        QStringLiteral("x2 (m)"), QStringLiteral("α (rad)"),
                        QStringLiteral("W (kN)"), QStringLiteral("V (kN)"),
                        QStringLiteral("Q (kN)"), QStringLiteral("N (kN)"),
                        QStringLiteral("抗滑项 (kN)"), QStringLiteral("下滑项 (kN)")},
                       {},
                       true};
    int k = 0;
    for (const PolylineStripDetail& d : p.strips)
        strips.rows.push_back({QString::number(++k), FormSegment(d.strip.segment),
                               Fixed(d.leftX, 3), Fixed(d.strip.rightX, 3), Fixed(d.strip.alpha, 4),
                               Fixed(d.strip.weight, 3), Fixed(d.vertical, 3),
                               Fixed(d.horizontal, 3), Fixed(d.strip.normal, 3),
                               Fixed(d.resisting, 4), Fixed(d.driving, 4)});
    const double rowsSr = SumOf(p.strips, [](const PolylineStripDetail& d) { return d.resisting; });
    const double rowsSd = SumOf(p.strips, [](const PolylineStripDetail& d) { return d.driving; });
    strips.rows.push_back(SumRow(11, 9, {Fixed(rowsSr, 3), Fixed(rowsSd, 3)}));
    s.blocks.push_back(strips);

    const double rowsSp = SumOf(p.pileRows, [](const PolylinePileRow& r) { return r.resistance; });
    ReportTable rows{QStringLiteral("折线滑动面切过的桩排"),
                     {QStringLiteral("桩排"), QStringLiteral("x (m)"), QStringLiteral("滑面"),
                      QStringLiteral("cosα"), QStringLiteral("Vp·cosα/say (kN/m)")},
                     {},
                     true};
    int i = 0;
    for (const PolylinePileRow& r : p.pileRows)
        rows.rows.push_back({QString::number(++i), Fixed(r.x, 3), FormSegment(r.segment),
                             Fixed(r.cosAlpha, 4), Fixed(r.resistance, 3)});
    rows.rows.push_back(SumRow(5, 4, {Fixed(rowsSp, 3)}));
    s.blocks.push_back(rows);
    s.blocks.push_back(ReportParagraph{SumsParagraph(rowsSr, rowsSp, rowsSd, p.soilResisting,
                                                     p.pileResisting, p.driving, p.factor)});
}

void AddPileGroup(ReportSection& s, const PileGroupDetail& g) {
    ReportTable piles{QStringLiteral("各排桩的桩顶竖向力"),
                      {QStringLiteral("桩排"), QStringLiteral("x (m)"), QStringLiteral("桩数"),
                       QStringLiteral("N (kN)"), QStringLiteral("桩数 × N (kN)")},
                      {},
                      true};
    int k = 0;
    double total = 0;
    int count = 0;
    for (const PileRowForce& r : g.rows) {
        piles.rows.push_back({QString::number(++k), Fixed(r.x, 3), QString::number(r.count),
                              Fixed(r.N, 2), Fixed(r.N * r.count, 2)});
        total += r.N * r.count;
        count += r.count;
    }
    piles.rows.push_back(
        {QStringLiteral("合计"), QString(), QString::number(count), QString(), Fixed(total, 2)});
    s.blocks.push_back(piles);
    s.blocks.push_back(ReportParagraph{
        QStringLiteral("平均桩顶竖向力 N = ΣN / n = %1 / %2 = %3 kN。桩顶水平力 H0 = %4 kN，"
                       "桩顶（承台底）弯矩 M顶 = %5 kN·m，地面处弯矩 M0 = M顶 + H0·l0 = %6 kN·m"
                       "（自由长度 l0 = %7 m），地面处位移 x0 = %8 mm、转角 φ0 = %9 rad。")
            .arg(Fixed(total, 2))
            .arg(count)
            .arg(Fixed(g.Nmean, 2), Fixed(g.H0, 2), Fixed(g.Mtop, 2), Fixed(g.M0, 2),
                 Fixed(g.l0, 3), Fixed(g.x0 * 1000, 3))
            .arg(QString::number(g.phi0, 'g', 6))});

    ReportTable depth{QStringLiteral("一根桩沿深度的弯矩与剪力"),
                      {QStringLiteral("序号"), QStringLiteral("αy"), QStringLiteral("地面下 y (m)"),
                       QStringLiteral("承台底下 (m)"), QStringLiteral("M (kN·m)"),
                       QStringLiteral("Q (kN)")},
                      {},
                      true};
    int j = 0;
    for (const PileDepthPoint& p : g.depth) {
        const QString where = p.belowCap == 0 ? QStringLiteral("（桩顶）")
                              : p.belowGround == 0 && !p.freeLength && p.reduced == 0
                                  ? QStringLiteral("（地面）")
                                  : QString();
        depth.rows.push_back(
            {QString::number(++j) + where, p.freeLength ? QStringLiteral("—") : Fixed(p.reduced, 3),
             Fixed(p.belowGround, 3), Fixed(p.belowCap, 3), Fixed(p.M, 2), Fixed(p.Q, 2)});
    }
    s.blocks.push_back(depth);
    s.blocks.push_back(
        ReportParagraph{QStringLiteral("自由段（承台底至地面）内桩只承受桩顶力：弯矩自 M顶 "
                                       "线性变化至 M0，剪力恒为 H0；地面以下各点"
                                       "为计算的深度点，其值小于 0.0001 者记为 0。")});
}

} // namespace

QString Fixed(double value, int decimals) {
    if (!std::isfinite(value))
        return QStringLiteral("—");
    QString text = QString::number(value, 'f', decimals);
    // A value that rounds to zero shows no sign.
    if (text.startsWith(QLatin1Char('-')) && text.count(QLatin1Char('0')) == text.size() - 2)
        text.remove(0, 1);
    return text;
}

ReportSection CheckSection(const std::vector<DesignCheck>& checks) {
    ReportSection s{QStringLiteral("验算"), {}};
    if (checks.empty()) {
        s.blocks.push_back(ReportParagraph{
            QStringLiteral("算例未给出验算限值（要求安全系数、承载力或允许位移等），本计算书只列"
                           "计算结果，不下验算结论。")});
        return s;
    }
    ReportTable table{QStringLiteral("验算结论"),
                      {QStringLiteral("验算项目"), QStringLiteral("计算值"), QStringLiteral("限值"),
                       QStringLiteral("依据"), QStringLiteral("结论")},
                      {}};
    int unmet = 0;
    for (const DesignCheck& c : checks) {
        const QString unit = c.unit.empty() ? QString() : QLatin1Char(' ') + Q(c.unit);
        table.rows.push_back({Q(c.item), c.value ? Q(c.valueText) + unit : QStringLiteral("—"),
                              Q(c.limitText) + unit,
                              c.basis.empty() ? QStringLiteral("（未注明）") : Q(c.basis),
                              Q(VerdictWord(c))});
        if (!c.met)
            ++unmet;
    }
    s.blocks.push_back(table);
    s.blocks.push_back(ReportParagraph{
        unmet == 0
            ? QStringLiteral("结论：各项验算均满足。")
            : QStringLiteral("结论：%1 项验算不满足（或无法验算），设计须调整。").arg(unmet)});
    s.blocks.push_back(ReportParagraph{
        QStringLiteral("计算值以未截断的数值与限值比较，表中按计算结果栏的显示方式列出。")});
    return s;
}

ReportSection WorkAppendix(const CalculationDetail& d) {
    ReportSection s{QStringLiteral("附录 计算过程"), {}, false};
    if (d.critical)
        AddCircle(s, *d.critical, QStringLiteral("临界滑弧（稳定系数为 ks 的圆弧）"));
    if (d.thorough)
        AddCircle(s, *d.thorough, QStringLiteral("全面搜索所得滑弧"));
    if (d.polyline)
        AddPolyline(s, *d.polyline);
    if (d.pileGroup)
        AddPileGroup(s, *d.pileGroup);
    if (s.blocks.empty())
        s.blocks.push_back(
            ReportParagraph{QStringLiteral("无计算过程可列（计算未进行或未得出结果）。")});
    return s;
}

ReportSection SignOffSection(const ReportMeta& meta) {
    ReportSection s{QStringLiteral("签署"), {}, false};
    s.blocks.push_back(ReportTable{
        QString(),
        {QString(), QStringLiteral("计算"), QStringLiteral("校核"), QStringLiteral("审核")},
        {{QStringLiteral("姓名"), meta.engineer, meta.checker, meta.reviewer},
         {QStringLiteral("签字"), QString(), QString(), QString()},
         {QStringLiteral("日期"), meta.date, QString(), QString()}}});
    return s;
}

ReportTable PileForceTable(const PileGroupDetail& g) {
    return {QStringLiteral("群桩桩顶竖向力"),
            {QStringLiteral("项目"), QStringLiteral("数值 (kN)"), QStringLiteral("所在桩排 x (m)")},
            {{QStringLiteral("最大桩顶竖向力 Nmax"), Fixed(g.Nmax, 2), Fixed(g.NmaxX, 3)},
             {QStringLiteral("最小桩顶竖向力 Nmin"), Fixed(g.Nmin, 2), Fixed(g.NminX, 3)},
             {QStringLiteral("平均桩顶竖向力 N"), Fixed(g.Nmean, 2), QStringLiteral("—")}}};
}

QString HeadMomentSentence(const PileGroupDetail& g, double shownMaximum) {
    QString text = QStringLiteral("桩顶（承台底）弯矩 M顶 = %1 kN·m。").arg(Fixed(g.Mtop, 2));
    if (std::fabs(g.Mtop) > std::fabs(shownMaximum))
        text +=
            QStringLiteral("其绝对值大于结果表中的最大弯矩 %1 kN·m：结果表的最大弯矩只在地面以下"
                           "的深度点中搜索，不含自由段；桩身最大弯矩应取桩顶弯矩。")
                .arg(ShownNumber(shownMaximum));
    return text;
}

} // namespace korvane
