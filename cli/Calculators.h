#pragma once

#include "CalculatorCommand.h"
#include "FormMembers.h"

// The four calculators of the command, as the forms offer them.
Calculator<CircularSlipRecord> CircularCalculator();
Calculator<PolylineSlipRecord> PolylineCalculator();
Calculator<CombinedActionRecord> CombinedCalculator();
Calculator<HighCapRecord> HighCapCalculator();
