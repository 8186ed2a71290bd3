#include "DepthChart.h"

#include "FieldText.h"
#include "FigurePainting.h"
#include "Trunc2.h"

#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace korvane {

std::vector<ChartMark> ChartMarks(const DepthChart& c) {
    std::vector<ChartMark> marks;
    const std::size_t n = std::min(c.depth.size(), c.value.size());
    if (n == 0)
        return marks;
    std::size_t hi = 0, lo = 0;
    for (std::size_t i = 1; i < n; ++i) {
        if (c.value[i] > c.value[hi])
            hi = i;
        if (c.value[i] < c.value[lo])
            lo = i;
    }
    if (c.value[hi] > 0)
        marks.push_back({static_cast<int>(hi), c.value[hi], c.depth[hi], true});
    if (c.value[lo] < 0)
        marks.push_back({static_cast<int>(lo), c.value[lo], c.depth[lo], false});
    return marks;
}

std::vector<double> NiceTicks(double low, double high, int count) {
    std::vector<double> ticks;
    if (!std::isfinite(low) || !std::isfinite(high) || count < 1)
        return ticks;
    if (high < low)
        std::swap(low, high);
    if (high - low <= 0) {
        const double pad = low == 0 ? 1.0 : std::fabs(low) * 0.1;
        low -= pad;
        high += pad;
    }
    const double raw = (high - low) / count;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    double step = power * 10;
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
        if (m * power >= raw) {
            step = m * power;
            break;
        }
    }
    const double first = std::floor(low / step + 1e-9) * step;
    const double last = std::ceil(high / step - 1e-9) * step;
    for (double t = first; t <= last + step * 1e-6; t += step)
        ticks.push_back(std::fabs(t) < step * 1e-9 ? 0.0 : t);
    return ticks;
}

QString MarkValueText(const DepthChart& c, const ChartMark& m) {
    return QStringLiteral("%1%2 = %3 %4")
        .arg(c.symbol, m.largest ? QStringLiteral("max") : QStringLiteral("min"),
             QString::fromStdString(FormatNumber(Trunc2(m.value))), c.unit);
}

QString MarkDepthText(const ChartMark& m) {
    return QStringLiteral("y = %1 m").arg(QString::fromStdString(FormatNumber(Trunc2(m.depth))));
}

double DepthChartPairAspect(const DepthChartPair&) {
    return 0.95;
}

namespace {

QString TickText(double value, double step) {
    const int decimals = step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
    return FigureNumber(value, std::max(decimals, 0));
}

} // namespace

