#pragma once

#include "StudyRun.h"

#include <string>

namespace korvane {

// A computed study as CSV, as a sweep of the calculator command writes it: the input, each
// quantity as its field shows it, and the status of each point; the points a cancelled
// study did not reach are left out.
std::string StudyCsv(const StudyAnswer& answer, const std::string& input);

} // namespace korvane
