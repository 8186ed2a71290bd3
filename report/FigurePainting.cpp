#include "FigurePainting.h"

#include "ReportFont.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainterPath>

#include <cmath>

namespace korvane {

FigureStyle::FigureStyle(QPainter& p, const QRectF& r)
    : painter(p), rect(r), unit(std::min(r.width(), r.height() * 2.5) / 170.0) {}

FigureStyle::FigureStyle(QPainter& p, const QRectF& r, double u) : painter(p), rect(r), unit(u) {}

QFont FigureStyle::Font(double units, bool bold) const {
    // Point sizes follow the device's resolution, so the wanted height in device
    // units is turned back into points.
    const int dpi = painter.device() ? painter.device()->logicalDpiY() : 96;
    const double points = units * unit * 72.0 / (dpi > 0 ? dpi : 96);
    QFont font = ReportFont(std::max(points, 1.0), bold);
    return font;
}

QPen FigureStyle::Pen(const QColor& color, double units, Qt::PenStyle style) const {
    QPen pen(color, units * unit, style, Qt::FlatCap, Qt::MiterJoin);
    return pen;
}

void DrawLabel(const FigureStyle& style, const QPointF& at, const QString& text,
               Qt::Alignment align, const QFont& font, const QColor& color, bool backing) {
    QPainter& p = style.painter;
    p.save();
    p.setFont(font);
    const QFontMetricsF metrics(font, p.device());
    const QSizeF size(metrics.horizontalAdvance(text), metrics.height());
    QPointF topLeft = at;
    if (align & Qt::AlignRight)
        topLeft.rx() -= size.width();
    else if (align & Qt::AlignHCenter)
        topLeft.rx() -= size.width() / 2;
    if (align & Qt::AlignBottom)
        topLeft.ry() -= size.height();
    else if (align & Qt::AlignVCenter)
        topLeft.ry() -= size.height() / 2;
    // Kept within the figure, which the page or the SVG would otherwise cut.
    const QRectF& bounds = style.rect;
    if (topLeft.x() + size.width() > bounds.right())
        topLeft.rx() = bounds.right() - size.width();
    if (topLeft.x() < bounds.left())
        topLeft.rx() = bounds.left();
    const QRectF box(topLeft, size);
    if (backing) {
        const double pad = 0.4 * style.unit;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 225));
        p.drawRect(box.adjusted(-pad, 0, pad, 0));
    }
    p.setPen(color);
    p.drawText(box, Qt::AlignCenter, text);
    p.restore();
}

void DrawDimension(const FigureStyle& style, const QPointF& from, const QPointF& to,
                   const QString& text, const QPointF& textSide) {
    QPainter& p = style.painter;
    const double u = style.unit;
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    if (!(length > 0))
        return;
    const QPointF along = d / length;
    const QPointF normal(-along.y(), along.x());
    p.save();
    p.setPen(style.Pen(QColor(40, 40, 40), 0.18));
    p.drawLine(from, to);
    // Architectural ticks: short strokes at 45° through each end.
    const QPointF tick = (along + normal) * (1.2 * u / std::sqrt(2.0));
    p.setPen(style.Pen(QColor(40, 40, 40), 0.3));
    p.drawLine(from - tick, from + tick);
    p.drawLine(to - tick, to + tick);
    p.restore();
    const QPointF mid = (from + to) / 2;
    const QFont font = style.Font(2.8);
    if (std::fabs(d.x()) < std::fabs(d.y())) {
        // Text along a vertical dimension reads upward, as on a drawing.
        p.save();
        p.translate(mid + textSide * (0.8 * u));
        p.rotate(-90);
        DrawLabel(style, QPointF(0, 0), text,
                  Qt::AlignHCenter | (textSide.x() > 0 ? Qt::AlignTop : Qt::AlignBottom), font,
                  Qt::black, true);
        p.restore();
        return;
    }
    const Qt::Alignment align =
        (textSide.y() > 0 ? Qt::AlignTop : Qt::AlignBottom) | Qt::AlignHCenter;
    DrawLabel(style, mid + textSide * (0.8 * u), text, align, font, Qt::black, true);
}

void DrawArrow(const FigureStyle& style, const QPointF& from, const QPointF& to,
               const QColor& color) {
    QPainter& p = style.painter;
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    if (!(length > 0))
        return;
    const QPointF along = d / length;
    const QPointF normal(-along.y(), along.x());
    const double head = 1.6 * style.unit;
    p.save();
    p.setPen(style.Pen(color, 0.25));
    p.drawLine(from, to - along * head * 0.8);
    QPainterPath tip;
    tip.moveTo(to);
    tip.lineTo(to - along * head + normal * head * 0.35);
    tip.lineTo(to - along * head - normal * head * 0.35);
    tip.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(tip);
    p.restore();
}

void DrawScaleBar(const FigureStyle& style, const QPointF& at, double length, double metres) {
    QPainter& p = style.painter;
    const double u = style.unit;
    p.save();
    const double h = 0.9 * u;
    p.setPen(style.Pen(Qt::black, 0.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(at.x(), at.y() - h, length, h));
    p.setBrush(Qt::black);
    p.drawRect(QRectF(at.x(), at.y() - h, length / 2, h));
    p.restore();
    const QFont font = style.Font(2.6);
    DrawLabel(style, QPointF(at.x(), at.y() + 0.4 * u), QStringLiteral("0"),
              Qt::AlignHCenter | Qt::AlignTop, font, Qt::black, false);
    DrawLabel(style, QPointF(at.x() + length, at.y() + 0.4 * u),
              FigureNumber(metres) + QStringLiteral(" m"), Qt::AlignHCenter | Qt::AlignTop, font,
              Qt::black, false);
}

double RoundLengthBelow(double most) {
    if (!(most > 0) || !std::isfinite(most))
        return 0;
    const double power = std::pow(10.0, std::floor(std::log10(most)));
    for (double step : {5.0, 2.0, 1.0}) {
        if (step * power <= most)
            return step * power;
    }
    return power;
}

QString FigureNumber(double value, int decimals) {
    if (!std::isfinite(value))
        return QStringLiteral("—");
    QString text = QString::number(value, 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    if (text == QStringLiteral("-0"))
        text = QStringLiteral("0");
    return text;
}

} // namespace korvane
