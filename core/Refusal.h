#pragma once

#include <string>

namespace korvane {

// Why a case or a calculation was refused, as a value: what was refused, which member,
// and the numbers its message states. The field layer turns it into the user's words
// in one place (RefusalText); callers and tests compare reasons and members.
enum class RefusalReason {
    // Reading a case into a record.
    UnknownList,       // member: the list's name
    UnknownEntry,      // member: the list's name; text: the entry
    UnknownInput,      // member
    UnknownResult,     // member
    TextRefused,       // member, text; detail: the field rule's message
    OutsideRadioGroup, // member; count: the position; limit: the group's button count
    // Inputs a calculation cannot survive.
    NotFinite,               // member
    Negative,                // member
    NotPositive,             // member
    BelowMinimum,            // member; limit: the least value taken
    TooManyPileRowsInCap,    // member: the row spacing; limit: rows
    SearchAnglesInvalid,     // the search rays span no or too many degrees
    SearchStartNotFinite,    // the first distance of a trial centre is not a finite number
    CircleSliceLimit,        // a trial circle needs more slices than a circle may have
    CirclePileRowLimit,      // a trial circle cuts more pile rows than the loop allows
    EndlessDescent,          // the factor keeps falling along a search ray
    SearchWorkLimit,         // the trial circles of a search need too much work
    SlipProjectionNotFinite, // the slip segments reach beyond the range of a double
    SlipTooLong,             // limit: strips
    FirstPileBeforeToe,      // the first pile row lies before the slip surface starts
    BeforeFirstVertex,       // a strip or a pile row lies before the first slip segment
    StripLimit,              // the strip loop reached its limit
    PolylinePileRowLimit,    // the pile row loop reached its limit
    NoConcreteGrade,         // a pile calculation needs a concrete grade
    TooFewPiles,             // member: nx or nz
    TooManyPiles,            // count: the piles of the group; limit: the largest group
};

struct Refusal {
    RefusalReason reason;
    std::string member = {};
    std::string text = {};
    std::string detail = {};
    long long count = 0;
    double limit = 0;

    friend bool operator==(const Refusal&, const Refusal&) = default;
};

} // namespace korvane
