#pragma once

#include "CalcOutcome.h"
#include "CircularSlipRecord.h"

// Stability factor of one trial circle through the toe with centre (x0, y0).
// The caller has set m_ft and m_fyv and passes spacings greater than 0.
double CircleSafetyFactor(const CircularSlipRecord& r, double x0, double y0);

// The critical circle search behind the calculate button: looks up the grades of the
// two list selections (-1 for none), searches the rays and writes m_ft, m_fyv, m_x,
// m_y, m_ks and m_R. Refuses, without touching the record, inputs that the search
// cannot survive.
CalcOutcome SearchCriticalCircle(CircularSlipRecord& r, int concreteIndex, int rebarIndex);
