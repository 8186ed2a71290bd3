#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

namespace korvane {

// Sizes of one figure, all taken from the rectangle it is painted into, so a figure
// looks the same on a 300-dpi PDF page, a printer and a 90-dpi SVG: `unit` is about a
// millimetre when the figure is printed 170 mm wide.
struct FigureStyle {
    explicit FigureStyle(QPainter& painter, const QRectF& rect);
    // A part of a larger figure, sized like the whole.
    FigureStyle(QPainter& painter, const QRectF& rect, double unit);

    // The report family at a height of `units`, whatever the device's resolution.
    QFont Font(double units, bool bold = false) const;
    QPen Pen(const QColor& color, double units, Qt::PenStyle style = Qt::SolidLine) const;

    QPainter& painter;
    QRectF rect;
    double unit;
};

// Text with its anchor at `at`: `align` says which side of the text touches the anchor
// (Qt::AlignLeft | Qt::AlignVCenter puts the text to the right of it). A white backing
// keeps it readable over lines. Text that would run past the figure's sides is moved in.
void DrawLabel(const FigureStyle& style, const QPointF& at, const QString& text,
               Qt::Alignment align, const QFont& font, const QColor& color = Qt::black,
               bool backing = true);

// A dimension between two points along the line through them, with ticks at both
// ends and the text at its middle, on the side given by `textSide` (a unit normal).
void DrawDimension(const FigureStyle& style, const QPointF& from, const QPointF& to,
                   const QString& text, const QPointF& textSide);

// A straight arrow from `from` to `to`.
void DrawArrow(const FigureStyle& style, const QPointF& from, const QPointF& to,
               const QColor& color = Qt::black);

// A bar of `metres` drawn `length` long from `at`, labelled "0" and "<metres> m".
void DrawScaleBar(const FigureStyle& style, const QPointF& at, double length, double metres);

// The round length, 1, 2 or 5 times a power of ten, closest below `most`.
double RoundLengthBelow(double most);

// "12.5" for figures: up to `decimals` decimals, trailing zeros dropped.
QString FigureNumber(double value, int decimals = 2);

} // namespace korvane
