#pragma once

#include "CalcOutcome.h"
#include "CombinedActionRecord.h"

// The combined action of cap, piles and soil: looks up the concrete grade of the
// list selection (-1 for none) and writes the looked-up materials, the cap and pile
// results, the depth series, m_lastPoint and m_maxMoment. Refuses, without touching
// the record, inputs that cannot be computed (no grade, pile counts).
CalcOutcome CalculateCombinedAction(CombinedActionRecord& r, int concreteIndex);
