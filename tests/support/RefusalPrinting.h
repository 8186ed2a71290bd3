#pragma once

// How a failed test shows a refusal: its reason by number, its member and numbers.
#include "Refusal.h"

#include <optional>
#include <ostream>

namespace korvane {

inline void PrintTo(const Refusal& r, std::ostream* os) {
    *os << "Refusal{reason " << static_cast<int>(r.reason) << ", member \"" << r.member
        << "\", text \"" << r.text << "\", count " << r.count << ", limit " << r.limit << "}";
}

inline std::ostream& operator<<(std::ostream& os, const std::optional<Refusal>& r) {
    if (!r)
        return os << "no refusal";
    PrintTo(*r, &os);
    return os;
}

} // namespace korvane
