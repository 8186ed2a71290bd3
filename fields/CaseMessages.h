#pragma once

#include "Calculators.h"
#include "FieldText.h"

#include <string>

namespace korvane {

// The user's words for what a case evaluation tells: refusals and notes. Every face
// that shows one takes its words from here.

namespace message_detail {

// A caption without the unit in its closing brackets ("坡高h(m)" -> "坡高h").
std::string WithoutUnit(const std::string& caption);
std::string JoinedEntries(const ListOption& list);

} // namespace message_detail

// Why `calc` refused a case or its calculation, in a sentence for the user.
template <class Record> std::string RefusalText(const Calculator<Record>& calc, const Refusal& r) {
    using message_detail::WithoutUnit;
    const MemberInfo<Record>* info = FindMemberNamed(calc.members, r.member);
    const std::string label = info ? MemberLabel(*info) : r.member;
    const std::string named = info ? WithoutUnit(info->caption) : r.member;
    const auto labelOf = [&](const char* member) {
        const MemberInfo<Record>* row = FindMemberNamed(calc.members, member);
        return row ? MemberLabel(*row) : std::string(member);
    };
    const auto number = [](double value) { return FormatNumber(value); };
    switch (r.reason) {
    case RefusalReason::UnknownList:
        return "没有名为“" + r.member + "”的下拉列表";
    case RefusalReason::UnknownEntry: {
        const ListOption* list = FindList(calc, r.member);
        return std::string(list ? list->label : r.member.c_str()) + "没有“" + r.text +
               "”一项（可选：" + (list ? message_detail::JoinedEntries(*list) : "") + "）";
    }
    case RefusalReason::UnknownInput:
        return std::string(calc.name) + " 没有名为“" + r.member + "”的输入项";
    case RefusalReason::UnknownResult:
        return std::string(calc.name) + " 没有名为“" + r.member + "”的计算结果";
    case RefusalReason::TextRefused:
        return label + "（" + r.member + "）的文本“" + r.text + "”不能接受：" + r.detail;
    case RefusalReason::OutsideRadioGroup:
        return label + "（" + r.member + "）的单选位置 " + std::to_string(r.count) + " 不在组内：" +
               IntRangeMessage(0, static_cast<long>(r.limit) - 1);
    case RefusalReason::NotFinite:
        return named + "必须是有限数值。";
    case RefusalReason::Negative:
        return named + "不能为负数。";
    case RefusalReason::NotPositive:
        return named + "必须大于0。";
    case RefusalReason::BelowMinimum:
        return named + "必须不小于" + number(r.limit) + (info && *info->unit ? " " : "") +
               (info ? info->unit : "") + "。";
    case RefusalReason::TooManyPileRowsInCap:
        return named + "过小：承台宽度内的桩排数超过" + number(r.limit) + "排。";
    case RefusalReason::SearchAnglesInvalid:
        return "搜索射线的角度范围无效。";
    case RefusalReason::SearchStartNotFinite:
        return "搜索起始距离必须是有限数值。";
    case RefusalReason::CircleSliceLimit:
        return "试算圆弧的条分数超过上限，无法计算：请检查坡高h和坡角。";
    case RefusalReason::CirclePileRowLimit:
        return "试算圆弧切过的桩排数超过上限，无法计算：坡高h与桩中心距sax之比过大，请检查这两项。";
    case RefusalReason::EndlessDescent:
        return "沿搜索射线安全系数持续下降，未能找到临界滑动圆弧：请检查输入数据。";
    case RefusalReason::SearchWorkLimit:
        return "试算圆弧的计算量超过上限，无法完成搜索：请检查输入数据。";
    case RefusalReason::SlipProjectionNotFinite:
        return "折线长度超出数值范围：滑面的水平投影不是有限数值。";
    case RefusalReason::SlipTooLong:
        return "滑面水平投影相对坡高h过长：条分数超过" + number(r.limit) + "条。";
    case RefusalReason::FirstPileBeforeToe:
        return "首排桩必须位于坡脚之后：请检查承台距坡肩距离a、桩直径d、坡高h和坡角。";
    case RefusalReason::BeforeFirstVertex:
        return "条块位置落在第一段折线之前，无法确定所在的折线段。";
    case RefusalReason::StripLimit:
        return "条分数超过上限，无法计算：请检查坡高h和折线长度。";
    case RefusalReason::PolylinePileRowLimit:
        return "桩排数超过上限，无法计算：滑面的水平投影与桩中心距sax之比过大，请检查坡高h、折线长"
               "度和桩中心距sax。";
    case RefusalReason::NoConcreteGrade:
        return "请选择桩身混凝土强度等级。";
    case RefusalReason::TooFewPiles:
        return label + "至少为 1。";
    case RefusalReason::TooManyPiles:
        return labelOf("nx") + " × " + labelOf("nz") + "为 " + std::to_string(r.count) +
               " 根，不能超过 " + number(r.limit) + " 根。";
    }
    return r.member;
}

// A note as one line for a terminal ("未选桩身混凝土，ft 按 0 计算").
std::string NoteLine(const CaseNote& note);
// A note as a sentence of a report.
std::string NoteSentence(const CaseNote& note);

} // namespace korvane
