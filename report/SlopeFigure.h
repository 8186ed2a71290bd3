#pragma once

#include "CircularSlipRecord.h"
#include "PolylineSlipRecord.h"
#include "SlopeSection.h"

#include <QPointF>
#include <QRectF>
#include <QString>

#include <optional>
#include <vector>

class QPainter;

namespace korvane {

// The slope section of both slip calculators, in the axes the calculation uses: x
// horizontal from the toe A into the slope, y up, origin at A; the face rises at β to
// the crest B = (h / tan β, h) and the ground is level beyond it.

struct SlopeCircle {
    double x = 0, y = 0, radius = 0; // centre and radius, m
    QString label;                   // what the figure calls the circle
    bool codeMethod = false;         // found by a code method: a line style of its own
};

struct SlopeFigure {
    SlopeSection section{};            // the slope, cap and piles as the calculation places them
    std::vector<double> pileX;         // pile row centres, where the calculation counts them
    double rowSpacing = 0;             // the spacing the calculation counts the rows at, m
    bool spacingSubstituted = false;   // a typed spacing of 0, counted at the substitute
    std::optional<SlopeCircle> circle; // the critical circle
    std::optional<SlopeCircle> secondCircle; // another circle to compare, drawn dashed
    std::optional<QPointF> shownCentre;      // a centre marked beside the circle's own
    std::vector<QPointF> slipPolyline;       // vertices from the toe; empty for a circle

    const SlopeInputs& in() const { return section.in; }
    double PileDiameter() const { return section.in.d / 1000; } // m
};

// The section of a circular slip case, its pile rows at the spacing the search takes;
// the circle when `withCircle` (the record's shown centre and radius).
SlopeFigure SlopeFigureOf(const CircularSlipRecord& r, bool withCircle);
// The section of a polyline slip case with its three segments.
SlopeFigure SlopeFigureOf(const PolylineSlipRecord& r);

// What the figure draws, in metres: the shapes the painter maps onto its rectangle.
struct SlopeGeometry {
    bool drawable = false; // false when the inputs give no finite section to draw
    double crestX = 0, capNear = 0, capFar = 0;
    std::vector<QPointF> ground;    // from the left edge through A and B to the right edge
    std::vector<QPointF> arc;       // the critical circle from A to where it leaves the soil
    std::vector<QPointF> secondArc; // likewise for the second circle
    QRectF bounds;                  // everything drawn, y up (top() is the lowest y)
};

SlopeGeometry SlopeGeometryOf(const SlopeFigure& figure);

// Height of the ground at x: level in front of the toe, the face, the level top.
double GroundHeight(const SlopeFigure& figure, double x);

// The part of `circle` that lies in the soil, from where it meets the ground near the
// toe, round under its centre, to where it comes out again; points about 1° apart.
std::vector<QPointF> SlipArc(const SlopeFigure& figure, const SlopeCircle& circle);

double SlopeFigureAspect(const SlopeFigure& figure);
void PaintSlopeFigure(QPainter& painter, const QRectF& rect, const SlopeFigure& figure);

} // namespace korvane
