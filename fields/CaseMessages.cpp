#include "CaseMessages.h"

namespace korvane {

namespace message_detail {

std::string WithoutUnit(const std::string& caption) {
    const std::size_t open = caption.rfind('(');
    if (open == std::string::npos || open == 0 || !caption.ends_with(')'))
        return caption;
    return caption.substr(0, open);
}

std::string JoinedEntries(const ListOption& list) {
    std::string joined;
    for (const std::string& entry : list.entries)
        joined += (joined.empty() ? "" : "、") + entry;
    return joined;
}

} // namespace message_detail

std::string NoteLine(const CaseNote& note) {
    switch (note.kind) {
    case CaseNote::Kind::StrengthTakenAsZero:
        return "未选" + note.list + "，" + note.member + " 按 0 计算";
    case CaseNote::Kind::Implausible:
        return note.label + "为 " + note.value + "，" + note.expected + "，结果可能没有意义";
    case CaseNote::Kind::NoCircleFound:
        return "圆弧搜索未找到稳定系数低于 " + note.expected + " 的滑动圆弧，ks = " + note.value +
               " 是搜索的起始值，不是某个圆弧的稳定系数";
    }
    return {};
}

std::string NoteSentence(const CaseNote& note) {
    switch (note.kind) {
    case CaseNote::Kind::StrengthTakenAsZero:
        return note.list + "未选择：" + note.member + "按0计，桩的抗剪承载力中" + note.share +
               "项为0。";
    case CaseNote::Kind::Implausible:
        return "输入的" + note.label + "为 " + note.value + "，" + note.expected +
               "；计算按输入照常进行，其结果可能没有物理意义。";
    case CaseNote::Kind::NoCircleFound:
        return "圆弧搜索未找到稳定系数低于 " + note.expected +
               " 的滑动圆弧：表中 ks = " + note.value + " 是搜索的起始值，不是某个圆弧的稳定系数。";
    }
    return {};
}

} // namespace korvane
