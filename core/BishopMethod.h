#pragma once

#include "CircleDetail.h"
#include "CircularSlipRecord.h"
#include "ThoroughCircleSearch.h"

namespace korvane {

// The simplified Bishop method on the slices of the form's own scheme: the same slices
// (a tenth of the radius wide, loads at the right edge), the same loads V = q·w + G and
// P = Fs + E + Hc, and the same pile resistance Sp, with the normal force taken from the
// vertical equilibrium of each slice instead of its normal direction:
//   F = [Σ (c·l·cos α + V·tan φ) / m + Sp] / Σ (V·sin α + P·cos α),
//   m = cos α + tan φ·sin α / F,
// iterated from the circle's ordinary factor until two values differ by less than the
// tolerance. With φ = 0 it is the ordinary factor.
inline constexpr double kBishopTol = 1e-9;
inline constexpr int kBishopMaxIterations = 500;
// Where m falls below this, the method is commonly held to lose its footing.
inline constexpr double kBishopLowM = 0.2;

enum class BishopOutcome {
    Converged,
    NoSlices,     // the circle has no slices or no finite ordinary factor to start from
    MNotPositive, // a slice's m reached 0 or below on the way
    NotConverged, // no two successive values came within the tolerance
    NotFinite,    // a value on the way was not a number
};

struct BishopFactor {
    BishopOutcome outcome = BishopOutcome::NoSlices;
    double factor = 0; // the converged F; meaningful only when Converged
    int iterations = 0;
    double leastM = 0; // the smallest m of the last iteration (the one that failed on MNotPositive)
    int leastMSlice = -1; // its slice, counted from the toe from 0
    bool Defined() const { return outcome == BishopOutcome::Converged; }
};

// The Bishop factor of one circle worked out by DescribeCircle on `working` (c and φ
// are the record's).
BishopFactor BishopFactorOf(const CircleDetail& circle, const CircularSlipRecord& working);

// The least Bishop factor over the thorough search's family of circles (the same sector,
// bounds, grid and refinement, with the Bishop factor as the measure); circles whose
// Bishop factor is undefined are passed over. On a working record (grades looked up,
// spacings in force).
struct BishopLeast {
    ThoroughCircle circle; // found, ks (the least Bishop factor), centre and radius
    BishopFactor factor;   // of that circle
};
BishopLeast LeastBishopCircle(const CircularSlipRecord& working);

} // namespace korvane
