#include "ReportMethod.h"

#include "CircularSlip.h"
#include "FieldText.h"
#include "PolylineSlip.h"
#include "ReportContent.h"

#include <cmath>

namespace korvane {

namespace {

const QString kSlopeSection = QStringLiteral(
    "计算断面垂直于边坡走向：坐标原点取坡脚A，x轴水平指向坡内，y轴竖直向上；坡面自坡脚以坡角β"
    "升至坡肩B(h/tanβ, h)，坡肩以后为水平地面。承台近坡边距坡肩a，沿断面宽b、垂直断面长Bb，"
    "底面在地面下hb；桩径d、桩长L，沿断面排距sax、垂直断面间距say，首排桩中心位于承台近坡边以内"
    "一倍桩径处。");

const QString kSlopeLoads = QStringLiteral(
    "每一土条计入：土体自重；水平地震作用（自重×设计地震系数a×边坡放大系数）；右边界位于承台范围内"
    "的土条承受承台竖向荷载F折算的压力；承台水平荷载H乘以边坡放大系数后按条宽均摊于各土条；"
    "液化层推力0.5γh1²均摊于坡顶水平地面上的土条。各水平作用均指向坡面。抗滑力为各土条底面的"
    "黏聚力与摩擦力之和，另加滑动面切过的各排桩的抗剪承载力（桩身混凝土项0.7ft·0.88d·0.8d与"
    "双肢箍筋项1.25fyv·0.8d·Asv/s之和，除以say折为每米走向）。");

} // namespace

QStringList MethodParagraphs(const CircularSlipRecord& r) {
    return {
        QStringLiteral("本计算按圆弧条分法验算坡顶附近设有桩基承台的边坡整体稳定性，求最小稳定系数"
                       "ks及相应的临界滑弧。") +
            kSlopeSection,
        QStringLiteral("试算滑弧均通过坡脚A。滑体自坡脚起分为宽%1R的竖向土条，直至滑弧与坡顶地面"
                       "的交点。")
                .arg(ShownNumber(kSliceWidthInRadii)) +
            kSlopeLoads + QStringLiteral("稳定系数 ks = (土体抗滑力 + 桩的抗滑力) / 下滑力。"),
        QStringLiteral("临界滑弧的搜索：圆心位于自坡肩B出发的射线上，射线角（自x轴逆时针量起）自"
                       "%1°至%2°，每隔%3°一条，共%4条；每条射线上圆心自距B %5 m处起以%6h为步长"
                       "外移，直至稳定系数的降低不超过%7，取该射线的结果；各射线的结果中取最小者"
                       "（容差%7）为临界滑弧。桩中心距为0时按%8 m计算。圆心坐标、半径与稳定系数"
                       "均截取两位小数显示。")
            .arg(ShownNumber(r.m_searchAngleFrom), ShownNumber(r.m_searchAngleTo),
                 ShownNumber(kSearchAngleStepDeg), QString::number(CircleSearchRayCount(r)),
                 ShownNumber(r.m_searchDistFrom), ShownNumber(kCentreStepInSlopeHeights),
                 ShownNumber(kCircleSearchTol), ShownNumber(kZeroSpacingSubstitute)),
    };
}

QStringList MethodParagraphs(const PolylineSlipRecord&) {
    return {
        QStringLiteral(
            "本计算按折线条分法验算坡顶附近设有桩基承台的边坡沿给定折线滑动面的整体稳定性，"
            "求其稳定系数ks。") +
            kSlopeSection,
        QStringLiteral("滑动面由三段直线组成，自坡脚起依次为第3段、第2段、第1段，各段给定倾角θ（自"
                       "水平量起）、长度L、黏聚力c和内摩擦角φ。滑体自坡脚起分为宽%1h的竖向土条，"
                       "直至滑动面上端；各土条底面取其右边界所在段的倾角与强度指标。")
                .arg(ShownNumber(kStripWidthInSlopeHeights)) +
            kSlopeLoads +
            QStringLiteral(
                "液化层推力均摊于坡肩至滑动面上端之间的水平地面上；只计承台范围内且不超出"
                "滑动面上端的桩排。"),
        QStringLiteral(
            "稳定系数 ks = (土体抗滑力 + 桩的抗滑力) / 下滑力，为该滑动面的值（不作搜索），"
            "截取两位小数显示。"),
    };
}

QStringList MethodParagraphs(const CombinedActionRecord&) {
    return {
        QStringLiteral(
            "本计算按承台—桩—土共同作用方法，求矩形布置桩群在竖向荷载N+G、水平力H和弯矩M作用下"
            "的承台位移和桩身内力。桩群为沿X向nx排（排距sax）、每排沿Z向nz根（间距saz）的等径"
            "圆桩，承台视为刚体；高承台、低承台与脱空承台用同一组方程计算，由承台埋深hn、承台侧"
            "土的mc、承台底土的ms、承台效应系数ηc、承台底摩擦系数μ以及脱空高度l0区分。"),
        QStringLiteral(
            "每根桩视为弹性地基上的梁，桩侧土水平抗力系数随深度线性增大（m法，取承台底土的ms），"
            "以幂级数形式的影响函数求桩顶柔度和刚度；桩端按持力层条件（非基岩、基岩面、嵌入基岩）"
            "取边界条件，桩长取换算深度αh最接近的计算点。由承台的竖向、水平和转动平衡解出承台"
            "沉降、水平位移与转角，再求各桩桩顶力、稳定地面处桩身水平位移、承台侧壁与承台底土的"
            "抗力，以及桩身沿深度的弯矩和剪力。"),
        QStringLiteral(
            "桩身内力在换算深度αz = 0.001, 0.1, 0.2, …的各点计算，至最接近αh的点为止；第j点距"
            "承台底 y = l0 + z_j/α。显示结果截取两位小数，承台转角以1e-5 rad为单位。"),
    };
}

QStringList MethodParagraphs(const HighCapRecord&) {
    return {
        QStringLiteral(
            "本计算按共同作用方法求高承台桩群中桩身的最大弯矩与最大剪力及其位置。桩群为沿X向nx排"
            "（排距sax）、每排沿Z向nz根（间距saz）的等径圆桩；承台为刚体且不与土接触，承台平衡仅"
            "由各桩提供。桩在承台底与稳定地面之间露出高度l0，地面以下入土深度h。"),
        QStringLiteral(
            "每根桩视为弹性地基上的梁，桩侧土水平抗力系数随深度线性增大（m法，系数ms1），以幂级数"
            "形式的影响函数在换算长度αh（不超过4）处求桩顶柔度与刚度，桩端按桩型与持力层取边界条件"
            "。"
            "由承台平衡解出承台沉降、水平位移与转角，得各桩桩顶力与稳定地面处水平位移。"),
        QStringLiteral(
            "桩身弯矩和剪力在41个换算深度αz = 0.001, 0.1, …, 4.0处计算，第j点距承台底 y = l0 + "
            "z_j/α；在各桩各点中搜索弯矩与剪力绝对值的最大者，给出其数值与深度，以及最大弯矩所在"
            "桩的X坐标和桩顶压力。显示结果截取两位小数（桩坐标与桩顶压力除外），承台转角以1e-5 rad"
            "为单位。"),
    };
}

} // namespace korvane
