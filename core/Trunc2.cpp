#include "Trunc2.h"

#include <cmath>

namespace korvane {

// The cut truncates the hundredths in double rather than through an integer: a
// 32-bit integer of hundredths would wrap beyond ±21474836.47, while std::trunc keeps
// large values intact and gives the same cut wherever an integer would hold them.

double Trunc2(double x) {
    if (!std::isfinite(x))
        return 0.0;
    const double hundredths = x * 100.0;
    if (!std::isfinite(hundredths))
        return x; // so large that no fraction is left to cut
    const double cut = std::trunc(hundredths) / 100.0;
    return cut == 0.0 ? 0.0 : cut; // never show -0
}

double TruncRotation(double beta) {
    const double scaled = beta * 10000000.0; // one multiplication, as in the cap results
    if (!std::isfinite(scaled))
        return 0.0;
    const double cut = std::trunc(scaled) / 100.0;
    return cut == 0.0 ? 0.0 : cut;
}

} // namespace korvane
