#pragma once

#include "CaseEvaluation.h"
#include "CaseMessages.h"
#include "CodeMethodText.h"
#include "DetailJson.h"
#include "JsonText.h"
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

template <class Record>
std::string MemberJsonValue(const Record& record, const MemberInfo<Record>& info) {
    if (const auto* member = std::get_if<double Record::*>(&info.member))
        return JsonNumber(record.*(*member));
    return std::to_string(record.*(std::get<int Record::*>(info.member)));
}

// The code methods that ran, unrounded, with each figure's text beside it:
// , "codeMethods": {"bishopKs": {"value": 1.7552…, "text": "1.75"}, …}; "" when none ran.
inline std::string CodeMethodsJson(const CodeMethods& m) {
    const std::vector<CodeMethodLine> lines = CodeMethodLines(m);
    if (lines.empty())
        return {};
    const auto number = [](bool defined, double v) { return defined ? JsonNumber(v) : "null"; };
    std::vector<std::string> values;
    if (m.bishop || m.bishopLeast) {
        const bool ks = m.bishop && m.bishop->Defined();
        const bool least = m.bishopLeast && m.bishopLeast->circle.found;
        const ThoroughCircle& c = least ? m.bishopLeast->circle : ThoroughCircle{};
        values = {number(ks, ks ? m.bishop->factor : 0),
                  number(least, c.ks),
                  number(least, c.R),
                  number(least, c.x),
                  number(least, c.y),
                  number(least, least ? m.bishopLeast->factor.leastM : 0)};
    }
    if (m.transfer) {
        const bool defined = m.transfer->defined;
        values.push_back(number(defined, m.transfer->factor));
        std::string thrusts = "[";
        for (std::size_t i = 0; i < m.transfer->blocks.size(); ++i)
            thrusts += (i ? ", " : "") + number(defined, m.transfer->blocks[i].thrust);
        values.push_back(thrusts + "]");
    }
    std::string out = ", \"codeMethods\": {";
    for (std::size_t i = 0; i < lines.size(); ++i)
        out += (i ? ", " : "") + JsonString(lines[i].name) + ": {\"value\": " + values[i] +
               ", \"text\": " + JsonString(lines[i].text) + "}";
    if (m.bishop && !m.bishop->Defined())
        out += ", \"bishopUndefined\": " + JsonString(BishopUndefinedReason(*m.bishop));
    return out + "}";
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

// The case as far as `e` read it: the selections once the lists were read, the inputs
// once every text was accepted, the results, internal values, depth series and the
// thorough search once it computed; `refusal` says why it stopped.
template <class Record>
std::string CalculationJson(const Calculator<Record>& calc, const CaseEvaluation<Record>& e,
                            const std::string& refusal = {},
                            const std::vector<DesignCheck>& checks = {}) {
    const bool computed = e.Calculated();
    // Only a calculation that went through leaves undefined results.
    const std::vector<std::string>& undefined = e.outcome.undefined;
    const auto isUndefined = [&](const char* name) { return IsUndefined(e.outcome, name); };
    const Record& record = e.computed;
    std::string out =
        "{\"calculator\": " + JsonString(calc.name) + ", \"title\": " + JsonString(calc.title);
    if (e.listsRead) {
        out += ", \"selections\": {";
        for (std::size_t i = 0; i < calc.lists.size(); ++i) {
            const int sel = e.selections[i];
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
                ", \"unit\": " + JsonString(info.unit) +
                ", \"label\": " + JsonString(MemberLabel(info)) + "}";
            first = false;
        }
        out += "}";
    };
    if (e.inputsRead)
        role(MemberRole::Input, "inputs");
    if (computed) {
        role(MemberRole::Result, "results");
        role(MemberRole::Internal, "internal");
        if (const auto& profile = e.extras.depthProfile) {
            for (const DepthSeries& series : profile->series) {
                out += ", " + JsonString(series.info->name) + ": [";
                for (std::size_t i = 0; i < series.values.size(); ++i)
                    out += (i ? ", " : "") + JsonNumber(series.values[i]);
                out += "]";
            }
        }
    }
    if (!refusal.empty())
        out += ", \"refusal\": " + JsonString(refusal);
    if (!undefined.empty()) {
        out += ", \"undefined\": [";
        for (std::size_t i = 0; i < undefined.size(); ++i)
            out += (i ? ", " : "") + JsonString(undefined[i]);
        out += "]";
    }
    if (computed && !e.extras.notes.empty()) {
        out += ", \"notes\": [";
        for (std::size_t i = 0; i < e.extras.notes.size(); ++i)
            out += (i ? ", " : "") + JsonString(NoteLine(e.extras.notes[i]));
        out += "]";
    }
    if (computed)
        out += CodeMethodsJson(e.extras.codeMethods);
    if (computed && e.extras.thorough)
        out += ", \"thorough\": " +
               ThoroughJson(e.extras.thorough->shownKs, e.extras.thorough->circle);
    if (computed) {
        const CalculationDetail& detail = e.extras.detail;
        if (detail.critical || detail.thorough || detail.polyline || detail.pileGroup)
            out += ", \"detail\": " + DetailJson(detail);
        if (!checks.empty())
            out += ", \"checks\": " + ChecksJson(checks);
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
