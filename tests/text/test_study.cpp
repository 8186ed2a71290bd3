// The ranges and targets of a parameter study as the command line gives them.

#include "FieldText.h"
#include "Study.h"

#include <gtest/gtest.h>

using namespace korvane;

TEST(StudyRange, PointsRunFromEndToEndAndReadBackAsTheirText) {
    StudyRange r;
    ASSERT_FALSE(ReadStudyRange("sax=0.1:0.7:7", true, r));
    EXPECT_EQ(r.input, "sax");
    EXPECT_EQ(r.points, 7);
    EXPECT_EQ(StudyPoint(r, 0), 0.1);
    EXPECT_EQ(StudyPoint(r, 6), 0.7); // the end itself, not 0.1 + 6 × 0.1
    for (int i = 0; i < r.points; ++i) {
        const double v = StudyPoint(r, i);
        EXPECT_EQ(ParseNumber(StudyText(v)), v) << i;
    }
    EXPECT_EQ(StudyText(StudyPoint(r, 3)), "0.4");
    // A range may run downward.
    ASSERT_FALSE(ReadStudyRange("d=800:400", false, r));
    EXPECT_EQ(r.points, kSolveScanPoints);
    EXPECT_GT(StudyPoint(r, 0), StudyPoint(r, 1));
}

TEST(StudyRange, WhatIsNoRangeIsRefused) {
    StudyRange r;
    for (const char* text : {"sax", "=1:2:3", "sax=1:2", "sax=a:2:3", "sax=1:inf:3", "sax=1:2:3:4",
                             "sax=1:2:1", "sax=1:2:1001", "sax=1:2:3.5", "sax=2:2:5"})
        EXPECT_TRUE(ReadStudyRange(text, true, r)) << text;
    EXPECT_TRUE(ReadStudyRange("d=400:800:5", false, r));
}

TEST(StudyTarget, AtLeastOrAtMost) {
    StudyTarget t;
    ASSERT_FALSE(ReadStudyTarget("ks>=1.35", t));
    EXPECT_EQ(t.result, "ks");
    EXPECT_TRUE(t.MetBy(1.35));
    EXPECT_FALSE(t.MetBy(1.3499));
    ASSERT_FALSE(ReadStudyTarget("Ntop<=1800", t));
    EXPECT_TRUE(t.MetBy(1800));
    EXPECT_FALSE(t.MetBy(1800.01));
    for (const char* text : {"ks=1", ">=1", "ks>=", "ks>=x"})
        EXPECT_TRUE(ReadStudyTarget(text, t)) << text;
}
