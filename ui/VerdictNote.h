#pragma once

#include "DesignChecks.h"

#include <QString>
#include <vector>

namespace korvane {

// The verdicts of a calculation as the note under a form's commands, in rich text:
// "验算：稳定安全系数 ks ≥ [K] 满足 (1.67 ≥ 1.35)；…". A check the results fail, or one
// that could not be made, is in red: either way the design is not shown to hold. Empty
// for no checks.
QString VerdictNote(const std::vector<DesignCheck>& checks);

// A note as long as the verdicts against `limits` can be expected to be, for keeping
// room for them before anything is calculated: every check failed, with a value about as
// long as its limit.
QString VerdictNoteSample(const QString& calculator, const DesignLimits& limits);

} // namespace korvane
