#include "StudyChart.h"

#include "DepthChart.h"
#include "FieldText.h"
#include "FigurePainting.h"
#include "ReportContent.h"
#include "StudyRun.h"

#include <QFontMetricsF>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace korvane {

namespace {

// A label with its unit; most labels carry it in brackets already ("桩中心距sax(m)").
QString AxisText(const StudyQuantity& q) {
    const QString label = Q(q.label);
    if (q.unit.empty() || label.endsWith(')') || label.endsWith(QStringLiteral("）")))
        return label;
    return QStringLiteral("%1 (%2)").arg(label, Q(q.unit));
}

QString TickText(double value, double step) {
    const int decimals = step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
    return FigureNumber(value, std::max(decimals, 0));
}

const QColor kCurve(20, 80, 160);
const QColor kTarget(200, 30, 30);
const QColor kCrossing(0, 120, 60);

} // namespace

StudyChart StudyChartOf(const std::string& calculator, const StudySettings& s,
                        const StudyAnswer& answer) {
    StudyChart chart;
    const std::vector<StudyQuantity> inputs = StudyInputsOf(calculator);
    if (const StudyQuantity* input = FindStudyQuantity(inputs, s.range.input)) {
        chart.inputAxis = AxisText(*input);
        chart.inputSymbol = Q(input->name);
    }
    const int column = answer.ColumnOf(s.result);
    if (column >= 0)
        chart.resultAxis = AxisText(answer.quantities[static_cast<std::size_t>(column)]);
    for (const StudyPointAnswer& point : answer.points) {
        if (!point.done || column < 0)
            continue;
        chart.x.push_back(point.value);
        chart.y.push_back(point.values[static_cast<std::size_t>(column)]);
    }
    if (s.target) {
        chart.target = s.target->value;
        chart.targetText = Q(StudyTargetText(*s.target));
    }
    if (answer.solution) {
        for (const StudyCrossing& c : answer.solution->crossings)
            chart.crossings.push_back(c.value);
    }
    return chart;
}

double StudyChartAspect(const StudyChart&) {
    return 0.62;
}

