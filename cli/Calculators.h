#pragma once

#include "CalculatorCommand.h"
#include "FormMembers.h"

namespace korvane {

// The four calculators of the command, as the forms offer them.
Calculator<CircularSlipRecord> CircularCalculator();
Calculator<PolylineSlipRecord> PolylineCalculator();
Calculator<CombinedActionRecord> CombinedCalculator();
Calculator<HighCapRecord> HighCapCalculator();

} // namespace korvane
