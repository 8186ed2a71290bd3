#pragma once

#include <vector>

namespace korvane {

// One slice of a trial circle as the slice method summed it (m, kN, kPa, rad). Loads are
// taken at the slice's right edge; the ground and slip heights of both edges give its area.
struct CircleSliceDetail {
    double leftX = 0, rightX = 0;
    double leftSlipY = 0, rightSlipY = 0;     // the circle's height at the two edges
    double leftGroundY = 0, rightGroundY = 0; // the ground's height at the two edges
    double alpha = 0;                         // the radius to the right edge, from the vertical
    double baseLength = 0;
    double area = 0;
    double weight = 0;
    double capLoad = 0;   // cap pressure on the slice width, 0 outside the cap span
    double liquefied = 0; // share of the liquefied thrust, 0 on the slope face
    double seismic = 0;
    double capHorizontal = 0; // share of the cap's horizontal load
    double vertical = 0;      // V = q·w + G
    double horizontal = 0;    // P = Fs + E + Hc
    double normal = 0;        // N = V cos α − P sin α
    double resisting = 0;     // N tan φ + c l
    double driving = 0;       // V sin α + P cos α
};

// One pile row that the circle cuts.
struct CirclePileRowDetail {
    double x = 0;
    double y = 0;          // where the row meets the circle
    double alpha = 0;      // the circle's radius there, from the vertical
    double resistance = 0; // cos α · Vp / say, per metre run
};

// A trial circle through the toe worked out slice by slice and row by row, with the sums
// the factor is made of: factor = (soilResisting + pileResisting) / driving.
struct CircleDetail {
    double x0 = 0, y0 = 0; // the centre, unrounded
    double radius = 0;
    double exitX = 0; // where the circle meets the level ground
    double sliceWidth = 0;
    std::vector<CircleSliceDetail> slices;
    std::vector<CirclePileRowDetail> pileRows;
    double pileShear = 0; // Vp, the shear resistance of one pile, kN
    double say = 0;       // the spacing across the section the resistances are shared by
    double soilResisting = 0;
    double pileResisting = 0;
    double driving = 0;
    double factor = 0;
    bool withinLimits = true; // false when a loop reached its limit; the factor is then NaN
};

} // namespace korvane
