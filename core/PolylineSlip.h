#pragma once

#include "CalcOutcome.h"
#include "PolylineSlipRecord.h"

// Stability factor of the three-segment slip surface: looks up the grades of the two
// list selections (-1 for none) and writes m_ft, m_fyv and m_ks. Refuses, without
// touching the record, inputs that the strip loops cannot survive.
CalcOutcome ComputePolylineSlip(PolylineSlipRecord& r, int concreteIndex, int rebarIndex);
