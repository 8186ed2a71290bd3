#pragma once

#include "CaseExtras.h"
#include "DesignChecks.h"
#include "ReportContent.h"

#include <vector>

namespace korvane {

// The parts of a report that show the work behind the results and judge them: the
// verdicts against the engineer's limits, the appendix with the calculation step by step
// (each sum recomputed from its rows beside the calculation's own), and the sign-off.

// A number in a table of the work, fixed to `decimals`; "—" for one that is not finite.
QString Fixed(double value, int decimals);

// 验算: one row per check (item, computed value, limit, basis, verdict), or a sentence
// saying that the case holds no limits.
ReportSection CheckSection(const std::vector<DesignCheck>& checks);

// 附录 计算过程: the circles (critical and thorough), the polyline, or the pile group.
ReportSection WorkAppendix(const CalculationDetail& detail);

// 签署: 计算, 校核, 审核 with the names the report was given.
ReportSection SignOffSection(const ReportMeta& meta);

// The pile group's axial forces as the results section states them: the largest, the
// smallest and the mean, with where they act.
ReportTable PileForceTable(const PileGroupDetail& group);

// A sentence on the head moment beside the largest moment the form shows: stated always,
// and said to be larger in magnitude when it is.
QString HeadMomentSentence(const PileGroupDetail& group, double shownMaximum);

} // namespace korvane
