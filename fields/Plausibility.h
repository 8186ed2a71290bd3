#pragma once

#include "CaseExtras.h"
#include "MemberTable.h"

#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// Where an input means what the method takes it to mean: a height above 0, an angle
// inside its quadrant, a factor inside the range its label names. The method computes
// any value all the same, and so does every face; an input outside its range is named
// in a note beside the results, which may then mean nothing.
struct PlausibleRange {
    const char* member;
    double low = -std::numeric_limits<double>::infinity();
    bool aboveLow = false; // the value must exceed `low`, not merely reach it
    double high = std::numeric_limits<double>::infinity();
    bool belowHigh = false;
    // Another member the value must not undercut (a pile spacing, the pile diameter),
    // times `atLeastScale` to bring it into this member's unit.
    const char* atLeast = nullptr;
    double atLeastScale = 1;
};

// The ranges of the inputs of the calculator called `calculator` (none for a name
// that is no calculator).
std::span<const PlausibleRange> PlausibleRangesOf(std::string_view calculator);

namespace plausibility_detail {

template <class Record> double ValueOf(const Record& r, const MemberInfo<Record>& info) {
    if (const auto* member = std::get_if<double Record::*>(&info.member))
        return r.**member;
    return r.*std::get<int Record::*>(info.member);
}

std::string ValueText(double value, bool whole);
// "应大于 0", "应不小于 1.1 且不大于 1.6"; with the caption of the member it must not
// undercut, "应不小于桩直径d（0.8 m）".
std::string Expectation(const PlausibleRange& range, double atLeast, const char* atLeastCaption,
                        const char* unit);
// Inside the range's own bounds; a value that is no number is inside none.
bool Inside(const PlausibleRange& range, double value);

} // namespace plausibility_detail

// A note for each input of `r` outside its range, in the order of the ranges.
template <class Record>
std::vector<CaseNote> ImplausibleInputs(std::span<const PlausibleRange> ranges,
                                        MemberTable<Record> members, const Record& r) {
    using namespace plausibility_detail;
    std::vector<CaseNote> notes;
    for (const PlausibleRange& range : ranges) {
        const MemberInfo<Record>* info = FindMemberNamed(members, range.member);
        if (!info)
            continue;
        const double value = ValueOf(r, *info);
        bool inside = Inside(range, value);
        const char* atLeastCaption = nullptr;
        double atLeast = 0;
        if (range.atLeast) {
            if (const MemberInfo<Record>* other = FindMemberNamed(members, range.atLeast)) {
                atLeast = ValueOf(r, *other) * range.atLeastScale;
                inside = inside && value >= atLeast;
                // Against a member that is itself no length, only the range is said.
                if (atLeast > 0)
                    atLeastCaption = other->caption;
            }
        }
        if (inside)
            continue;
        CaseNote note;
        note.kind = CaseNote::Kind::Implausible;
        note.member = info->name;
        note.label = MemberLabel(*info);
        note.value = ValueText(value, info->kind == FieldKind::WholeNumber);
        note.expected = Expectation(range, atLeast, atLeastCaption, info->unit);
        notes.push_back(std::move(note));
    }
    return notes;
}

} // namespace korvane
