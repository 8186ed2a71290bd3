#pragma once

namespace korvane {

// Material grades offered by the forms' drop-down lists. The list position is the
// table row; -1 (nothing chosen) or any index past the last row yields zeros.

struct ConcreteGrade {
    double ft; // design tensile strength, N/mm²
    double fc; // design compressive strength, N/mm²
    double Ec; // elastic modulus, kPa
};

inline constexpr int kConcreteGradeCount = 6; // "C30" .. "C55"
inline constexpr int kRebarGradeCount = 3;    // "HPB235", "HRB335", "HRB400"

ConcreteGrade ConcreteGradeTable(int index);
double RebarGradeTable(int index); // fyv of the stirrup steel, N/mm²

// Entry texts of the two lists, in list order.
const char* ConcreteGradeName(int index);
const char* RebarGradeName(int index);

// Numeric conventions shared by all calculations: degrees to radians, and the
// rounded values of pi used by the pile sections and the stirrup area.
inline constexpr double kDegToRad = 0.01745;
inline constexpr double kPi = 3.142;
inline constexpr double kQuarterPi = 0.7855;
inline constexpr double kHalfPi = 1.571;

} // namespace korvane
