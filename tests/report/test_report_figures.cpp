// The figures' geometry: what is drawn where, in metres, before any pixel.
#include "ReportQueries.h"
#include "SampleCases.h"

#include "CircularSlip.h"
#include "SlopeSection.h"

#include <gtest/gtest.h>

#include <cmath>

namespace korvane {
namespace {

CircularSlipRecord CalculatedCircular() {
    CircularSlipRecord r;
    SearchCriticalCircle(r, 0, 0); // C30, HPB235
    return r;
}

TEST(SlopeDrawing, TheCircleDrawnIsTheCircleShown) {
    const CircularSlipRecord r = CalculatedCircular();
    const SlopeFigure figure = SlopeFigureOf(r, true);
    ASSERT_TRUE(figure.circle.has_value());
    EXPECT_EQ(figure.circle->x, r.m_x);
    EXPECT_EQ(figure.circle->y, r.m_y);
    EXPECT_EQ(figure.circle->radius, r.m_R);

    // The report draws the circle whose factor is ks, one search step short of the
    // centre the results show, and marks that centre beside it.
    const ReportContent report = BuildReport(DefaultCase("circular"), {});
    const auto figures = BlocksOf<ReportFigure>(report, QStringLiteral("计算简图"));
    ASSERT_EQ(figures.size(), 1u);
    const auto* drawn = std::get_if<SlopeFigure>(&figures[0]->figure);
    ASSERT_NE(drawn, nullptr);
    ASSERT_TRUE(drawn->circle.has_value());
    EXPECT_NEAR(drawn->circle->x, 3.7502, 5e-5);
    EXPECT_NEAR(drawn->circle->y, 6.3938, 5e-5);
    EXPECT_NEAR(drawn->circle->radius, std::hypot(drawn->circle->x, drawn->circle->y), 1e-12);
    ASSERT_TRUE(drawn->shownCentre.has_value());
    EXPECT_EQ(drawn->shownCentre->x(), r.m_x);
    EXPECT_EQ(drawn->shownCentre->y(), r.m_y);
    EXPECT_TRUE(ReportPlainText(report).contains(QStringLiteral("稳定系数 1.737，并非 ks")));
}

TEST(SlopeDrawing, TheArcRunsInTheSoilFromTheToeToTheLevelGround) {
    const CircularSlipRecord r = CalculatedCircular();
    const SlopeFigure figure = SlopeFigureOf(r, true);
    const std::vector<QPointF> arc = SlipArc(figure, *figure.circle);
    ASSERT_GT(arc.size(), 30u);
    for (const QPointF& p : arc) {
        EXPECT_NEAR(std::hypot(p.x() - r.m_x, p.y() - r.m_y), r.m_R, 1e-9);
        EXPECT_LE(p.y(), GroundHeight(figure, p.x()) + 0.02);
    }
    // The shown centre and radius are cut to two decimals, so the circle passes the
    // toe within that cut.
    EXPECT_NEAR(arc.front().x(), 0, 0.02);
    EXPECT_NEAR(arc.front().y(), 0, 0.02);
    EXPECT_NEAR(arc.back().y(), r.m_h, 1e-6);
    EXPECT_NEAR(arc.back().x(), r.m_x + std::sqrt(r.m_R * r.m_R - std::pow(r.m_h - r.m_y, 2)),
                1e-6);
}

TEST(SlopeDrawing, SectionFollowsTheCalculationsAxes) {
    const CircularSlipRecord r = CalculatedCircular();
    const SlopeGeometry g = SlopeGeometryOf(SlopeFigureOf(r, true));
    const SlopeSection s = SlopeSectionOf(r);
    ASSERT_TRUE(g.drawable);
    EXPECT_EQ(g.crestX, s.crestX);
    EXPECT_EQ(g.capNear, s.capNear);
    EXPECT_EQ(g.capFar, s.capFar);
    // Everything drawn lies within the bounds: the pile tips, the arc, the centre.
    EXPECT_LE(g.bounds.top(), r.m_h - r.m_hb - r.m_L);
    EXPECT_GE(g.bounds.bottom(), r.m_y);
    for (const QPointF& p : g.arc)
        EXPECT_TRUE(g.bounds.contains(p));
}

TEST(SlopeDrawing, PileRowsStandWhereTheCalculationCountsThem) {
    // A spacing of 0 is searched as 0.1: rows from one diameter inside the near edge
    // to the far edge.
    const CircularSlipRecord r = CalculatedCircular();
    const SlopeFigure circular = SlopeFigureOf(r, true);
    const SlopeSection s = SlopeSectionOf(r);
    ASSERT_EQ(circular.pileX.size(), 7u);
    EXPECT_EQ(circular.pileX.front(), s.firstPileX);
    EXPECT_LE(circular.pileX.back(), s.capFar + kSlopeEdgeTol);

    PolylineSlipRecord p;
    const SlopeFigure polyline = SlopeFigureOf(p);
    ASSERT_EQ(polyline.pileX.size(), 2u); // 3 m of cap, first row 0.6 m in, 1.8 m apart
    EXPECT_NEAR(polyline.pileX[1] - polyline.pileX[0], p.m_sax, 1e-12);
}

TEST(SlopeDrawing, PolylineStartsAtTheToeWithTheSegmentsAsEntered) {
    PolylineSlipRecord p;
    const SlopeFigure figure = SlopeFigureOf(p);
    ASSERT_EQ(figure.slipPolyline.size(), 4u);
    EXPECT_EQ(figure.slipPolyline[0], QPointF(0, 0));
    const double lengths[] = {p.m_L3, p.m_L2, p.m_L1};
    for (int k = 0; k < 3; ++k) {
        const QPointF d = figure.slipPolyline[k + 1] - figure.slipPolyline[k];
        EXPECT_NEAR(std::hypot(d.x(), d.y()), lengths[k], 1e-12);
    }
    EXPECT_FALSE(figure.circle.has_value());
}

TEST(SlopeDrawing, ASecondCircleGetsAnArcOfItsOwn) {
    const CircularSlipRecord r = CalculatedCircular();
    SlopeFigure figure = SlopeFigureOf(r, true);
    figure.secondCircle = SlopeCircle{
        r.m_x + 0.5, r.m_y + 0.5, std::hypot(r.m_x + 0.5, r.m_y + 0.5), QStringLiteral("另一滑弧")};
    const SlopeGeometry g = SlopeGeometryOf(figure);
    ASSERT_GT(g.secondArc.size(), 30u);
    EXPECT_NEAR(g.secondArc.front().x(), 0, 1e-9);
    EXPECT_NE(g.secondArc.back(), g.arc.back());
}

TEST(SlopeDrawing, InputsWithNoSectionAreNotDrawn) {
    CircularSlipRecord r;
    r.m_beta = 0; // the crest at infinity
    EXPECT_FALSE(SlopeGeometryOf(SlopeFigureOf(r, false)).drawable);
    r = CircularSlipRecord();
    r.m_h = std::nan("");
    EXPECT_FALSE(SlopeGeometryOf(SlopeFigureOf(r, false)).drawable);
}

TEST(ChartAxes, TicksAreRoundAndCoverTheValues) {
    struct Row {
        double low, high;
        int count;
        double step;
    };
    const Row rows[] = {{-16.37, 32.87, 6, 10},
                        {0, 8.5, 8, 2},
                        {-0.3, 0.04, 5, 0.1},
                        {0, 0, 4, 0.5},
                        {2635.86, 2635.86, 6, 100}};
    for (const Row& row : rows) {
        const std::vector<double> ticks = NiceTicks(row.low, row.high, row.count);
        ASSERT_GE(ticks.size(), 2u) << row.low << " " << row.high;
        EXPECT_LE(ticks.front(), row.low);
        EXPECT_GE(ticks.back(), row.high);
        EXPECT_NEAR(ticks[1] - ticks[0], row.step, row.step * 1e-9) << row.low << " " << row.high;
    }
}

TEST(ChartMarks, OnlyValuesAwayFromZeroAreMarked) {
    DepthChart chart;
    chart.depth = {1, 2, 3};
    chart.value = {0, 5, 5};
    const std::vector<ChartMark> marks = ChartMarks(chart);
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_TRUE(marks[0].largest);
    EXPECT_EQ(marks[0].index, 1); // the first of equal values
    chart.value = {0, 0, 0};
    EXPECT_TRUE(ChartMarks(chart).empty());
}

TEST(PilePlan, TheLayoutIsTheRecordsGroupAndCap) {
    const ReportContent report = BuildReport(DefaultCase("combined"), {});
    const auto figures = BlocksOf<ReportFigure>(report, QStringLiteral("计算简图"));
    ASSERT_EQ(figures.size(), 2u);
    const auto* plan = std::get_if<PilePlanFigure>(&figures[0]->figure);
    ASSERT_NE(plan, nullptr);
    const CombinedActionRecord r;
    EXPECT_EQ(plan->nx, r.m_nx);
    EXPECT_EQ(plan->nz, r.m_nz);
    EXPECT_EQ(plan->sax, r.m_sax);
    EXPECT_EQ(plan->saz, r.m_saz);
    EXPECT_EQ(plan->capX, r.m_L);
    EXPECT_EQ(plan->capZ, r.m_B);
    const auto* elevation = std::get_if<PileElevationFigure>(&figures[1]->figure);
    ASSERT_NE(elevation, nullptr);
    EXPECT_EQ(elevation->l0, r.m_l0);
    EXPECT_EQ(elevation->h, r.m_h);
}

} // namespace
} // namespace korvane
