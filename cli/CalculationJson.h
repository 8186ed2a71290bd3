#pragma once

#include "CaseRecord.h"
#include "ThoroughCircleShown.h"
#include "ThoroughCircleText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace korvane {

// A computed (or refused) case as one JSON object: the calculator, its lists'
// selections, every member by role with its full-precision value, the text its field
// shows, unit and label, the depth series, and what was refused or left undefined.

inline std::string JsonNumber(double value) {
    if (!std::isfinite(value))
        return "null";
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

inline std::string JsonString(const std::string& text) {
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

template <class Record>
std::string MemberJsonValue(const Record& record, const MemberInfo<Record>& info) {
    if (const auto* member = std::get_if<double Record::*>(&info.member))
        return JsonNumber(record.*(*member));
    return std::to_string(record.*(std::get<int Record::*>(info.member)));
}

// The thorough circle search beside the form's result (formKs, the shown ks): each value
// as shown ("value" as cut, "text" as a field shows it; null where it is no result),
// and whether a circle of lower factor exists, by how much, in words.
inline std::string ThoroughJson(double formKs, const ThoroughCircle& thorough) {
    const ThoroughShown shown = ShowThoroughCircle(thorough);
    const double values[] = {shown.ks, shown.R, shown.x, shown.y};
    const char* names[] = {"ks", "R", "x", "y"};
    const std::vector<ThoroughLine> lines = ThoroughCircleLines(thorough);
    std::string out = std::string("{\"found\": ") + (thorough.found ? "true" : "false");
    for (std::size_t i = 0; i < lines.size() && i < 4; ++i) {
        const bool undefined = lines[i].text == "undefined";
        out += ", " + JsonString(names[i]) +
               ": {\"value\": " + (undefined ? "null" : JsonNumber(values[i])) +
               ", \"text\": " + (undefined ? "null" : JsonString(lines[i].text)) + "}";
    }
    const bool lower = ThoroughIsLower(formKs, thorough);
    out += std::string(", \"lower\": ") + (lower ? "true" : "false");
    if (lower)
        out += ", \"percentBelow\": " + JsonNumber(ThoroughPercentBelow(formKs, thorough)) +
               ", \"note\": " + JsonString(ThoroughLowerSentence(formKs, thorough));
    return out + "}";
}

struct JsonCaseParts {
    const std::vector<int>* selections = nullptr; // null: the lists were not read
    bool membersRead = false;                     // the record holds the case's inputs
    bool computed = false;
    std::string refusal;
    std::vector<std::string> undefined;
    std::string thorough; // the thorough search as a JSON object, when asked for
};

template <class Record>
std::string CalculationJson(const Calculator<Record>& calc, const Record& record,
                            const JsonCaseParts& parts) {
    const auto isUndefined = [&](const char* name) {
        return std::find(parts.undefined.begin(), parts.undefined.end(), name) !=
               parts.undefined.end();
    };
    std::string out =
        "{\"calculator\": " + JsonString(calc.name) + ", \"title\": " + JsonString(calc.title);
    if (parts.selections) {
        out += ", \"selections\": {";
        for (std::size_t i = 0; i < calc.lists.size(); ++i) {
            const int sel = (*parts.selections)[i];
            out += (i ? ", " : "") + JsonString(calc.lists[i].name) + ": " +
                   (sel >= 0 ? JsonString(calc.lists[i].entries[sel]) : "null");
        }
        out += "}";
    }
    const auto role = [&](MemberRole which, const char* key) {
        out += std::string(", \"") + key + "\": {";
        bool first = true;
        for (const MemberInfo<Record>& info : calc.members) {
            if (info.role != which)
                continue;
            const bool undefined = isUndefined(info.name);
            out +=
                (first ? "" : ", ") + JsonString(info.name) +
                ": {\"value\": " + (undefined ? "null" : MemberJsonValue(record, info)) +
                ", \"text\": " + (undefined ? "null" : JsonString(MemberFieldText(record, info))) +
                ", \"unit\": " + JsonString(info.unit) + ", \"label\": " + JsonString(info.label) +
                "}";
            first = false;
        }
        out += "}";
    };
    if (parts.membersRead)
        role(MemberRole::Input, "inputs");
    if (parts.computed) {
        role(MemberRole::Result, "results");
        role(MemberRole::Internal, "internal");
        for (const auto& [name, values] :
             calc.series ? calc.series(record) : std::vector<NamedSeries>{}) {
            out += ", " + JsonString(name) + ": [";
            for (std::size_t i = 0; i < values.size(); ++i)
                out += (i ? ", " : "") + JsonNumber(values[i]);
            out += "]";
        }
    }
    if (!parts.refusal.empty())
        out += ", \"refusal\": " + JsonString(parts.refusal);
    if (!parts.undefined.empty()) {
        out += ", \"undefined\": [";
        for (std::size_t i = 0; i < parts.undefined.size(); ++i)
            out += (i ? ", " : "") + JsonString(parts.undefined[i]);
        out += "]";
    }
    if (!parts.thorough.empty())
        out += ", \"thorough\": " + parts.thorough;
    if (parts.computed) {
        // Every member by name with its value alone, as earlier versions printed it.
        out += ", \"members\": {";
        bool first = true;
        for (const MemberInfo<Record>& info : calc.members) {
            out += (first ? "" : ", ") + JsonString(info.name) + ": " +
                   (isUndefined(info.name) ? "null" : MemberJsonValue(record, info));
            first = false;
        }
        out += "}";
    }
    return out + "}";
}

} // namespace korvane
