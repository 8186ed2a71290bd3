#include "FieldRead.h"

#include "FieldText.h"

namespace korvane {

namespace {

template <class T, class Parse>
std::string Read(std::string_view text, T& value, const std::optional<FieldRange>& range,
                 Parse parse, int refusalMessage) {
    const std::optional<T> parsed = parse(text);
    if (!parsed)
        return FieldMessage(refusalMessage);
    value = *parsed;
    return range ? RangeMessage(value, *range) : std::string();
}

} // namespace

std::string ReadField(std::string_view text, double& value, std::optional<FieldRange> range) {
    return Read(text, value, range, ParseNumber, IDS_ENTER_NUMBER);
}

std::string ReadField(std::string_view text, int& value, std::optional<FieldRange> range) {
    return Read(text, value, range, ParseWholeNumber, IDS_ENTER_WHOLE_NUMBER);
}

std::string RangeMessage(double value, FieldRange range) {
    if (InRange(value, range.min, range.max))
        return {};
    return DoubleRangeMessage(range.min, range.max);
}

// A whole-number member's bounds are whole numbers written as doubles.
std::string RangeMessage(int value, FieldRange range) {
    const int min = static_cast<int>(range.min);
    const int max = static_cast<int>(range.max);
    if (InRange(value, min, max))
        return {};
    return IntRangeMessage(min, max);
}

} // namespace korvane
