#include "CaseStudyJson.h"

#include "FieldText.h"
#include "StudyRun.h"

#include <charconv>
#include <cmath>

namespace korvane {

QString ShortestNumberText(double value) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return QString::fromLatin1(buffer, static_cast<int>(end - buffer));
}

namespace {

// A number of the study as text by the field rules; false when it is not one.
bool NumberOf(const QJsonValue& value, double& out) {
    if (!value.isString())
        return false;
    const std::optional<double> v = ParseNumber(value.toString().toStdString());
    if (!v || !std::isfinite(*v))
        return false;
    out = *v;
    return true;
}

} // namespace

bool ReadCaseStudy(const QJsonObject& root, const std::string& calculator,
                   std::optional<StudySettings>& out, QString& problem) {
    const QJsonValue value = root.value("study");
    if (value.isUndefined())
        return true;
    const QJsonObject o = value.toObject();
    const QJsonValue points = o.value("points"), inReport = o.value("inReport");
    StudySettings s;
    s.range.input = o.value("input").toString().toStdString();
    s.result = o.value("result").toString().toStdString();
    if (!value.isObject() || !o.value("input").isString() || !o.value("result").isString() ||
        !NumberOf(o.value("from"), s.range.from) || !NumberOf(o.value("to"), s.range.to) ||
        !points.isDouble() || points.toDouble() != std::floor(points.toDouble()) ||
        !(inReport.isUndefined() || inReport.isBool())) {
        problem =
            "“study”应含文本 \"input\"、\"from\"、\"to\"、\"result\"，整数 \"points\" 与可选的 "
            "\"target\"、\"inReport\"";
        return false;
    }
    s.range.points = points.toInt();
    s.inReport = inReport.toBool(false);
    if (const QJsonValue t = o.value("target"); !t.isUndefined()) {
        const QString relation = t.toObject().value("relation").toString();
        StudyTarget target{s.result, relation == ">=", 0};
        if (!t.isObject() || (relation != ">=" && relation != "<=") ||
            !NumberOf(t.toObject().value("value"), target.value)) {
            problem = "“study”中的“target”应含 \"relation\"（\">=\" 或 \"<=\"）与文本 \"value\"";
            return false;
        }
        s.target = target;
    }
    if (const Problem refused = StudySettingsProblem(calculator, s)) {
        problem = "“study”：" + QString::fromStdString(refused.Message());
        return false;
    }
    out = std::move(s);
    return true;
}

QJsonObject CaseStudyJson(const StudySettings& s) {
    QJsonObject o{{"input", QString::fromStdString(s.range.input)},
                  {"from", ShortestNumberText(s.range.from)},
                  {"to", ShortestNumberText(s.range.to)},
                  {"points", s.range.points},
                  {"result", QString::fromStdString(s.result)},
                  {"inReport", s.inReport}};
    if (s.target)
        o.insert("target", QJsonObject{{"relation", s.target->atLeast ? ">=" : "<="},
                                       {"value", ShortestNumberText(s.target->value)}});
    return o;
}

} // namespace korvane
