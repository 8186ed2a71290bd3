#include "DepthPlot.h"

#include <climits>
#include <cmath>

namespace korvane {

namespace {

// Truncation toward zero, defined for every double: the C++ conversion is undefined
// outside the int range and for not-a-number.
int TruncToInt(double v) {
    if (std::isnan(v))
        return 0;
    if (v >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (v <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(v);
}

} // namespace

double DepthPlotScale(double reference) {
    if (reference == 0.0)
        return 0.0;
    return std::fabs(100.0 / reference);
}

int DepthPlotX(double scale, double value, int offset) {
    const double shift = scale * value;
    if (std::isnan(shift))
        return offset;
    return TruncToInt(shift + offset);
}

int DepthPlotLabel(double value) {
    return TruncToInt(value * 100.0) / 100;
}

Drawing DepthPlotDrawing(const DepthPlotSeries& series) {
    Drawing drawing;
    drawing.lines.push_back({{kDepthAxisX, kPlotTop}, {kDepthAxisX, kDepthAxisBottom}});
    drawing.lines.push_back({{kValueAxisLeft, kPlotTop}, {kValueAxisRight, kPlotTop}});
    const double scale = DepthPlotScale(series.reference);
    for (const double* values : {series.moment, series.shear}) {
        if (series.points <= 0)
            continue;
        QPoint pen(DepthPlotX(scale, values[0], kDepthAxisX), kPlotTop);
        for (int i = 0; i < series.points; ++i) {
            const int y = DepthPlotRowY(i);
            drawing.texts.push_back({{DepthPlotX(scale, values[i], kDepthAxisX + kLabelGap), y},
                                     QString::number(DepthPlotLabel(values[i]))});
            const QPoint point(DepthPlotX(scale, values[i], kDepthAxisX), y);
            drawing.lines.push_back({pen, point});
            pen = point;
        }
    }
    return drawing;
}

} // namespace korvane
