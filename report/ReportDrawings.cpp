#include "ReportDrawings.h"

#include "FieldText.h"
#include "Grades.h"
#include "PileGroup.h"
#include "PileKernel.h"

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

std::vector<double> DepthsBelowTop(const PileProperties& pile, double l0, int count) {
    std::vector<double> depths;
    for (int j = 0; j < count && j < kGridPoints; ++j)
        depths.push_back(kReducedDepthGrid[j] / pile.alpha + l0);
    return depths;
}

} // namespace

std::vector<ReportBlock> SectionDrawings(const CircularSlipRecord& r, bool computed,
                                         const std::optional<ThoroughShown>& thorough) {
    const bool circle = computed && r.m_R > 0;
    SlopeFigure figure = SlopeFigureOf(r, circle);
    const bool second = circle && thorough && thorough->undefined.empty() && thorough->R > 0;
    if (second)
        figure.secondCircle =
            SlopeCircle{thorough->x, thorough->y, thorough->R, QStringLiteral("全面搜索最小滑弧")};
    std::vector<ReportBlock> blocks{ReportFigure{circle ? QStringLiteral("边坡计算断面与临界滑弧")
                                                        : QStringLiteral("边坡计算断面"),
                                                 figure}};
    QString note = QStringLiteral("图中桩排按计算所取位置绘出（首排距承台近坡边一倍桩径，排距sax");
    note += r.m_sax == 0 ? QStringLiteral("，sax为0时按0.1 m）。") : QStringLiteral("）。");
    if (circle)
        note += QStringLiteral("滑弧按显示的圆心坐标与半径绘出，自坡脚至滑弧穿出地面处。");
    if (second)
        note += QStringLiteral("虚线为全面搜索所得稳定系数最小的滑弧（见计算结果）。");
    blocks.push_back(ScaleNote());
    blocks.push_back(ReportParagraph{note});
    return blocks;
}

std::vector<ReportBlock> SectionDrawings(const PolylineSlipRecord& r, bool) {
    return {ReportFigure{QStringLiteral("边坡计算断面与折线滑动面"), SlopeFigureOf(r)}, ScaleNote(),
            ReportParagraph{QStringLiteral(
                "折线滑动面按各段倾角与长度自坡脚依次绘出（滑面3、滑面2、滑面1）；桩排按计算所取"
                "位置绘出（首排距承台近坡边一倍桩径，排距sax）。")}};
}

std::vector<ReportBlock> SectionDrawings(const CombinedActionRecord& r, bool) {
    PilePlanFigure plan = PlanOf(r);
    plan.capX = r.m_L;
    plan.capZ = r.m_B;
    PileElevationFigure elevation = ElevationOf(r);
    elevation.capX = r.m_L;
    return {
        ReportFigure{QStringLiteral("桩位平面布置"), plan},
        ReportFigure{QStringLiteral("沿X向立面"), elevation}, ScaleNote(),
        ReportParagraph{
            QStringLiteral(
                "承台沿X向长L、沿Z向宽B，桩群对称布置于承台中心；立面中承台厚度无输入，按示意绘出。"
                "承台埋深hn = %1 m（承台侧土作用深度），不在立面中表示。")
                .arg(QString::fromStdString(FormatNumber(r.m_hn)))}};
}

std::vector<ReportBlock> SectionDrawings(const HighCapRecord& r, bool) {
    return {ReportFigure{QStringLiteral("桩位平面布置"), PlanOf(r)},
            ReportFigure{QStringLiteral("沿X向立面"), ElevationOf(r)}, ScaleNote(),
            ReportParagraph{QStringLiteral(
                "承台尺寸无输入，平面图以虚线示桩群外缘；立面中承台厚度按示意绘出。")}};
}

std::vector<double> SeriesDepths(const CombinedActionRecord& r, int concreteIndex, int count) {
    return DepthsBelowTop(PilePropertiesOf(ConcreteGradeTable(concreteIndex), r.m_d, r.m_ms),
                          r.m_l0, count);
}

std::vector<double> SeriesDepths(const HighCapRecord& r, int concreteIndex, int count) {
    return DepthsBelowTop(PilePropertiesOf(ConcreteGradeTable(concreteIndex), r.m_d, r.m_ms1),
                          r.m_l0, count);
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

} // namespace korvane
