#pragma once

#include <string>
#include <vector>

namespace korvane {

// What a calculation tells its caller besides the record it wrote.
struct CalcOutcome {
    // Non-empty when the inputs were refused: nothing was computed, the record's
    // results are untouched, and this short message is for the user.
    std::string refusal;
    // Members (names without "m_", in declaration order) whose shown value was cut
    // from a result that is not a finite number: the shown 0 is not a result.
    std::vector<std::string> undefined;

    bool computed() const { return refusal.empty(); }
    static CalcOutcome Refused(std::string message) { return {std::move(message), {}}; }
};

} // namespace korvane
