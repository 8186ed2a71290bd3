#include "ReportDrawings.h"

#include "CircularSlip.h"
#include "FieldText.h"
#include "ThoroughCircleShown.h"

namespace korvane {

namespace {

ReportParagraph ScaleNote() {
    return {QStringLiteral("图按比例绘制，尺寸单位为m，比例见图中比例尺。")};
}

template <class Record> PilePlanFigure PlanOf(const Record& r) {
    PilePlanFigure f;
    f.nx = r.m_nx;
    f.nz = r.m_nz;
    f.sax = r.m_sax;
    f.saz = r.m_saz;
    f.d = r.m_d;
    return f;
}

template <class Record> PileElevationFigure ElevationOf(const Record& r) {
    PileElevationFigure f;
    f.nx = r.m_nx;
    f.sax = r.m_sax;
    f.d = r.m_d;
    f.l0 = r.m_l0;
    f.h = r.m_h;
    return f;
}

std::vector<ReportBlock> PileGroupDrawings(const PilePlanFigure& plan,
                                           const PileElevationFigure& elevation,
                                           const QString& note) {
    return {ReportFigure{QStringLiteral("桩位平面布置"), plan},
            ReportFigure{QStringLiteral("沿X向立面"), elevation}, ScaleNote(),
            ReportParagraph{note}};
}

} // namespace

std::vector<ReportBlock> SectionDrawings(const CaseEvaluation<CircularSlipRecord>& e) {
    const CircularSlipRecord& r = e.computed;
    const bool circle = e.Calculated() && r.m_R > 0;
    SlopeFigure figure = SlopeFigureOf(r, circle);
    // The circle whose factor is ks, and the centre the results show one step beyond it.
    const std::optional<CircleDetail>& critical = e.extras.detail.critical;
    const bool ksCircle = circle && critical && critical->radius > 0;
    if (ksCircle) {
        figure.circle =
            SlopeCircle{critical->x0, critical->y0, critical->radius, QStringLiteral("临界滑弧")};
        figure.shownCentre = QPointF(r.m_x, r.m_y);
    }
    std::optional<ThoroughShown> thorough;
    if (e.extras.thorough)
        thorough = ShowThoroughCircle(e.extras.thorough->circle);
    const bool second = circle && thorough && thorough->undefined.empty() && thorough->R > 0;
    if (second)
        figure.secondCircle =
            SlopeCircle{thorough->x, thorough->y, thorough->R, QStringLiteral("全面搜索最小滑弧")};
    std::vector<ReportBlock> blocks{ReportFigure{circle ? QStringLiteral("边坡计算断面与临界滑弧")
                                                        : QStringLiteral("边坡计算断面"),
                                                 figure}};
    QString note = QStringLiteral("图中桩排按计算所取位置绘出（首排距承台近坡边一倍桩径，排距sax");
    note += SearchSubstitutesSpacing(r.m_sax)
                ? QStringLiteral("，sax为0时按%1 m）。").arg(ShownNumber(kZeroSpacingSubstitute))
                : QStringLiteral("）。");
    if (ksCircle) {
        note +=
            QStringLiteral("滑弧为稳定系数等于 ks 的圆弧，圆心 (%1, %2)，R = %3 m，自坡脚绘至"
                           "穿出地面处。")
                .arg(QString::number(critical->x0, 'f', 4), QString::number(critical->y0, 'f', 4),
                     QString::number(critical->radius, 'f', 4));
        note +=
            QStringLiteral("计算结果中的圆心坐标 (%1, %2) 与半径 %3 m 是搜索在所选射线上最后试算的"
                           "圆心（图中小圆圈），比该圆弧沿射线再外移一步（%4 m）：搜索在这一步"
                           "稳定系数不再降低时停止，ks 取上一步的值")
                .arg(ShownNumber(r.m_x), ShownNumber(r.m_y), ShownNumber(r.m_R),
                     ShownNumber(kCentreStepInSlopeHeights * r.m_h));
        if (const std::optional<double>& shown = e.extras.detail.shownCentreFactor)
            note += QStringLiteral("，按结果中的圆心复算得稳定系数 %1，并非 ks")
                        .arg(QString::number(*shown, 'f', 3));
        note += QStringLiteral("。");
    } else if (circle) {
        note += QStringLiteral("滑弧按显示的圆心坐标与半径绘出，自坡脚至滑弧穿出地面处。");
    }
    if (second)
        note += QStringLiteral("虚线为全面搜索所得稳定系数最小的滑弧（见计算结果）。");
    blocks.push_back(ScaleNote());
    blocks.push_back(ReportParagraph{note});
    return blocks;
}

std::vector<ReportBlock> SectionDrawings(const CaseEvaluation<PolylineSlipRecord>& e) {
    return {ReportFigure{QStringLiteral("边坡计算断面与折线滑动面"), SlopeFigureOf(e.computed)},
            ScaleNote(),
            ReportParagraph{QStringLiteral(
                "折线滑动面按各段倾角与长度自坡脚依次绘出（滑面3、滑面2、滑面1）；桩排按计算所取"
                "位置绘出（首排距承台近坡边一倍桩径，排距sax）。")}};
}

std::vector<ReportBlock> SectionDrawings(const CaseEvaluation<CombinedActionRecord>& e) {
    const CombinedActionRecord& r = e.computed;
    PilePlanFigure plan = PlanOf(r);
    plan.capX = r.m_L;
    plan.capZ = r.m_B;
    PileElevationFigure elevation = ElevationOf(r);
    elevation.capX = r.m_L;
    return PileGroupDrawings(
        plan, elevation,
        QStringLiteral(
            "承台沿X向长L、沿Z向宽B，桩群对称布置于承台中心；立面中承台厚度无输入，按示意绘出。"
            "承台埋深hn = %1 m（承台侧土作用深度），不在立面中表示。")
            .arg(ShownNumber(r.m_hn)));
}

std::vector<ReportBlock> SectionDrawings(const CaseEvaluation<HighCapRecord>& e) {
    return PileGroupDrawings(
        PlanOf(e.computed), ElevationOf(e.computed),
        QStringLiteral("承台尺寸无输入，平面图以虚线示桩群外缘；立面中承台厚度按示意绘出。"));
}

DepthChartPair PileCharts(const std::vector<double>& depths, const std::vector<double>& moment,
                          const std::vector<double>& shear, double groundDepth) {
    DepthChartPair pair;
    pair.moment = {QStringLiteral("弯矩"),
                   QStringLiteral("M"),
                   QStringLiteral("kN·m"),
                   depths,
                   moment,
                   groundDepth,
                   QColor(30, 80, 170)};
    pair.shear = {QStringLiteral("剪力"),
                  QStringLiteral("Q"),
                  QStringLiteral("kN"),
                  depths,
                  shear,
                  groundDepth,
                  QColor(20, 120, 60)};
    pair.moment.value.resize(std::min(depths.size(), moment.size()));
    pair.shear.value.resize(std::min(depths.size(), shear.size()));
    pair.moment.depth.resize(pair.moment.value.size());
    pair.shear.depth.resize(pair.shear.value.size());
    return pair;
}

std::optional<DepthChartPair> PileChartsOf(const CaseExtras& extras) {
    const std::optional<PileDepthProfile>& profile = extras.depthProfile;
    if (!profile)
        return std::nullopt;
    const auto values = [&profile](const char* name) {
        const DepthSeries* series = profile->Find(name);
        return series ? series->values : std::vector<double>();
    };
    std::vector<double> depths = profile->depths, moment = values("momentSeries"),
                        shear = values("shearSeries");
    if (const auto& group = extras.detail.pileGroup) {
        depths.clear();
        moment.clear();
        shear.clear();
        for (const PileDepthPoint& p : group->depth) {
            depths.push_back(p.belowCap);
            moment.push_back(p.M);
            shear.push_back(p.Q);
        }
    }
    return PileCharts(depths, moment, shear, profile->groundDepth);
}

} // namespace korvane
