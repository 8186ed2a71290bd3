#include "CodeMethodText.h"

#include "FieldText.h"
#include "Trunc2.h"

namespace korvane {

namespace {

std::string Cut(double value) {
    return FormatNumber(Trunc2(value));
}

std::string FactorText(const BishopFactor& b) {
    return b.Defined() ? Cut(b.factor) : "undefined";
}

} // namespace

std::vector<CodeMethodLine> CodeMethodLines(const CodeMethods& m) {
    std::vector<CodeMethodLine> lines;
    if (m.bishop || m.bishopLeast) {
        lines.push_back({"bishopKs", m.bishop ? FactorText(*m.bishop) : "undefined"});
        const bool found = m.bishopLeast && m.bishopLeast->circle.found;
        const auto value = [found](double v) { return found ? Cut(v) : std::string("undefined"); };
        const ThoroughCircle none;
        const ThoroughCircle& c = found ? m.bishopLeast->circle : none;
        lines.push_back({"bishopMinKs", value(c.ks)});
        lines.push_back({"bishopMinR", value(c.R)});
        lines.push_back({"bishopMinX", value(c.x)});
        lines.push_back({"bishopMinY", value(c.y)});
        lines.push_back({"bishopMinM", value(found ? m.bishopLeast->factor.leastM : 0)});
    }
    if (m.transfer) {
        lines.push_back(
            {"transferKs", m.transfer->defined ? Cut(m.transfer->factor) : "undefined"});
        std::string thrusts;
        for (const TransferBlock& block : m.transfer->blocks)
            thrusts += (thrusts.empty() ? "" : " ") +
                       (m.transfer->defined ? Cut(block.thrust) : std::string("undefined"));
        lines.push_back({"transferThrust", thrusts});
    }
    return lines;
}

std::vector<std::string> CodeMethodNames(std::string_view calculator) {
    CodeMethods shape;
    if (calculator == "circular") {
        shape.bishop = BishopFactor{};
        shape.bishopLeast = BishopLeast{};
    } else if (calculator == "polyline") {
        shape.transfer = TransferFactor{};
    }
    std::vector<std::string> names;
    for (const CodeMethodLine& line : CodeMethodLines(shape))
        names.emplace_back(line.name);
    return names;
}

std::string BishopUndefinedReason(const BishopFactor& b) {
    switch (b.outcome) {
    case BishopOutcome::Converged:
        return {};
    case BishopOutcome::NoSlices:
        return "圆弧没有可计算的土条";
    case BishopOutcome::MNotPositive:
        return "第 " + std::to_string(b.leastMSlice + 1) +
               " 条土条的 m = " + FormatNumber(b.leastM) + "，不大于 0";
    case BishopOutcome::NotConverged:
        return "迭代 " + std::to_string(kBishopMaxIterations) + " 次未收敛";
    case BishopOutcome::NotFinite:
        return "迭代中出现非有限数";
    }
    return {};
}

std::string CodeMethodSummary(const CodeMethods& m) {
    std::string text;
    if (m.bishop || m.bishopLeast) {
        text = "规范方法（简化 Bishop 法）：";
        if (m.bishop)
            text += m.bishop->Defined()
                        ? "ks 圆弧 F = " + Cut(m.bishop->factor)
                        : "ks 圆弧无定义（" + BishopUndefinedReason(*m.bishop) + "）";
        if (m.bishopLeast) {
            const ThoroughCircle& c = m.bishopLeast->circle;
            text += std::string(m.bishop ? "；" : "") +
                    (c.found ? "最小 F = " + Cut(c.ks) + "（圆心 (" + Cut(c.x) + ", " + Cut(c.y) +
                                   ")，R = " + Cut(c.R) + " m）"
                             : "全面搜索未得到有定义的 Bishop 系数");
        }
    }
    if (m.transfer) {
        text += std::string(text.empty() ? "" : "；") + "规范方法（传递系数法隐式解）：" +
                (m.transfer->defined ? "F = " + Cut(m.transfer->factor)
                                     : "在 0.001～100 内无解，系数无定义");
    }
    return text;
}

} // namespace korvane