void PaintStudyChart(QPainter& p, const QRectF& rect, const StudyChart& c) {
    const FigureStyle st(p, rect);
    const double u = st.unit;
    const QRectF plot = rect.adjusted(17 * u, 6 * u, -5 * u, -16 * u);

    double xMin = INFINITY, xMax = -INFINITY, yMin = INFINITY, yMax = -INFINITY;
    for (std::size_t i = 0; i < c.x.size(); ++i) {
        xMin = std::min(xMin, c.x[i]);
        xMax = std::max(xMax, c.x[i]);
        if (c.y[i] && std::isfinite(*c.y[i])) {
            yMin = std::min(yMin, *c.y[i]);
            yMax = std::max(yMax, *c.y[i]);
        }
    }
    if (!(xMin < xMax) || !(yMin <= yMax)) {
        p.save();
        p.setPen(st.Pen(Qt::black, 0.25));
        p.drawRect(plot);
        p.restore();
        DrawLabel(st, plot.center(), c.emptyText, Qt::AlignCenter, st.Font(3.0));
        return;
    }
    if (c.target && std::isfinite(*c.target)) {
        yMin = std::min(yMin, *c.target);
        yMax = std::max(yMax, *c.target);
    }
    const std::vector<double> xTicks = NiceTicks(xMin, xMax, 8);
    const std::vector<double> yTicks = NiceTicks(yMin, yMax, 6);
    const double x0 = xTicks.front(), x1 = xTicks.back();
    const double y0 = yTicks.front(), y1 = yTicks.back();
    const auto at = [&](double x, double y) {
        return QPointF(plot.left() + (x - x0) / (x1 - x0) * plot.width(),
                       plot.bottom() - (y - y0) / (y1 - y0) * plot.height());
    };

    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(st.Pen(QColor(215, 215, 215), 0.12));
    for (double x : xTicks)
        p.drawLine(at(x, y0), at(x, y1));
    for (double y : yTicks)
        p.drawLine(at(x0, y), at(x1, y));
    p.setPen(st.Pen(Qt::black, 0.25));
    p.setBrush(Qt::NoBrush);
    p.drawRect(plot);
    p.restore();

    const QFont tickFont = st.Font(2.5);
    const double xStep = xTicks.size() > 1 ? xTicks[1] - xTicks[0] : 1;
    const double yStep = yTicks.size() > 1 ? yTicks[1] - yTicks[0] : 1;
    for (double x : xTicks)
        DrawLabel(st, at(x, y0) + QPointF(0, 0.8 * u), TickText(x, xStep),
                  Qt::AlignHCenter | Qt::AlignTop, tickFont, Qt::black, false);
    for (double y : yTicks)
        DrawLabel(st, at(x0, y) - QPointF(0.8 * u, 0), TickText(y, yStep),
                  Qt::AlignRight | Qt::AlignVCenter, tickFont, Qt::black, false);
    DrawLabel(st, QPointF(plot.center().x(), plot.bottom() + 5.5 * u), c.inputAxis,
              Qt::AlignHCenter | Qt::AlignTop, st.Font(2.8), Qt::black, false);
    p.save();
    p.translate(rect.left() + 1 * u, plot.center().y());
    p.rotate(-90);
    DrawLabel(st, QPointF(0, 0), c.resultAxis, Qt::AlignHCenter | Qt::AlignTop, st.Font(2.8),
              Qt::black, false);
    p.restore();

    // The target first, under the curve.
    if (c.target && std::isfinite(*c.target)) {
        p.save();
        p.setPen(st.Pen(kTarget, 0.3, Qt::DashLine));
        p.drawLine(at(x0, *c.target), at(x1, *c.target));
        p.restore();
    }

    // The curve, broken where a point computed nothing.
    QPainterPath curve;
    bool joined = false;
    for (std::size_t i = 0; i < c.x.size(); ++i) {
        if (!c.y[i] || !std::isfinite(*c.y[i])) {
            joined = false;
            continue;
        }
        const QPointF point = at(c.x[i], *c.y[i]);
        if (joined)
            curve.lineTo(point);
        else
            curve.moveTo(point);
        joined = true;
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(st.Pen(kCurve, 0.45));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
    if (c.x.size() <= 60) {
        p.setPen(Qt::NoPen);
        p.setBrush(kCurve);
        for (std::size_t i = 0; i < c.x.size(); ++i) {
            if (c.y[i] && std::isfinite(*c.y[i]))
                p.drawEllipse(at(c.x[i], *c.y[i]), 0.5 * u, 0.5 * u);
        }
    }
    p.restore();

    // Crossings: a vertical line and the value at its foot, above the axis.
    for (std::size_t k = 0; k < c.crossings.size(); ++k) {
        const double x = c.crossings[k];
        p.save();
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(st.Pen(kCrossing, 0.3, Qt::DashDotLine));
        p.drawLine(at(x, y0), at(x, y1));
        if (c.target) {
            p.setPen(st.Pen(kCrossing, 0.35));
            p.setBrush(Qt::white);
            p.drawEllipse(at(x, *c.target), 1.1 * u, 1.1 * u);
        }
        p.restore();
        // Labels take turns high and low so that close crossings stay readable.
        const double y = k % 2 == 0 ? y1 : y0;
        const QPointF anchor = at(x, y) + QPointF(0.8 * u, k % 2 == 0 ? 0.8 * u : -0.8 * u);
        DrawLabel(st, anchor, QStringLiteral("%1 = %2").arg(c.inputSymbol, Q(FormatNumber(x))),
                  Qt::AlignLeft | (k % 2 == 0 ? Qt::AlignTop : Qt::AlignBottom), st.Font(2.6, true),
                  kCrossing);
    }

    // Legend under the axis title.
    const double ly = rect.bottom() - 2.5 * u;
    double lx = plot.left();
    const auto legend = [&](const QPen& pen, const QString& text) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(pen);
        p.drawLine(QPointF(lx, ly), QPointF(lx + 6 * u, ly));
        p.restore();
        DrawLabel(st, QPointF(lx + 7 * u, ly), text, Qt::AlignLeft | Qt::AlignVCenter, tickFont,
                  Qt::black, false);
        lx += 11 * u + QFontMetricsF(tickFont, p.device()).horizontalAdvance(text);
    };
    legend(st.Pen(kCurve, 0.45), c.resultAxis);
    if (c.target)
        legend(st.Pen(kTarget, 0.3, Qt::DashLine), QStringLiteral("目标 ") + c.targetText);
    if (!c.crossings.empty())
        legend(st.Pen(kCrossing, 0.3, Qt::DashDotLine), QStringLiteral("交点"));
}

} // namespace korvane
