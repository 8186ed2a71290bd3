#pragma once

#include "Refusal.h"

#include <optional>
#include <string>
#include <vector>

namespace korvane {

// What a calculation tells its caller besides the record it wrote.
struct CalcOutcome {
    // Set when the inputs were refused: nothing was computed and the record's results
    // are untouched.
    std::optional<Refusal> refusal;
    // Members (names without "m_", in declaration order) whose shown value was cut
    // from a result that is not a finite number: the shown 0 is not a result.
    std::vector<std::string> undefined;

    bool computed() const { return !refusal; }
    static CalcOutcome Refused(Refusal why) { return {std::move(why), {}}; }
};

} // namespace korvane
