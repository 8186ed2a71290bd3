#pragma once

#include "ThoroughCircleSearch.h"

#include <string>
#include <vector>

namespace korvane {

// The thorough circle as text beside the circular form's results.

// One shown value: its name for the calculator command and its text as a result field
// shows it, or "undefined" where the value is no result.
struct ThoroughLine {
    const char* name;
    std::string text;
};

// thoroughKs, thoroughR, thoroughX, thoroughY, cut and formatted as the form's ks, R, x
// and y fields are.
std::vector<ThoroughLine> ThoroughCircleLines(const ThoroughCircle& t);

// "存在稳定系数更低的滑动圆：ks = 0.741，比搜索结果低 6.2%" when the thorough circle's factor
// lies below the shown factor formKs (m_ks after the search) by more than the margin,
// otherwise "". The factor is rounded to three decimals, one more than its field shows,
// and the difference to one.
std::string ThoroughLowerSentence(double formKs, const ThoroughCircle& t);

} // namespace korvane
