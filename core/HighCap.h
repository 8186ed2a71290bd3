#pragma once

#include "CalcOutcome.h"
#include "HighCapRecord.h"

// The largest moment and shear in the piles of a high-cap group: looks up the
// concrete grade of the list selection (-1 for none) and writes the looked-up
// materials, the cap and pile results and the 41-point depth series. Refuses,
// without touching the record, inputs that cannot be computed (no grade, pile counts).
CalcOutcome CalculateHighCapForces(HighCapRecord& r, int concreteIndex);
