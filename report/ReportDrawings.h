#pragma once

#include "CaseEvaluation.h"
#include "ReportContent.h"

#include <optional>
#include <vector>

namespace korvane {

// The figures of section 2 for a case whose inputs were accepted; the results (the
// critical circle, and the thorough search's beside it) are drawn when it calculated.
std::vector<ReportBlock> SectionDrawings(const CaseEvaluation<CircularSlipRecord>& e);
std::vector<ReportBlock> SectionDrawings(const CaseEvaluation<PolylineSlipRecord>& e);
std::vector<ReportBlock> SectionDrawings(const CaseEvaluation<CombinedActionRecord>& e);
std::vector<ReportBlock> SectionDrawings(const CaseEvaluation<HighCapRecord>& e);

// The moment and shear charts of a calculated pile record.
DepthChartPair PileCharts(const std::vector<double>& depths, const std::vector<double>& moment,
                          const std::vector<double>& shear, double groundDepth);

// The charts of what a pile calculation gave besides its record, from the cap underside
// as the report draws them: the worked pile's depth points (the head and the ground
// line first) when the detail was asked for, else the depth series at their grid depths.
// Nothing when the calculation gave no depth profile.
std::optional<DepthChartPair> PileChartsOf(const CaseExtras& extras);

} // namespace korvane
