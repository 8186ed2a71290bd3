#include "Grades.h"

namespace korvane {

namespace {
constexpr ConcreteGrade kConcrete[kConcreteGradeCount] = {
    {1.43, 14.3, 30000000.0}, {1.57, 16.7, 31500000.0}, {1.71, 19.1, 32500000.0},
    {1.80, 21.1, 33500000.0}, {1.89, 23.1, 34500000.0}, {1.96, 25.3, 35500000.0},
    {1.27, 11.9, 28000000.0},
};
constexpr double kRebarFyv[kRebarGradeCount] = {210.0, 300.0, 360.0, 270.0};
constexpr const char* kConcreteNames[kConcreteGradeCount] = {"C30", "C35", "C40", "C45",
                                                             "C50", "C55", "C25"};
constexpr const char* kRebarNames[kRebarGradeCount] = {"HPB235", "HRB335", "HRB400", "HPB300"};

// Table rows in list order: by strength.
constexpr int kConcreteListRows[kConcreteGradeCount] = {6, 0, 1, 2, 3, 4, 5};
constexpr int kRebarListRows[kRebarGradeCount] = {0, 3, 1, 2};
} // namespace

ConcreteGrade ConcreteGradeTable(int index) {
    if (index < 0 || index >= kConcreteGradeCount)
        return {0.0, 0.0, 0.0};
    return kConcrete[index];
}

double RebarGradeTable(int index) {
    if (index < 0 || index >= kRebarGradeCount)
        return 0.0;
    return kRebarFyv[index];
}

const char* ConcreteGradeName(int index) {
    return index >= 0 && index < kConcreteGradeCount ? kConcreteNames[index] : "";
}

const char* RebarGradeName(int index) {
    return index >= 0 && index < kRebarGradeCount ? kRebarNames[index] : "";
}

int ConcreteRowAt(int position) {
    return position >= 0 && position < kConcreteGradeCount ? kConcreteListRows[position] : position;
}

int RebarRowAt(int position) {
    return position >= 0 && position < kRebarGradeCount ? kRebarListRows[position] : position;
}

} // namespace korvane
