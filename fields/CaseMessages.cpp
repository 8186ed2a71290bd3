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
    }
    return {};
}

std::string NoteSentence(const CaseNote& note) {
    switch (note.kind) {
    case CaseNote::Kind::StrengthTakenAsZero:
        return note.list + "未选择：" + note.member + "按0计，桩的抗剪承载力中" + note.share +
               "项为0。";
    }
    return {};
}

} // namespace korvane
