#pragma once

#include <cmath>
#include <cstdio>
#include <string>

#include "Utf8Text.h"

namespace korvane {

// A number at full precision; null for one that is not finite.
inline std::string JsonNumber(double value) {
    if (!std::isfinite(value))
        return "null";
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

// A JSON string of `text`, valid UTF-8 whatever bytes it holds.
inline std::string JsonString(const std::string& given) {
    const std::string text = IsValidUtf8(given) ? given : ValidUtf8(given);
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

} // namespace korvane
