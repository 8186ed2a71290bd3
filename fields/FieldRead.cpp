#include "FieldRead.h"

#include "FieldText.h"

namespace korvane {

namespace {

template <class T, class Parse>
Problem Read(std::string_view text, T& value, const std::optional<FieldRange>& range, Parse parse,
             int refusalMessage) {
    const std::optional<T> parsed = parse(text);
    if (!parsed)
        return Problem(FieldMessage(refusalMessage));
    value = *parsed;
    return range ? RangeMessage(value, *range) : Problem();
}

} // namespace

Problem ReadField(std::string_view text, double& value, std::optional<FieldRange> range) {
    return Read(text, value, range, ParseNumber, IDS_ENTER_NUMBER);
}

Problem ReadField(std::string_view text, int& value, std::optional<FieldRange> range) {
    return Read(text, value, range, ParseWholeNumber, IDS_ENTER_WHOLE_NUMBER);
}

Problem RangeMessage(double value, FieldRange range) {
    if (InRange(value, range.min, range.max))
        return {};
    return Problem(DoubleRangeMessage(range.min, range.max));
}

// A whole-number member's bounds are whole numbers written as doubles.
Problem RangeMessage(int value, FieldRange range) {
    const int min = static_cast<int>(range.min);
    const int max = static_cast<int>(range.max);
    if (InRange(value, min, max))
        return {};
    return Problem(IntRangeMessage(min, max));
}

} // namespace korvane
