#include "Requirements.h"

#include <set>
#include <string>

namespace korvane {

namespace {

std::string NamesOf(std::string_view calculator) {
    std::string names;
    for (const LimitInfo* limit : LimitsOf(calculator))
        names += (names.empty() ? "" : "、") + std::string(limit->name);
    return names;
}

Problem NotALimit(std::string_view calculator, const char* option, const std::string& name) {
    return Problem(std::string(option) + " " + name + "：" + std::string(calculator) +
                   " 没有这项验算（可验算：" + NamesOf(calculator) + "）");
}

} // namespace

Problem ApplyRequirements(std::string_view calculator, const CommandLine& line,
                          DesignLimits& limits) {
    std::set<std::string> given;
    for (const auto& [name, text] : line.requirements) {
        const LimitInfo* info = FindLimit(calculator, name);
        if (!info)
            return NotALimit(calculator, "--require", name);
        if (!given.insert(name).second)
            return Problem("--require " + name + " 给了两次，每项只能给一次");
        DesignLimit limit = limits.contains(name) ? limits[name] : DesignLimit{};
        if (const Problem problem = ReadLimitValue(*info, text, limit.value))
            return Problem("--require " + name + "=" + text + "：" + problem.Message());
        limits[name] = limit;
    }
    for (const auto& [name, basis] : line.bases) {
        if (!FindLimit(calculator, name))
            return NotALimit(calculator, "--basis", name);
        const auto found = limits.find(name);
        if (found == limits.end())
            return Problem("--basis " + name + "：没有给出 " + name + " 的限值（--require " + name +
                           "=VALUE）");
        found->second.basis = basis;
    }
    return {};
}

} // namespace korvane
