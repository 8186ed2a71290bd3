#include "Calculators.h"

#include "CircularSlip.h"
#include "CombinedAction.h"
#include "Grades.h"
#include "HighCap.h"
#include "PolylineSlip.h"
#include "resource.h"

namespace korvane {

namespace {

std::vector<std::string> Entries(const char* (*name)(int), int count) {
    std::vector<std::string> entries;
    for (int i = 0; i < count; ++i)
        entries.emplace_back(name(i));
    return entries;
}

ListOption ConcreteList(const char* label) {
    return {"concrete", label, Entries(ConcreteGradeName, kConcreteGradeCount),
            KORVANE_CONTROL(IDC_COMBO_CONCRETE)};
}

ListOption RebarList() {
    return {"rebar", "钢筋型号：", Entries(RebarGradeName, kRebarGradeCount),
            KORVANE_CONTROL(IDC_COMBO_REBAR)};
}

std::vector<double> Points(const double* series, int count) {
    return std::vector<double>(series, series + count);
}

} // namespace

std::string CalculatorTitle(std::string_view name) {
    std::string title;
    WithCalculator(name, [&title](const auto& calc) { title = calc.title; });
    return title;
}

Calculator<CircularSlipRecord> CircularCalculator() {
    return {"circular",
            "圆弧条分法计算边坡建筑桩基础整体稳定",
            CircularSlipMembers(),
            {ConcreteList("桩身混凝土："), RebarList()},
            [](CircularSlipRecord& r, const std::vector<int>& sel) {
                return SearchCriticalCircle(r, sel[0], sel[1]);
            },
            {}};
}

Calculator<PolylineSlipRecord> PolylineCalculator() {
    return {"polyline",
            "折线条分法计算边坡建筑桩基础整体稳定",
            PolylineSlipMembers(),
            {ConcreteList("桩身混凝土："), RebarList()},
            [](PolylineSlipRecord& r, const std::vector<int>& sel) {
                return ComputePolylineSlip(r, sel[0], sel[1]);
            },
            {}};
}

Calculator<CombinedActionRecord> CombinedCalculator() {
    return {"combined",
            "高、低、脱空承台桩身内力及承台位移计算—共同作用方法",
            CombinedActionMembers(),
            {ConcreteList("混凝土C:")},
            [](CombinedActionRecord& r, const std::vector<int>& sel) {
                return CalculateCombinedAction(r, sel[0]);
            },
            [](const CombinedActionRecord& r) {
                // The series hold the points 0 .. m_lastPoint, at most the 41 of the grid.
                int count = r.m_lastPoint + 1;
                if (count < 0)
                    count = 0;
                if (count > CombinedActionRecord::kSeriesPoints)
                    count = CombinedActionRecord::kSeriesPoints;
                return std::vector<NamedSeries>{{"momentSeries", Points(r.m_momentSeries, count)},
                                                {"shearSeries", Points(r.m_shearSeries, count)}};
            }};
}

Calculator<HighCapRecord> HighCapCalculator() {
    return {"highcap",
            "高承台桩身最大弯矩计算—共同作用方法",
            HighCapMembers(),
            {ConcreteList("混凝土C:")},
            [](HighCapRecord& r, const std::vector<int>& sel) {
                return CalculateHighCapForces(r, sel[0]);
            },
            [](const HighCapRecord& r) {
                return std::vector<NamedSeries>{
                    {"momentSeries", Points(r.m_momentSeries, HighCapRecord::kSeriesPoints)},
                    {"shearSeries", Points(r.m_shearSeries, HighCapRecord::kSeriesPoints)}};
            }};
}

} // namespace korvane
