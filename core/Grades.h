#pragma once

namespace korvane {

// Material grades offered by the forms' drop-down lists. A table row, once given to a
// grade, keeps it: grades added later take new rows at the end, so that a row recorded
// before they came keeps its meaning. The lists show the grades by strength, which the
// list position functions below turn into table rows. -1 (nothing chosen) or any index
// past the last row yields zeros.

struct ConcreteGrade {
    double ft; // design tensile strength, N/mm²
    double fc; // design compressive strength, N/mm²
    double Ec; // elastic modulus, kPa
};

inline constexpr int kConcreteGradeCount = 7; // "C30" .. "C55", then "C25"
inline constexpr int kRebarGradeCount = 4;    // "HPB235", "HRB335", "HRB400", then "HPB300"

ConcreteGrade ConcreteGradeTable(int index);
double RebarGradeTable(int index); // fyv of the stirrup steel, N/mm²

// Names of the grades, by table row.
const char* ConcreteGradeName(int index);
const char* RebarGradeName(int index);

// The table row of the grade at `position` in its list ("C25", "C30" ... "C55";
// "HPB235", "HPB300", "HRB335", "HRB400"). A position that is no entry (-1 for none,
// or past the last) is returned as it is, so that it still yields zeros.
int ConcreteRowAt(int position);
int RebarRowAt(int position);

// Numeric conventions shared by all calculations: degrees to radians, and the
// rounded values of pi used by the pile sections and the stirrup area.
inline constexpr double kDegToRad = 0.01745;
inline constexpr double kPi = 3.142;
inline constexpr double kQuarterPi = 0.7855;
inline constexpr double kHalfPi = 1.571;

} // namespace korvane
