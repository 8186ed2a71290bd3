// The words for every refusal and note, pinned in one table: each face shows these.
#include "CaseMessages.h"

#include <gtest/gtest.h>
#include <string>

using namespace korvane;

namespace {

using R = RefusalReason;

struct Worded {
    const char* calculator;
    Refusal refusal;
    const char* text;
};

std::string Words(const Worded& w) {
    std::string text;
    WithCalculator(w.calculator, [&](const auto& calc) { text = RefusalText(calc, w.refusal); });
    return text;
}

TEST(RefusalText, EveryReasonInTheUsersWords) {
    const Worded table[] = {
        {"circular", {R::UnknownList, "steel"}, "没有名为“steel”的下拉列表"},
        {"circular",
         {R::UnknownEntry, "concrete", "C99"},
         "桩身混凝土：没有“C99”一项（可选：C25、C30、C35、C40、C45、C50、C55）"},
        {"highcap", {R::UnknownInput, "foo"}, "highcap 没有名为“foo”的输入项"},
        {"highcap", {R::UnknownResult, "nx"}, "highcap 没有名为“nx”的计算结果"},
        {"circular",
         {R::TextRefused, "h", "abc", "请键入一个数。"},
         "坡高h(m)（h）的文本“abc”不能接受：请键入一个数。"},
        {"highcap",
         {.reason = R::OutsideRadioGroup, .member = "bearingLayer", .count = 7, .limit = 2},
         "桩端持力层：0 基岩，1 非基岩（bearingLayer）的单选位置 7 不在组内："
         "“请填入一个在0和1之间的整数。”"},
        {"combined",
         {.reason = R::OutsideRadioGroup, .member = "bearingLayer", .count = -1, .limit = 3},
         "桩端持力层：0 非基岩，1 基岩面，2 嵌入基岩（bearingLayer）的单选位置 -1 不在组内："
         "“请填入一个在0和2之间的整数。”"},
        {"circular", {R::NotFinite, "h"}, "坡高h必须是有限数值。"},
        {"circular", {R::NotFinite, "beta"}, "坡角必须是有限数值。"},
        {"circular", {R::NotFinite, "d"}, "桩直径d必须是有限数值。"},
        {"polyline", {R::NotFinite, "L3"}, "折线长L3必须是有限数值。"},
        {"polyline", {R::NotFinite, "theta1"}, "折线角1必须是有限数值。"},
        {"circular", {R::Negative, "sax"}, "桩中心距sax不能为负数。"},
        {"polyline", {R::NotPositive, "sax"}, "桩中心距sax必须大于0。"},
        {"polyline",
         {.reason = R::BelowMinimum, .member = "h", .limit = 0.001},
         "坡高h必须不小于0.001 m。"},
        {"circular",
         {.reason = R::TooManyPileRowsInCap, .member = "sax", .limit = 10000},
         "桩中心距sax过小：承台宽度内的桩排数超过10000排。"},
        {"circular", {R::SearchAnglesInvalid}, "搜索射线的角度范围无效。"},
        {"circular", {R::SearchStartNotFinite}, "搜索起始距离必须是有限数值。"},
        {"circular",
         {R::CircleSliceLimit},
         "试算圆弧的条分数超过上限，无法计算：请检查坡高h和坡角。"},
        {"circular",
         {R::CirclePileRowLimit},
         "试算圆弧切过的桩排数超过上限，无法计算：坡高h与桩中心距sax之比过大，请检查这两项。"},
        {"circular",
         {R::EndlessDescent},
         "沿搜索射线安全系数持续下降，未能找到临界滑动圆弧：请检查输入数据。"},
        {"circular",
         {R::SearchWorkLimit},
         "试算圆弧的计算量超过上限，无法完成搜索：请检查输入数据。"},
        {"polyline",
         {R::SlipProjectionNotFinite},
         "折线长度超出数值范围：滑面的水平投影不是有限数值。"},
        {"polyline",
         {.reason = R::SlipTooLong, .limit = 100000},
         "滑面水平投影相对坡高h过长：条分数超过100000条。"},
        {"polyline",
         {R::FirstPileBeforeToe},
         "首排桩必须位于坡脚之后：请检查承台距坡肩距离a、桩直径d、坡高h和坡角。"},
        {"polyline", {R::BeforeFirstVertex}, "条块位置落在第一段折线之前，无法确定所在的折线段。"},
        {"polyline", {R::StripLimit}, "条分数超过上限，无法计算：请检查坡高h和折线长度。"},
        {"polyline",
         {R::PolylinePileRowLimit},
         "桩排数超过上限，无法计算：滑面的水平投影与桩中心距sax之比过大，请检查坡高h、折线长度和桩"
         "中心距sax。"},
        {"combined", {R::NoConcreteGrade}, "请选择桩身混凝土强度等级。"},
        {"combined", {R::TooFewPiles, "nz"}, "Z向桩数至少为 1。"},
        {"highcap",
         {.reason = R::TooManyPiles, .count = 10000000000, .limit = 2500},
         "X向桩数 × Z向桩数为 10000000000 根，不能超过 2500 根。"},
    };
    for (const Worded& w : table)
        EXPECT_EQ(Words(w), w.text);
}

TEST(NoteText, AStrengthTakenAsZeroOnATerminalAndInAReport) {
    const CaseNote note = StrengthTakenAsZeroNote("钢筋型号", "fyv", "箍筋");
    EXPECT_EQ(NoteLine(note), "未选钢筋型号，fyv 按 0 计算");
    EXPECT_EQ(NoteSentence(note), "钢筋型号未选择：fyv按0计，桩的抗剪承载力中箍筋项为0。");
}

TEST(ResultLabel, MembersAndDepthSeriesByTheirLabels) {
    EXPECT_EQ(ResultLabel(HighCapCalculator(), "Mmax"), "桩身最大弯矩(KN.m)");
    EXPECT_EQ(ResultLabel(HighCapCalculator(), "momentSeries"), "桩身弯矩深度序列");
    EXPECT_EQ(ResultLabel(CombinedCalculator(), "shearSeries"), "桩身剪力深度序列");
    EXPECT_EQ(ResultLabel(CircularCalculator(), "nothing"), "nothing");
    EXPECT_EQ(ListCaption(CombinedCalculator().lists[0]), "混凝土C");
}

} // namespace
