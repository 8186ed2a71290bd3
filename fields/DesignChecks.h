#pragma once

#include "CaseExtras.h"
#include "DesignLimits.h"

#include <optional>
#include <string>
#include <vector>

namespace korvane {

// One verdict of a calculation against a limit of the engineer's.
struct DesignCheck {
    enum class Relation { AtLeast, AtMost };

    std::string name;                      // "ks", "Ra", "Ra.max", "x0", "M", "Q"
    std::string item;                      // what is checked: "稳定安全系数 ks ≥ [K]"
    std::string unit;                      // of the value and the limit
    Relation relation = Relation::AtLeast; // the value must be at least, or at most, the limit
    // The computed value, unrounded; none when the calculation gave none to check.
    std::optional<double> value;
    std::string valueText; // as a field shows it
    double limit = 0;      // what the value is compared with
    std::string limitText; // "1.35", "1.2 × 1500 = 1800"
    std::string basis;
    bool met = false; // the unrounded value meets the limit
};

// "满足", "不满足", or "无法验算" when there was no value to check.
std::string VerdictWord(const DesignCheck& check);
// "满足 (1.67 ≥ 1.35)"; a check without a value says why.
std::string VerdictLine(const DesignCheck& check);

// The checks of a calculation's results against the limits it applies to, in the
// calculator's order. The facts come from its step-by-step detail, so the calculation must
// have been asked for it.
std::vector<DesignCheck> DesignChecks(std::string_view calculator, const CaseExtras& extras,
                                      const DesignLimits& limits);

// The names of the checks DesignChecks makes against `limits`, in its order.
std::vector<std::string> DesignCheckNames(std::string_view calculator, const DesignLimits& limits);

} // namespace korvane
