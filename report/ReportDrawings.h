#pragma once

#include "CaseEvaluation.h"
#include "ReportContent.h"

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

} // namespace korvane
