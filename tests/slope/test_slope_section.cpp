// What both slope calculations share: the level-ground cut of the ground line and the
// walk over the pile rows, at the edges of their tolerances and loop limit.
#include "SlopeSection.h"
#include "SlopeTestSupport.h"

#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

using namespace korvane;

namespace {

TEST(SlopeSection, GroundIsCutToTheSlopeHeightOnlyBeyondTheTolerance) {
    const SlopeSection s = SlopeSectionOf(CircularSlipRecord());
    const double justPast = (s.in.h + 0.000005) / s.slope;
    const double clearlyPast = (s.in.h + 0.00002) / s.slope;
    EXPECT_FALSE(GroundAt(s, justPast).level);
    EXPECT_EQ(GroundAt(s, justPast).y, s.slope * justPast);
    EXPECT_TRUE(GroundAt(s, clearlyPast).level);
    EXPECT_EQ(GroundAt(s, clearlyPast).y, s.in.h);
}

// A section whose rows stand at 1, 1.5, 2, ... with the cap's far edge at 2.
SlopeSection RowsFromOneToTwo() {
    SlopeSection s{};
    s.firstPileX = 1;
    s.capFar = 2;
    s.pileShear = 300;
    return s;
}

constexpr double kSax = 0.5;
constexpr double kSay = 2;
constexpr int kLimit = 100;

struct RowsSeen {
    std::vector<double> x;
    std::optional<double> operator()(double xp) {
        x.push_back(xp);
        return 0.5;
    }
};

TEST(PileRowWalk, RowsRunToTheNearerEndWithinTheTolerance) {
    SlopeSection s = RowsFromOneToTwo();
    RowsSeen seen;
    PileRowSums rows = WalkPileRows(s, 10, kSax, kSay, kLimit, std::ref(seen));
    EXPECT_EQ(rows.end, PileWalkEnd::PastTheRows);
    EXPECT_EQ(seen.x, (std::vector<double>{1, 1.5, 2}));
    EXPECT_EQ(rows.count, 3);

    s.capFar = 2 - 0.000005; // the last row still counts just inside the tolerance
    EXPECT_EQ(WalkPileRows(s, 10, kSax, kSay, kLimit, RowsSeen()).count, 3);
    s.capFar = 2 - 0.00002;
    EXPECT_EQ(WalkPileRows(s, 10, kSax, kSay, kLimit, RowsSeen()).count, 2);

    // The end of the slip surface bounds the rows the same way.
    s = RowsFromOneToTwo();
    EXPECT_EQ(WalkPileRows(s, 1.5 - 0.000005, kSax, kSay, kLimit, RowsSeen()).count, 2);
    EXPECT_EQ(WalkPileRows(s, 1.5 - 0.00002, kSax, kSay, kLimit, RowsSeen()).count, 1);
}

TEST(PileRowWalk, EachRowAddsItsShareInRowOrder) {
    const SlopeSection s = RowsFromOneToTwo();
    const double cosines[] = {0.9, 0.7, 0.3};
    int row = 0;
    const PileRowSums rows = WalkPileRows(
        s, 10, kSax, kSay, kLimit, [&](double) -> std::optional<double> { return cosines[row++]; });
    double expected = 0;
    for (double c : cosines)
        expected = c * s.pileShear / kSay + expected;
    EXPECT_EQ(rows.resisting, expected);
}

TEST(PileRowWalk, StopsAtTheLoopLimitWithTheRowsCountedSoFar) {
    // Rows that do not advance would be counted for ever.
    const SlopeSection s = RowsFromOneToTwo();
    const PileRowSums rows = WalkPileRows(s, 10, 0, kSay, 5, RowsSeen());
    EXPECT_EQ(rows.end, PileWalkEnd::LoopLimit);
    EXPECT_EQ(rows.count, 5);
    double expected = 0;
    for (int i = 0; i < 5; ++i)
        expected = 0.5 * s.pileShear / kSay + expected;
    EXPECT_EQ(rows.resisting, expected);
}

TEST(PileRowWalk, RowWithoutCrossingEndsTheWalkAndAddsNothing) {
    const SlopeSection s = RowsFromOneToTwo();
    const PileRowSums rows =
        WalkPileRows(s, 10, kSax, kSay, kLimit, [](double xp) -> std::optional<double> {
            if (xp > 1.2)
                return std::nullopt;
            return 1.0;
        });
    EXPECT_EQ(rows.end, PileWalkEnd::NoCrossing);
    EXPECT_EQ(rows.count, 1);
    EXPECT_EQ(rows.resisting, 1.0 * s.pileShear / kSay);
}

} // namespace
