#pragma once

// Which form an input of fuzz_form_exchange drives: its first byte modulo kFormCount.
// Shared with the seed writer, which is built without the dialog layer.

#include <cstdint>

namespace fuzzform {

enum class FormChoice : std::uint8_t { Circular, Polyline, Combined, HighCap };
inline constexpr int kFormCount = 4;

inline FormChoice ChooseForm(std::uint8_t firstByte) {
    return static_cast<FormChoice>(firstByte % kFormCount);
}

} // namespace fuzzform
