#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korvane {

// How a form shows a member in an edit field and reads it back. Plain C++ (no
// toolkit), shared by the dialog layer and the calculator command.

// Message strings of the field exchange, by string id.
inline constexpr int IDS_ENTER_WHOLE_NUMBER = 61712;
inline constexpr int IDS_ENTER_NUMBER = 61713;
inline constexpr int IDS_INT_RANGE = 61714;
inline constexpr int IDS_DOUBLE_RANGE = 61715;
inline constexpr int IDS_INTERNAL_ERROR = 61704;
const char* FieldMessage(int stringId);

// The largest magnitude a field shows: the largest 15-digit number within the range
// of a double.
inline constexpr double kLargestShownNumber = 1.79769313486231e308;

// "%.*g" with precision 15 and a three-digit exponent (1e-005, 1e+015). Values that
// are not finite show as "inf", "-inf" or "nan" (such text is not read back).
std::string FormatNumber(double value);
// "%d".
std::string FormatWholeNumber(int value);

// Reads a decimal number from a text of at most 31 characters; nullopt when the
// field's text is refused ("请键入一个数。"), a longer text and a number beyond the range
// of a double included.
std::optional<double> ParseNumber(std::string_view text);
// Reads a base-10 whole number from a text of at most 31 characters, clamped to the
// 32-bit range; nullopt when refused ("请键入一个整数。").
std::optional<int> ParseWholeNumber(std::string_view text);

// Inclusive range tests; a value that is not a number fails.
inline bool InRange(double value, double min, double max) {
    return min <= value && value <= max;
}
inline bool InRange(int value, int min, int max) {
    return min <= value && value <= max;
}

// The messages of a failed range check, with the bounds filled in.
std::string DoubleRangeMessage(double min, double max);
std::string IntRangeMessage(long min, long max);

} // namespace korvane
