#pragma once

#include <QRectF>
#include <QString>

#include <optional>

class QPainter;

namespace korvane {

// The pile group of the two pile calculators: nx rows along X of nz piles each, the
// rows sax apart and the piles in a row saz apart, symmetric about the cap's centre.

struct PilePlanFigure {
    int nx = 0, nz = 0;
    double sax = 0, saz = 0;          // m
    double d = 0;                     // pile diameter, m
    std::optional<double> capX, capZ; // cap length along X and width along Z, when given
};

// Side view across the X rows: the cap, the free length l0 of the piles under it and
// their embedded length h below the ground.
struct PileElevationFigure {
    int nx = 0;
    double sax = 0, d = 0;
    double l0 = 0; // free length between the cap underside and the ground, m
    double h = 0;  // embedded length, m
    std::optional<double> capX;
};

double PilePlanAspect(const PilePlanFigure& figure);
void PaintPilePlan(QPainter& painter, const QRectF& rect, const PilePlanFigure& figure);

double PileElevationAspect(const PileElevationFigure& figure);
void PaintPileElevation(QPainter& painter, const QRectF& rect, const PileElevationFigure& figure);

} // namespace korvane
