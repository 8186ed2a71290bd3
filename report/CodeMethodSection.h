#pragma once

#include "CaseEvaluation.h"
#include "DesignLimits.h"
#include "ReportContent.h"

#include <optional>

namespace korvane {

// 按规范方法复核: the design code's own methods on the same section, loads and slices as
// the form's calculation, their factors with a verdict against the required factor when
// the case sets one, and a word that the form's results stand as computed. Only a
// calculation that went through and computed the methods has one.
std::optional<ReportSection> CodeMethodSection(const CaseEvaluation<CircularSlipRecord>& e,
                                               const DesignLimits& limits);
std::optional<ReportSection> CodeMethodSection(const CaseEvaluation<PolylineSlipRecord>& e,
                                               const DesignLimits& limits);
template <class Record>
std::optional<ReportSection> CodeMethodSection(const CaseEvaluation<Record>&, const DesignLimits&) {
    return std::nullopt;
}

} // namespace korvane
