// The thorough circle as the calculator command prints it and as the form's note reads.
#include "ThoroughCircleText.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

using namespace korvane;

namespace {

std::vector<std::string> Printed(const ThoroughCircle& t) {
    std::vector<std::string> lines;
    for (const ThoroughLine& line : ThoroughCircleLines(t))
        lines.push_back(std::string(line.name) + "=" + line.text);
    return lines;
}

TEST(ThoroughText, LinesShowTheCutValuesAsResultFieldsDo) {
    EXPECT_EQ(Printed({true, 0.74074, -2.2704, 8.3189, 8.6231}),
              (std::vector<std::string>{"thoroughKs=0.74", "thoroughR=8.62", "thoroughX=-2.27",
                                        "thoroughY=8.31"}));
    // A cut that lands on -0 shows as 0, as in the form's fields.
    EXPECT_EQ(Printed({true, 2, -0.004, 6, 6})[2], "thoroughX=0");
}

TEST(ThoroughText, NoResultPrintsUndefined) {
    EXPECT_EQ(Printed({}),
              (std::vector<std::string>{"thoroughKs=undefined", "thoroughR=undefined",
                                        "thoroughX=undefined", "thoroughY=undefined"}));
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(Printed({true, 1.5, 1e200, 1e200, inf})[1], "thoroughR=undefined");
}

TEST(ThoroughText, SentenceOnlyForALowerCircle) {
    const ThoroughCircle t{true, 0.74074, -2.2704, 8.3189, 8.6231};
    EXPECT_EQ(ThoroughLowerSentence(0.79, t),
              "存在稳定系数更低的滑动圆：ks = 0.741，比搜索结果低 6.2%");
    EXPECT_EQ(ThoroughLowerSentence(0.744, t), "");
    EXPECT_EQ(ThoroughLowerSentence(0.79, ThoroughCircle{}), "");
    // A percentage of a factor that is not positive is left out with the sentence.
    EXPECT_EQ(ThoroughLowerSentence(-0.5, {true, -0.8, 0, 0, 1}), "");
}

} // namespace
