#pragma once

#include "Problem.h"

#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// The limits an engineer checks a design against, each with the clause or source it rests
// on. None is assumed: a check is made only against a limit the case holds.

struct DesignLimit {
    double value = 0; // positive
    std::string basis; // "GB 50330-2013 表5.3.2（永久边坡，一般工况，一级）"; may be empty
};

// By limit name (LimitInfo::name).
using DesignLimits = std::map<std::string, DesignLimit>;

struct LimitInfo {
    const char* name;  // in case files and on the command line: "ks", "Ra", "x0", "M", "Q"
    const char* label; // "要求安全系数 [K]"
    const char* unit;  // "", "kN", "mm", "kN·m"
};

// The limits a calculator's results can be checked against, in the order a report lists
// them; empty for a name that is no calculator.
std::vector<const LimitInfo*> LimitsOf(std::string_view calculator);
// The limit called `name` among those of `calculator`, or nullptr.
const LimitInfo* FindLimit(std::string_view calculator, std::string_view name);

// A value often taken for a limit, with the clause it comes from.
struct LimitPreset {
    const char* limit; // LimitInfo::name
    double value;      // 0: the clause gives the method, the value is the engineer's
    const char* basis;
};
std::span<const LimitPreset> LimitPresets();

// Reads a limit's text by the field rules; a limit must be a number greater than 0.
Problem ReadLimitValue(const LimitInfo& limit, std::string_view text, double& value);

} // namespace korvane
