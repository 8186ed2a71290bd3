#pragma once

#include "DesignLimits.h"
#include "StudySettings.h"

#include <map>
#include <optional>
#include <string>

namespace korvane {

// One form's inputs as the user sees them: what a case file keeps, a batch row
// gives and a report states. Texts are field texts exactly as shown ("1.4", "1d2");
// radio groups hold their position as a whole number; lists hold the entry text,
// "" when nothing is chosen.
struct CaseData {
    std::string calculator;                        // "circular", ...
    std::map<std::string, std::string> selections; // list name -> entry text
    std::map<std::string, std::string> inputs;     // member name -> field text
    bool calculated = false;                       // the results were computed from these inputs
    std::map<std::string, std::string> results;    // member name -> field text, when calculated
    DesignLimits limits;                           // what the results are checked against
    std::optional<StudySettings> study;            // a parameter study of the case
};

} // namespace korvane
