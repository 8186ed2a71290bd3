#pragma once

#include <QString>

// The moment and the shear of a pile along its depth, drawn by the pile forms in the
// strip right of their fields. Coordinates are fixed device pixels, not dialog units:
// the depth axis at x 800 carries the zero values, the value axis runs along the top
// row, rows lie 13 pixels apart from y 10 whatever the real depth spacing, and a value
// as large as the reference moment lies 100 pixels from the axis. The shear shares the
// moment's scale. Each point carries its value cut to a whole number.
struct DepthPlotSeries {
    const double* moment; // the first `points` entries are read
    const double* shear;
    int points;
    double reference; // moment of largest magnitude, with its sign; 0 before a calculation
};

inline constexpr int kDepthAxisX = 800;
inline constexpr int kDepthAxisBottom = 650; // below the forms' lower edge, clipped there
inline constexpr int kValueAxisLeft = 700;
inline constexpr int kValueAxisRight = 900;
inline constexpr int kPlotTop = 10;
inline constexpr int kRowPixels = 13;
inline constexpr int kLabelGap = 10; // a label starts right of its point

// Pixels per unit of value: 100 / |reference|, or 0 when the reference is 0 (no moment
// yet), which puts every point on the depth axis.
double DepthPlotScale(double reference);
// The x of `value` plus `offset`, truncated toward zero. Coordinates beyond the int
// range are held at its ends; a position that is not a number (0 × infinity) is put on
// `offset`, which is where a zero scale puts every other value.
int DepthPlotX(double scale, double value, int offset);
// The label of `value`: int(value × 100) / 100 in whole numbers, i.e. cut toward zero.
// A product beyond the int range is held at its ends; not a number gives 0.
int DepthPlotLabel(double value);

inline int DepthPlotRowY(int row) {
    return kRowPixels * row + kPlotTop;
}

// Draws on any surface with MoveTo, LineTo and TextOut in device pixels (the forms'
// CPaintDC). Labels are written as by "%d"; drawing text does not move the current point.
template <class DC> void DrawDepthPlot(DC& dc, const DepthPlotSeries& series) {
    dc.MoveTo(kDepthAxisX, kPlotTop);
    dc.LineTo(kDepthAxisX, kDepthAxisBottom);
    dc.MoveTo(kValueAxisLeft, kPlotTop);
    dc.LineTo(kValueAxisRight, kPlotTop);

    const double scale = DepthPlotScale(series.reference);
    for (const double* values : {series.moment, series.shear}) {
        if (series.points <= 0)
            continue;
        // The first line has no length: it starts where the pen was put.
        dc.MoveTo(DepthPlotX(scale, values[0], kDepthAxisX), kPlotTop);
        for (int i = 0; i < series.points; ++i) {
            const int y = DepthPlotRowY(i);
            dc.TextOut(DepthPlotX(scale, values[i], kDepthAxisX + kLabelGap), y,
                       QString::number(DepthPlotLabel(values[i])));
            dc.LineTo(DepthPlotX(scale, values[i], kDepthAxisX), y);
        }
    }
}
