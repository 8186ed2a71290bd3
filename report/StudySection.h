#pragma once

#include "CaseData.h"
#include "ReportContent.h"

namespace korvane {

// The parameter study a case keeps for its report: how it was set, its chart, every
// crossing of its target and the points computed, as an appendix after the sign-off.
ReportSection StudyAppendix(const CaseData& data);

// The rows the appendix lists of a study of `points` points: every one up to
// kMostStudyRowsListed, otherwise evenly spread ones that keep the first and the last.
std::vector<int> StudyRowsListed(int points);
inline constexpr int kMostStudyRowsListed = 101;

} // namespace korvane
