#pragma once

#include <cstdio>
#include <map>
#include <string>

namespace korvane {

// The NAME=VALUE lines korvane-calc prints for `arguments` (calculator and assignments).
inline std::map<std::string, std::string> CalcCommandOutput(const std::string& arguments) {
    std::map<std::string, std::string> values;
    const std::string command = std::string(KORVANE_CALC) + " " + arguments + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return values;
    std::string line;
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, pipe)) {
        line += buffer;
        if (line.empty() || line.back() != '\n')
            continue;
        line.pop_back();
        const auto eq = line.find('=');
        if (eq != std::string::npos)
            values[line.substr(0, eq)] = line.substr(eq + 1);
        line.clear();
    }
    pclose(pipe);
    return values;
}

} // namespace korvane
