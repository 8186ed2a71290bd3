#pragma once

#include "DepthChart.h"
#include "PileLayoutFigure.h"
#include "SlopeFigure.h"
#include "StudyChart.h"

#include <QRectF>

#include <variant>

class QPainter;

namespace korvane {

// Every picture a report holds. Each paints itself into any rectangle of any paint
// device (PDF, printer, screen, SVG) with sizes taken from the rectangle.
using FigureData =
    std::variant<SlopeFigure, PilePlanFigure, PileElevationFigure, DepthChartPair, StudyChart>;

// Height over width that suits the figure; the page layout gives it that shape.
double FigureAspect(const FigureData& figure);

void PaintFigure(QPainter& painter, const QRectF& rect, const FigureData& figure);

} // namespace korvane
