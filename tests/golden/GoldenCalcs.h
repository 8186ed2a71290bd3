#pragma once

// The four calculations as the golden master sees them: the file that holds their
// cases, how many drop-down lists they take, the recorded fields and the call.

#include "CaseMessages.h"
#include "CircularSlip.h"
#include "CombinedAction.h"
#include "FormMembers.h"
#include "GoldenFields.h"
#include "HighCap.h"
#include "PolylineSlip.h"

#include <limits>
#include <string>
#include <vector>

using namespace korvane;

// The cases were recorded when the grade tables held six concrete rows and three of
// stirrup steel; the grades added since took the rows after those. A row that was past
// the tables then was no grade, and is still read as none.
inline int RecordedConcreteRow(int row) {
    return row >= 6 ? std::numeric_limits<int>::max() : row;
}
inline int RecordedRebarRow(int row) {
    return row >= 3 ? std::numeric_limits<int>::max() : row;
}

template <class Record> struct GoldenCalc {
    const char* name; // data/<name>.golden.gz
    int lists;        // 2: concrete and stirrup steel; 1: concrete only
    std::vector<GoldenField<Record>> fields;
    CalcOutcome (*run)(Record&, int concrete, int rebar);

    std::string FileName() const { return std::string(name) + ".golden.gz"; }
    // The refusal of an outcome in the user's words, as the files keep it; "" when
    // it computed.
    std::string Refused(const CalcOutcome& outcome) const {
        std::string words;
        if (outcome.refusal)
            WithCalculator(name,
                           [&](const auto& calc) { words = RefusalText(calc, *outcome.refusal); });
        return words;
    }
};

inline GoldenCalc<CircularSlipRecord> CircularGolden() {
    return {
        "circular", 2, GoldenFieldsOf<CircularSlipRecord>(korvane::CircularSlipMembers(), {}, 0),
        [](CircularSlipRecord& r, int concrete, int rebar) {
            return SearchCriticalCircle(r, RecordedConcreteRow(concrete), RecordedRebarRow(rebar));
        }};
}

inline GoldenCalc<PolylineSlipRecord> PolylineGolden() {
    return {
        "polyline", 2, GoldenFieldsOf<PolylineSlipRecord>(korvane::PolylineSlipMembers(), {}, 0),
        [](PolylineSlipRecord& r, int concrete, int rebar) {
            return ComputePolylineSlip(r, RecordedConcreteRow(concrete), RecordedRebarRow(rebar));
        }};
}

inline GoldenCalc<CombinedActionRecord> CombinedGolden() {
    using R = CombinedActionRecord;
    return {"combined", 1,
            GoldenFieldsOf<R>(korvane::CombinedActionMembers(),
                              {{"momentSeries", [](R& r) -> double* { return r.m_momentSeries; }},
                               {"shearSeries", [](R& r) -> double* { return r.m_shearSeries; }}},
                              R::kSeriesPoints),
            [](R& r, int concrete, int) {
                return CalculateCombinedAction(r, RecordedConcreteRow(concrete));
            }};
}

inline GoldenCalc<HighCapRecord> HighCapGolden() {
    using R = HighCapRecord;
    return {"highcap", 1,
            GoldenFieldsOf<R>(korvane::HighCapMembers(),
                              {{"momentSeries", [](R& r) -> double* { return r.m_momentSeries; }},
                               {"shearSeries", [](R& r) -> double* { return r.m_shearSeries; }}},
                              R::kSeriesPoints),
            [](R& r, int concrete, int) {
                return CalculateHighCapForces(r, RecordedConcreteRow(concrete));
            }};
}
