#pragma once

#include <optional>
#include <span>
#include <variant>

// Describes the `double` and `int` members of a form record in declaration order:
// the name the command line uses (the member without "m_"), the control that shows
// it, its label and unit, and the inclusive range the form checks, if any. The
// forms' binding lists and `korvane-calc` read the same table.

enum class FieldKind {
    Number,      // edit field holding a decimal number
    WholeNumber, // edit field holding a whole number
    Radio,       // radio group, by position within the group
    None,        // no control: never shown in a form
};

struct FieldRange {
    double min;
    double max;
};

template <class Record> struct MemberInfo {
    const char* name;
    std::variant<double Record::*, int Record::*> member;
    FieldKind kind;
    int controlId; // 0 when the member has no control
    const char* label;
    const char* unit;
    std::optional<FieldRange> range = std::nullopt;
};

template <class Record> using MemberTable = std::span<const MemberInfo<Record>>;

// The entry of `table` whose member is `member`, or nullptr.
template <class Record, class T>
const MemberInfo<Record>* FindMember(MemberTable<Record> table, T Record::*member) {
    for (const auto& info : table) {
        if (const auto* p = std::get_if<T Record::*>(&info.member); p && *p == member)
            return &info;
    }
    return nullptr;
}
