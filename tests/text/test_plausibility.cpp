// Inputs that make a result meaningless are computed as the method says and named in a
// note; the defaults of every calculator are named in none.

#include "CaseEvaluation.h"
#include "CaseMessages.h"
#include "CaseRecord.h"
#include "Plausibility.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace korvane;

namespace {

// The note lines of `calculator` computed with its defaults and `inputs`, the grades
// chosen (C30 and HPB235) unless `grades` is false.
std::vector<std::string> NotesOf(const char* calculator,
                                 const std::map<std::string, std::string>& inputs,
                                 bool grades = true) {
    std::vector<std::string> lines;
    WithCalculator(calculator, [&](const auto& calc) {
        using Record = typename std::decay_t<decltype(calc)>::RecordType;
        CaseData data = CaseFromRecord(calc, Record(), {}, false);
        data.selections.clear();
        if (grades) {
            data.selections["concrete"] = "C30";
            if (calc.lists.size() > 1)
                data.selections["rebar"] = "HPB235";
        }
        for (const auto& [name, text] : inputs)
            data.inputs[name] = text;
        const CaseEvaluation<Record> e = EvaluateCase(calc, data);
        EXPECT_TRUE(e.Calculated()) << calculator;
        for (const CaseNote& note : e.extras.notes)
            lines.push_back(NoteLine(note));
    });
    return lines;
}

} // namespace

TEST(Plausibility, DefaultsComputeWithoutANote) {
    for (const char* calculator : kCalculatorNames)
        EXPECT_EQ(NotesOf(calculator, {}), std::vector<std::string>{}) << calculator;
}

TEST(Plausibility, EachInputOutsideItsRangeIsNamedWithWhatItShouldBe) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(NotesOf("circular", {{"h", "-6"}}),
              Lines{"坡高h(m)为 -6，应大于 0，结果可能没有意义"});
    EXPECT_EQ(NotesOf("circular", {{"phi", "-90"}, {"beta", "180"}}),
              (Lines{"土体内摩擦角(°)为 -90，应不小于 0 且小于 90，结果可能没有意义",
                     "坡角(°)为 180，应大于 0 且不大于 90，结果可能没有意义",
                     "圆弧搜索未找到稳定系数低于 499.999 的滑动圆弧，ks = 500 是搜索的起始值，"
                     "不是某个圆弧的稳定系数"}));
    // The range the label names.
    EXPECT_EQ(NotesOf("circular", {{"slopeAmp", "2"}}),
              Lines{"边坡放大系数(1.1~1.6)为 2，应不小于 1.1 且不大于 1.6，结果可能没有意义"});
    EXPECT_TRUE(NotesOf("circular", {{"slopeAmp", "1.6"}}).empty());
    // A spacing is measured against the pile it spaces; a positive but vanishing one too.
    EXPECT_EQ(NotesOf("polyline", {{"say", "1e-300"}}),
              Lines{"桩中心距say(m)为 1e-300，应不小于桩直径d（0.6 m），结果可能没有意义"});
    EXPECT_EQ(NotesOf("circular", {{"say", "-2.2"}, {"d", "-800"}}),
              (Lines{"桩中心距say(m)为 -2.2，应大于 0，结果可能没有意义",
                     "桩直径d(mm)为 -800，应大于 0，结果可能没有意义"}));
    EXPECT_EQ(NotesOf("combined", {{"sax", "-1"}}),
              Lines{"sax(m)为 -1，应不小于 0，结果可能没有意义"});
    // A spacing of 0 stands for none.
    EXPECT_TRUE(NotesOf("highcap", {{"sax", "0"}}).empty());
}

TEST(Plausibility, NoGradeAndNoCircleAreSaidToo) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(NotesOf("polyline", {}, false),
              (Lines{"未选桩身混凝土，ft 按 0 计算", "未选钢筋型号，fyv 按 0 计算"}));
    // No stirrups at all: every circle holds, and the search shows its start value.
    EXPECT_EQ(NotesOf("circular", {{"stirrupSpacing", "0"}}),
              (Lines{"箍筋间距(mm)为 0，应大于 0，结果可能没有意义",
                     "圆弧搜索未找到稳定系数低于 499.999 的滑动圆弧，ks = 500 是搜索的起始值，"
                     "不是某个圆弧的稳定系数"}));
}

TEST(Plausibility, ANumberThatIsNoNumberIsOutsideEveryRange) {
    const PlausibleRange range{"x", 0, true, 1};
    EXPECT_FALSE(plausibility_detail::Inside(range, std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(plausibility_detail::Inside(range, 0));
    EXPECT_TRUE(plausibility_detail::Inside(range, 1));
    EXPECT_FALSE(plausibility_detail::Inside(range, 1.0000001));
}
