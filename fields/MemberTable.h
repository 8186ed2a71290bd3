#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace korvane {

// One row for each `double` and `int` member of a form record, in declaration order:
// what the command line calls it, what it is to the user (label, symbol, unit), how
// its form shows it and which range the form checks. The order is the form's binding
// order: its exchange walks the rows. The calculator command, case files, batches,
// reports, the fuzz targets and the tests read the same rows.
//
// Roles, decided member by member:
//   Input    - shown in a field or radio group of the form and typed or chosen by the
//              user; a calculation may tidy one (a pile spacing of 0 stands for none)
//              but never fills it with an answer.
//   Result   - shown in a field of the form and written by the calculation; whatever
//              the field held before is replaced or, where the calculation finds
//              nothing to show, left as it was.
//   Internal - no control at all: materials looked up from the chosen grades, section
//              values derived from the inputs, the depth plot's scale and length, and
//              the fixed parameters of the circle search.
// So a row has a control exactly when it is not internal.

enum class MemberRole { Input, Result, Internal };

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

// The control that shows a member: its id and the name res/resource.h gives it (the
// dialog templates name their controls by that name). Rows write KORVANE_CONTROL(IDC_...),
// so that a misspelt or removed name does not compile.
struct ControlRef {
    int id = 0;            // 0: no control
    const char* name = ""; // "IDC_..."; for a radio group, its first button
};
#define KORVANE_CONTROL(idc)                                                                       \
    ::korvane::ControlRef {                                                                        \
        idc, #idc                                                                                  \
    }

template <class Record> struct MemberInfo {
    const char* name; // the member without "m_"
    std::variant<double Record::*, int Record::*> member;
    MemberRole role;
    FieldKind kind;
    ControlRef control;
    // What the form or a report calls it, without a trailing colon; for a radio group
    // the group's name, which MemberLabel completes with its positions.
    const char* caption;
    const char* symbol; // as in formulas and figures ("sax", "ks", "Ec"); "" when none
    const char* unit;   // "" for a pure number
    std::optional<FieldRange> range = std::nullopt;
    // FieldKind::Radio: what each button of its group means, by position (0, 1, ...).
    // Not a range: the form's exchange reads a group as the button checked (-1 for none)
    // and checks nothing, while a case is refused for a position the group lacks.
    std::span<const char* const> positions = {};

    int RadioButtons() const { return static_cast<int>(positions.size()); }
};

template <class Record> using MemberTable = std::span<const MemberInfo<Record>>;

// The label of a member as the form's label reads, a radio group's with the meaning of
// each position ("桩型：0 端承型桩，1 摩擦型桩").
template <class Record> std::string MemberLabel(const MemberInfo<Record>& info) {
    std::string label = info.caption;
    for (std::size_t i = 0; i < info.positions.size(); ++i)
        label += (i == 0 ? "：" : "，") + std::to_string(i) + " " + info.positions[i];
    return label;
}

// The row of `table` called `name`, or nullptr.
template <class Record>
const MemberInfo<Record>* FindMemberNamed(MemberTable<Record> table, std::string_view name) {
    for (const auto& info : table) {
        if (name == info.name)
            return &info;
    }
    return nullptr;
}

} // namespace korvane
