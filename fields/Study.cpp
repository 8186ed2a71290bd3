#include "Study.h"

#include "FieldText.h"

#include <charconv>

namespace korvane {

namespace {

std::optional<double> NumberOf(std::string_view text) {
    const std::optional<double> v = ParseNumber(std::string(text));
    if (!v || !std::isfinite(*v))
        return std::nullopt;
    return v;
}

} // namespace

std::string StudyText(double value) {
    return FormatNumber(value);
}

double AsShown(double value) {
    const std::optional<double> back = ParseNumber(FormatNumber(value));
    return back ? *back : value;
}

double StudyPoint(const StudyRange& r, int i) {
    if (i == r.points - 1)
        return AsShown(r.to);
    return AsShown(r.from + i * (r.to - r.from) / (r.points - 1));
}

Problem ReadStudyRange(std::string_view text, bool withPoints, StudyRange& range) {
    const std::string form = withPoints ? "NAME=FROM:TO:N" : "NAME=FROM:TO";
    const auto refuse = [&] {
        return Problem("应写成 " + form + "，而不是“" + std::string(text) + "”");
    };
    const std::size_t eq = text.find('=');
    if (eq == std::string_view::npos || eq == 0)
        return refuse();
    range.input = std::string(text.substr(0, eq));
    std::vector<std::string_view> parts;
    std::string_view rest = text.substr(eq + 1);
    for (std::size_t colon; (colon = rest.find(':')) != std::string_view::npos;) {
        parts.push_back(rest.substr(0, colon));
        rest.remove_prefix(colon + 1);
    }
    parts.push_back(rest);
    if (parts.size() != (withPoints ? 3u : 2u))
        return refuse();
    const std::optional<double> from = NumberOf(parts[0]), to = NumberOf(parts[1]);
    if (!from || !to)
        return refuse();
    if (*from == *to)
        return Problem("范围的两端相同（" + std::string(parts[0]) + "），没有可分析的范围");
    range.from = *from;
    range.to = *to;
    range.points = kSolveScanPoints;
    if (withPoints) {
        int n = 0;
        const auto [end, error] =
            std::from_chars(parts[2].data(), parts[2].data() + parts[2].size(), n);
        if (error != std::errc() || end != parts[2].data() + parts[2].size() || n < 2 ||
            n > kMostStudyPoints)
            return Problem("点数 N 应是 2 到 " + std::to_string(kMostStudyPoints) +
                           " 之间的整数，不是“" + std::string(parts[2]) + "”");
        range.points = n;
    }
    return {};
}

Problem ReadStudyTarget(std::string_view text, StudyTarget& target) {
    const std::size_t ge = text.find(">="), le = text.find("<=");
    const std::size_t at = ge != std::string_view::npos ? ge : le;
    const std::optional<double> value =
        at == std::string_view::npos ? std::nullopt : NumberOf(text.substr(at + 2));
    if (at == std::string_view::npos || at == 0 || !value)
        return Problem("--target 应写成 RESULT>=VALUE 或 RESULT<=VALUE，而不是“" +
                       std::string(text) + "”");
    target.result = std::string(text.substr(0, at));
    target.atLeast = at == ge;
    target.value = *value;
    return {};
}

} // namespace korvane
