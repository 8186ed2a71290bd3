#pragma once

#include "CombinedActionRecord.h"
#include "HighCapRecord.h"
#include "ReportContent.h"
#include "ThoroughCircleShown.h"

#include <optional>
#include <vector>

namespace korvane {

// The figures of section 2 for a record as read from its case; `computed` when its
// calculation went through, so that results (the critical circle) may be drawn.
// With `thorough`, the circle of the thorough search is drawn beside the critical one.
std::vector<ReportBlock> SectionDrawings(const CircularSlipRecord& r, bool computed,
                                         const std::optional<ThoroughShown>& thorough = {});
std::vector<ReportBlock> SectionDrawings(const PolylineSlipRecord& r, bool computed);
std::vector<ReportBlock> SectionDrawings(const CombinedActionRecord& r, bool computed);
std::vector<ReportBlock> SectionDrawings(const HighCapRecord& r, bool computed);

// Depth below the pile top (the cap underside) of each point of a pile calculator's
// depth series: z_j / α + l0, with α of the chosen concrete and the side soil.
std::vector<double> SeriesDepths(const CombinedActionRecord& r, int concreteIndex, int count);
std::vector<double> SeriesDepths(const HighCapRecord& r, int concreteIndex, int count);

// The moment and shear charts of a calculated pile record.
DepthChartPair PileCharts(const std::vector<double>& depths, const std::vector<double>& moment,
                          const std::vector<double>& shear, double groundDepth);

} // namespace korvane
