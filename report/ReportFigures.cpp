#include "ReportFigures.h"

#include <QPainter>

namespace korvane {

namespace {

template <class... Ts> struct Overloaded : Ts... { using Ts::operator()...; };
template <class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

} // namespace

double FigureAspect(const FigureData& figure) {
    return std::visit(
        Overloaded{[](const SlopeFigure& f) { return SlopeFigureAspect(f); },
                   [](const PilePlanFigure& f) { return PilePlanAspect(f); },
                   [](const PileElevationFigure& f) { return PileElevationAspect(f); },
                   [](const DepthChartPair& f) { return DepthChartPairAspect(f); },
                   [](const StudyChart& f) { return StudyChartAspect(f); }},
        figure);
}

void PaintFigure(QPainter& painter, const QRectF& rect, const FigureData& figure) {
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    std::visit(
        Overloaded{[&](const SlopeFigure& f) { PaintSlopeFigure(painter, rect, f); },
                   [&](const PilePlanFigure& f) { PaintPilePlan(painter, rect, f); },
                   [&](const PileElevationFigure& f) { PaintPileElevation(painter, rect, f); },
                   [&](const DepthChartPair& f) { PaintDepthChartPair(painter, rect, f); },
                   [&](const StudyChart& f) { PaintStudyChart(painter, rect, f); }},
        figure);
    painter.restore();
}

} // namespace korvane
