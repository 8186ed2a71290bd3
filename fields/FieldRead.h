#pragma once

#include "MemberTable.h"
#include "Problem.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace korvane {

// Reading a field's text into a member, the one way both the forms' exchange and the
// calculator command do it: the text is read by the field rules (FieldText.h); text
// that is refused leaves the member as it was; a number that is read is assigned,
// then checked against the member's range, and a value out of range stays assigned
// (the form shows it again and the next reading refuses it again). The result is
// the message for the user, none when the member took the value without complaint.

Problem ReadField(std::string_view text, double& value,
                  std::optional<FieldRange> range = std::nullopt);
Problem ReadField(std::string_view text, int& value,
                  std::optional<FieldRange> range = std::nullopt);

// The last step of ReadField alone, for an exchange that lists a member's range check
// as an entry of its own after the member's field.
Problem RangeMessage(double value, FieldRange range);
Problem RangeMessage(int value, FieldRange range);

template <class Record>
Problem ReadMember(Record& record, const MemberInfo<Record>& info, std::string_view text) {
    return std::visit([&](auto member) { return ReadField(text, record.*member, info.range); },
                      info.member);
}

} // namespace korvane
