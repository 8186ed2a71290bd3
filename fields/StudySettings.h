#pragma once

#include <optional>
#include <string>

namespace korvane {

// One numeric input of a case varied over a range, evenly from `from` to `to`.
struct StudyRange {
    std::string input;
    double from = 0, to = 0;
    int points = 0; // 2 .. kMostStudyPoints
    bool operator==(const StudyRange&) const = default;
};

// RESULT>=VALUE or RESULT<=VALUE.
struct StudyTarget {
    std::string result;
    bool atLeast = true;
    double value = 0;
    bool MetBy(double v) const { return atLeast ? v >= value : v <= value; }
    bool operator==(const StudyTarget&) const = default;
};

// A parameter study as a case keeps it: the range, the result charted against it, the
// target it is checked against (its result is `result`) and whether the calculation
// report carries it as an appendix.
struct StudySettings {
    StudyRange range;
    std::string result;
    std::optional<StudyTarget> target;
    bool inReport = false;

    bool operator==(const StudySettings&) const = default;
};

} // namespace korvane
