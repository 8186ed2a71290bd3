#pragma once

#include "Drawing.h"

namespace korvane {

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

// The plot as lines and texts: the two axes first, then each series from its first
// point, which starts with a line of no length, to its last. Each point's label (its
// value as by "%d") lies kLabelGap right of the point, its top on the point's row.
Drawing DepthPlotDrawing(const DepthPlotSeries& series);

} // namespace korvane
