#pragma once

#include "ThoroughCircleSearch.h"

#include <string>
#include <vector>

namespace korvane {

// The thorough circle beside the form's result: cut as the critical circle search cuts
// what it writes into m_ks, m_R, m_x and m_y, and compared with the factor the form shows.
struct ThoroughShown {
    double ks = 0, R = 0, x = 0, y = 0;
    // Names ("x", "y", "ks", "R", in the record's order) whose value is not a finite number,
    // so that the shown 0 is no result; all four when the search found no circle.
    std::vector<std::string> undefined;
};

ThoroughShown ShowThoroughCircle(const ThoroughCircle& t);

// The form shows its factor cut to hundredths; a circle counts as lower only when its
// factor undercuts the shown one by more than half of that last digit.
inline constexpr double kThoroughLowerMargin = 0.005;

// formKs: the factor the form shows (m_ks after the critical circle search).
bool ThoroughIsLower(double formKs, const ThoroughCircle& t);

// How far the thorough factor lies below formKs, in percent of formKs.
double ThoroughPercentBelow(double formKs, const ThoroughCircle& t);

} // namespace korvane