namespace {

void PaintChart(const FigureStyle& st, const DepthChart& c) {
    QPainter& p = st.painter;
    const QRectF rect = st.rect;
    const double u = st.unit;
    const std::size_t n = std::min(c.depth.size(), c.value.size());
    bool finite = n > 0;
    for (std::size_t i = 0; i < n; ++i)
        finite = finite && std::isfinite(c.depth[i]) && std::isfinite(c.value[i]);

    // Title above, value axis labels under it, depth labels on the left, legend below.
    const QRectF plot = rect.adjusted(13 * u, 19 * u, -4 * u, -14 * u);
    DrawLabel(st, QPointF(rect.center().x(), rect.top() + 1 * u),
              QStringLiteral("桩身%1图").arg(c.name), Qt::AlignHCenter | Qt::AlignTop,
              st.Font(3.4, true), Qt::black, false);
    if (!finite) {
        DrawLabel(st, plot.center(), QStringLiteral("无可绘制的数值"), Qt::AlignCenter,
                  st.Font(3.0));
        return;
    }

    double vMin = 0, vMax = 0, dMax = 0;
    for (std::size_t i = 0; i < n; ++i) {
        vMin = std::min(vMin, c.value[i]);
        vMax = std::max(vMax, c.value[i]);
        dMax = std::max(dMax, c.depth[i]);
    }
    const std::vector<double> vTicks = NiceTicks(vMin, vMax, 6);
    const std::vector<double> dTicks = NiceTicks(0, std::max(dMax, 1e-3), 8);
    const double v0 = vTicks.front(), v1 = vTicks.back();
    const double d1 = dTicks.back();
    auto at = [&](double value, double depth) {
        return QPointF(plot.left() + (value - v0) / (v1 - v0) * plot.width(),
                       plot.top() + depth / d1 * plot.height());
    };

    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    // Grid and ticks.
    const QFont tickFont = st.Font(2.5);
    p.setPen(st.Pen(QColor(215, 215, 215), 0.12));
    for (double v : vTicks)
        p.drawLine(at(v, 0), at(v, d1));
    for (double d : dTicks)
        p.drawLine(at(v0, d), at(v1, d));
    p.setPen(st.Pen(Qt::black, 0.25));
    p.setBrush(Qt::NoBrush);
    p.drawRect(plot);
    p.setPen(st.Pen(Qt::black, 0.35));
    p.drawLine(at(0, 0), at(0, d1)); // the zero line
    p.restore();
    const double vStep = vTicks.size() > 1 ? vTicks[1] - vTicks[0] : 1;
    const double dStep = dTicks.size() > 1 ? dTicks[1] - dTicks[0] : 1;
    for (double v : vTicks)
        DrawLabel(st, at(v, 0) - QPointF(0, 0.8 * u), TickText(v, vStep),
                  Qt::AlignHCenter | Qt::AlignBottom, tickFont, Qt::black, false);
    for (double d : dTicks)
        DrawLabel(st, at(v0, d) - QPointF(0.8 * u, 0), TickText(d, dStep),
                  Qt::AlignRight | Qt::AlignVCenter, tickFont, Qt::black, false);
    DrawLabel(st, QPointF(plot.center().x(), plot.top() - 5 * u),
              QStringLiteral("%1 %2 (%3)").arg(c.name, c.symbol, c.unit),
              Qt::AlignHCenter | Qt::AlignBottom, st.Font(2.8), Qt::black, false);
    // Depth axis title, turned to read upward.
    p.save();
    p.translate(rect.left() + 2 * u, plot.center().y());
    p.rotate(-90);
    DrawLabel(st, QPointF(0, 0), QStringLiteral("距承台底深度 y (m)"),
              Qt::AlignHCenter | Qt::AlignTop, st.Font(2.8), Qt::black, false);
    p.restore();

    // Ground line.
    if (c.groundDepth > 0 && c.groundDepth <= d1) {
        p.save();
        p.setPen(st.Pen(QColor(120, 90, 40), 0.25, Qt::DashLine));
        p.drawLine(at(v0, c.groundDepth), at(v1, c.groundDepth));
        p.restore();
    }

    // The curve with its points.
    QPolygonF curve;
    for (std::size_t i = 0; i < n; ++i)
        curve << at(c.value[i], c.depth[i]);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(st.Pen(c.color, 0.45));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(curve);
    p.setPen(Qt::NoPen);
    p.setBrush(c.color);
    for (const QPointF& point : curve)
        p.drawEllipse(point, 0.45 * u, 0.45 * u);
    p.restore();

    // Extremes: a ring round the point and its value and depth beside it, on the side
    // with more room.
    const QColor markColor(200, 30, 30);
    for (const ChartMark& m : ChartMarks(c)) {
        const QPointF point = at(m.value, m.depth);
        p.save();
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(st.Pen(markColor, 0.35));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(point, 1.3 * u, 1.3 * u);
        p.restore();
        const bool toLeft = point.x() > plot.center().x();
        const Qt::Alignment side = (toLeft ? Qt::AlignRight : Qt::AlignLeft);
        const QPointF anchor = point + QPointF(toLeft ? -2 * u : 2 * u, 0);
        DrawLabel(st, anchor, MarkValueText(c, m), side | Qt::AlignBottom, st.Font(2.6, true),
                  markColor);
        DrawLabel(st, anchor, MarkDepthText(m), side | Qt::AlignTop, st.Font(2.6), markColor);
    }

    // Legend.
    const double ly = plot.bottom() + 6 * u;
    double lx = plot.left();
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(st.Pen(c.color, 0.45));
    p.drawLine(QPointF(lx, ly), QPointF(lx + 6 * u, ly));
    p.setPen(Qt::NoPen);
    p.setBrush(c.color);
    p.drawEllipse(QPointF(lx + 3 * u, ly), 0.45 * u, 0.45 * u);
    p.restore();
    DrawLabel(st, QPointF(lx + 7 * u, ly), QStringLiteral("%1 %2").arg(c.symbol, c.name),
              Qt::AlignLeft | Qt::AlignVCenter, tickFont, Qt::black, false);
    lx += 22 * u;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(st.Pen(markColor, 0.35));
    p.drawEllipse(QPointF(lx + 3 * u, ly), 1.3 * u, 1.3 * u);
    p.restore();
    DrawLabel(st, QPointF(lx + 5.5 * u, ly), QStringLiteral("极值"),
              Qt::AlignLeft | Qt::AlignVCenter, tickFont, Qt::black, false);
    if (c.groundDepth > 0) {
        lx += 16 * u;
        p.save();
        p.setPen(st.Pen(QColor(120, 90, 40), 0.25, Qt::DashLine));
        p.drawLine(QPointF(lx, ly), QPointF(lx + 6 * u, ly));
        p.restore();
        DrawLabel(st, QPointF(lx + 7 * u, ly), QStringLiteral("地面"),
                  Qt::AlignLeft | Qt::AlignVCenter, tickFont, Qt::black, false);
    }
}

} // namespace

void PaintDepthChart(QPainter& p, const QRectF& rect, const DepthChart& chart) {
    PaintChart(FigureStyle(p, rect), chart);
}

void PaintDepthChartPair(QPainter& p, const QRectF& rect, const DepthChartPair& pair) {
    // Both charts take their sizes from the pair, so they match each other and the
    // report's other figures.
    const FigureStyle whole(p, rect);
    const double gap = rect.width() * 0.03;
    const double w = (rect.width() - gap) / 2;
    PaintChart(FigureStyle(p, QRectF(rect.left(), rect.top(), w, rect.height()), whole.unit),
               pair.moment);
    PaintChart(
        FigureStyle(p, QRectF(rect.left() + w + gap, rect.top(), w, rect.height()), whole.unit),
        pair.shear);
}

} // namespace korvane
