#pragma once

#include "StudySettings.h"

#include <QJsonObject>
#include <QString>

#include <optional>
#include <string>

namespace korvane {

// A case's parameter study in its file:
//   "study": {"input": "sax", "from": "0.5", "to": "3", "points": 11, "result": "ks",
//             "target": {"relation": ">=", "value": "1.35"}, "inReport": true}
// The ends and the target are the engineer's numbers, written as the shortest text that
// reads back as the same double.

// The study of `root`, when it has one, into `out`: one the calculator can compute; false
// with the problem otherwise.
bool ReadCaseStudy(const QJsonObject& root, const std::string& calculator,
                   std::optional<StudySettings>& out, QString& problem);

QJsonObject CaseStudyJson(const StudySettings& study);

// The shortest text that reads back as `value`.
QString ShortestNumberText(double value);

} // namespace korvane
