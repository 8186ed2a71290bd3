#include "Grades.h"
#include "Trunc2.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace korvane;

TEST(Grades, ConcreteRowsByListPosition) {
    const ConcreteGrade c40 = ConcreteGradeTable(2);
    EXPECT_EQ(c40.ft, 1.71);
    EXPECT_EQ(c40.fc, 19.1);
    EXPECT_EQ(c40.Ec, 32500000.0);
    EXPECT_EQ(ConcreteGradeTable(0).Ec, 30000000.0);
    EXPECT_EQ(ConcreteGradeTable(5).fc, 25.3);
    EXPECT_STREQ(ConcreteGradeName(5), "C55");
}

TEST(Grades, RebarRowsByListPosition) {
    EXPECT_EQ(RebarGradeTable(0), 210.0);
    EXPECT_EQ(RebarGradeTable(1), 300.0);
    EXPECT_EQ(RebarGradeTable(2), 360.0);
    EXPECT_STREQ(RebarGradeName(1), "HRB335");
}

TEST(Grades, NoSelectionOrPastTheEndYieldsZeros) {
    for (int index : {-1, 6, 100, std::numeric_limits<int>::min()}) {
        const ConcreteGrade g = ConcreteGradeTable(index);
        EXPECT_EQ(g.ft, 0.0);
        EXPECT_EQ(g.fc, 0.0);
        EXPECT_EQ(g.Ec, 0.0);
    }
    EXPECT_EQ(RebarGradeTable(-1), 0.0);
    EXPECT_EQ(RebarGradeTable(3), 0.0);
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
