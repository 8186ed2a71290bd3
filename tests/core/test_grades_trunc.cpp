#include "Grades.h"
#include "Trunc2.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

using namespace korvane;

TEST(Grades, ConcreteRowsByTableRow) {
    const ConcreteGrade c40 = ConcreteGradeTable(2);
    EXPECT_EQ(c40.ft, 1.71);
    EXPECT_EQ(c40.fc, 19.1);
    EXPECT_EQ(c40.Ec, 32500000.0);
    EXPECT_EQ(ConcreteGradeTable(0).Ec, 30000000.0);
    EXPECT_EQ(ConcreteGradeTable(5).fc, 25.3);
    EXPECT_STREQ(ConcreteGradeName(5), "C55");
}

TEST(Grades, RebarRowsByTableRow) {
    EXPECT_EQ(RebarGradeTable(0), 210.0);
    EXPECT_EQ(RebarGradeTable(1), 300.0);
    EXPECT_EQ(RebarGradeTable(2), 360.0);
    EXPECT_STREQ(RebarGradeName(1), "HRB335");
}

TEST(Grades, NoSelectionOrPastTheEndYieldsZeros) {
    for (int index : {-1, 7, 100, std::numeric_limits<int>::min()}) {
        const ConcreteGrade g = ConcreteGradeTable(index);
        EXPECT_EQ(g.ft, 0.0);
        EXPECT_EQ(g.fc, 0.0);
        EXPECT_EQ(g.Ec, 0.0);
    }
    EXPECT_EQ(RebarGradeTable(-1), 0.0);
    EXPECT_EQ(RebarGradeTable(4), 0.0);
    EXPECT_EQ(ConcreteGradeTable(7).Ec, 0.0);
}

// The grades of current codes come after the rows older cases were recorded with, and
// the lists show every grade by strength.
TEST(Grades, AddedGradesKeepTheOldRowsAndListByStrength) {
    const ConcreteGrade c25 = ConcreteGradeTable(ConcreteRowAt(0));
    EXPECT_EQ(c25.ft, 1.27);
    EXPECT_EQ(c25.fc, 11.9);
    EXPECT_EQ(c25.Ec, 28000000.0);
    EXPECT_EQ(RebarGradeTable(RebarRowAt(1)), 270.0);

    std::vector<std::string> concrete, rebar;
    for (int i = 0; i < kConcreteGradeCount; ++i)
        concrete.emplace_back(ConcreteGradeName(ConcreteRowAt(i)));
    for (int i = 0; i < kRebarGradeCount; ++i)
        rebar.emplace_back(RebarGradeName(RebarRowAt(i)));
    EXPECT_EQ(concrete,
              (std::vector<std::string>{"C25", "C30", "C35", "C40", "C45", "C50", "C55"}));
    EXPECT_EQ(rebar, (std::vector<std::string>{"HPB235", "HPB300", "HRB335", "HRB400"}));
    // Strength rises down each list.
    for (int i = 1; i < kConcreteGradeCount; ++i)
        EXPECT_LT(ConcreteGradeTable(ConcreteRowAt(i - 1)).fc,
                  ConcreteGradeTable(ConcreteRowAt(i)).fc);
    for (int i = 1; i < kRebarGradeCount; ++i)
        EXPECT_LT(RebarGradeTable(RebarRowAt(i - 1)), RebarGradeTable(RebarRowAt(i)));
    // No choice, and a position past the list, stay no grade.
    for (int position : {-1, kConcreteGradeCount, 1000})
        EXPECT_EQ(ConcreteGradeTable(ConcreteRowAt(position)).Ec, 0.0);
    EXPECT_EQ(RebarGradeTable(RebarRowAt(kRebarGradeCount)), 0.0);
}

TEST(Trunc2, CutsTowardZeroWithoutRounding) {
    EXPECT_EQ(Trunc2(1.239), 1.23);
    EXPECT_EQ(Trunc2(-1.239), -1.23);
    EXPECT_EQ(Trunc2(2.999), 2.99);
    EXPECT_EQ(Trunc2(12.3456), 12.34);
    EXPECT_EQ(Trunc2(4.857), 4.85);
    EXPECT_EQ(Trunc2(-4.857), -4.85);
}

TEST(Trunc2, SmallNegativeCutsToPlusZero) {
    const double cut = Trunc2(-0.005);
    EXPECT_EQ(cut, 0.0);
    EXPECT_FALSE(std::signbit(cut));
    EXPECT_FALSE(std::signbit(Trunc2(-0.0)));
}

TEST(Trunc2, NotFiniteShowsZero) {
    EXPECT_EQ(Trunc2(std::numeric_limits<double>::infinity()), 0.0);
    EXPECT_EQ(Trunc2(-std::numeric_limits<double>::infinity()), 0.0);
    EXPECT_EQ(Trunc2(std::numeric_limits<double>::quiet_NaN()), 0.0);
}

TEST(Trunc2, LargeValuesDoNotWrap) {
    // Beyond ±21474836.47 a 32-bit count of hundredths would wrap around.
    EXPECT_EQ(Trunc2(21474836.479), 21474836.47);
    EXPECT_EQ(Trunc2(123456789.129), 123456789.12);
    EXPECT_EQ(Trunc2(-5e9), -5e9);
    EXPECT_EQ(Trunc2(1e300), 1e300);
    EXPECT_EQ(Trunc2(std::numeric_limits<double>::max()), std::numeric_limits<double>::max());
}

TEST(TruncRotation, TenMillionThenHundredths) {
    EXPECT_EQ(TruncRotation(2.43340e-5), 2.43);
    EXPECT_EQ(TruncRotation(-2.63699e-4), -26.36);
    EXPECT_EQ(TruncRotation(std::numeric_limits<double>::quiet_NaN()), 0.0);
    EXPECT_FALSE(std::signbit(TruncRotation(-1e-12)));
    EXPECT_EQ(TruncRotation(1.0), 100000.0); // 1 rad would wrap a 32-bit cut
}
