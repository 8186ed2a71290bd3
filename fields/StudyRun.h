#pragma once

#include "CaseData.h"
#include "Study.h"

#include <atomic>
#include <optional>
#include <string>
#include <vector>

namespace korvane {

// A parameter study computed: every point of the range as the single case of its text,
// in parallel, answered in the order of the range.

struct StudyPointAnswer {
    double value = 0;                          // of the input
    std::string text;                          // the input's text, as its field shows it
    bool done = false;                         // computed before the study was cancelled
    bool computed = false;                     // the calculation ran and went through
    std::string status;                        // as a batch row states it
    std::vector<std::optional<double>> values; // per quantity, unrounded; none where undefined
    std::vector<std::string> texts;            // per quantity, as its field shows it; "" for none
};

struct StudyAnswer {
    std::vector<StudyQuantity> quantities; // what each point answers, in this order
    std::vector<StudyPointAnswer> points;
    std::optional<StudySolution> solution; // when the study has a target and was not cancelled
    bool cancelled = false;

    // The column of `name` among the quantities; -1 when the study did not compute it.
    int ColumnOf(std::string_view name) const;
};

// Shared with the thread that asked for a study: how many points are done, and a request
// to stop (the points begun are finished, no others started).
struct StudyProgress {
    std::atomic<int> done{0};
    std::atomic<bool> cancel{false};
};

// The quantities a study of `settings` answers: every result a field shows, then the
// charted one when it is no field's.
std::vector<std::string> StudyColumns(std::string_view calculator, const StudySettings& settings);

// Why `settings` cannot be studied on the calculator called `calculator`, or nothing: the
// input must be a numeric input, the points 2 to kMostStudyPoints, the ends different and
// finite, the result something the study can chart.
Problem StudySettingsProblem(std::string_view calculator, const StudySettings& settings);

// Computes the study of `settings` on `base` on `threads` threads (at least one), and
// bisects the crossings of its target to `tolerance` (by default a thousandth of the
// range). `base` must be a case of a known calculator and `settings` free of
// StudySettingsProblem.
StudyAnswer RunStudy(const CaseData& base, const StudySettings& settings, unsigned threads,
                     StudyProgress* progress = nullptr,
                     std::optional<double> tolerance = std::nullopt);

} // namespace korvane
