#pragma once

#include "CircularSlip.h"
#include "CircularSlipRecord.h"
#include "Grades.h"
#include "PolylineSlipRecord.h"

#include <cmath>
#include <cstring>
#include <type_traits>

using namespace korvane;

// Table rows of the grades used by the worked examples.
inline constexpr int kNoGrade = -1;
inline constexpr int kC30 = 0;
inline constexpr int kC40 = 2;
inline constexpr int kC55 = 5;
inline constexpr int kHPB235 = 0;
inline constexpr int kHRB335 = 1;
inline constexpr int kHRB400 = 2;

// A circular record as the search hands it to one circle: the form's pile spacing of 0
// taken as the substitute and the grades looked up.
inline CircularSlipRecord CircleWorkingRecord(int concrete, int rebar) {
    return CircleSearchWorkingRecord(CircularSlipRecord(), concrete, rebar);
}

inline PolylineSlipRecord PolylineWorkingRecord(int concrete, int rebar) {
    PolylineSlipRecord r;
    r.m_ft = ConcreteGradeTable(concrete).ft;
    r.m_fyv = RebarGradeTable(rebar);
    return r;
}

// Byte-for-byte equality, so that a NaN input compares equal to itself.
template <class Record> bool SameBytes(const Record& a, const Record& b) {
    static_assert(std::is_trivially_copyable_v<Record>);
    return std::memcmp(&a, &b, sizeof(Record)) == 0;
}

// Crest abscissa as both calculators place it.
inline double CrestX(double h, double betaDeg) {
    return h / std::tan(betaDeg * kDegToRad);
}
