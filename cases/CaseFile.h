#pragma once

#include "CaseData.h"
#include "Problem.h"

#include <QByteArray>
#include <QString>

namespace korvane {

// Case files: one form's inputs (and, once calculated, its results) as a JSON document
// with the suffix .korvane:
//   {"format": "korvane-case", "version": 1, "calculator": "circular",
//    "title": "...", "program": "Korvane 1.0.0.1",
//    "selections": {"concrete": "C30", "rebar": "HPB235"},
//    "inputs": {"b": "1.4", ...}, "calculated": true, "results": {"ks": "1.67", ...},
//    "limits": {"ks": {"value": "1.35", "basis": "GB 50330-2013 表5.3.2（…）"}},
//    "study": {...}}
// Every text is the field's text exactly as shown, so a reopened case shows the same
// fields and computes the same results bit for bit. Version 2 added the limits, version 3
// the parameter study (CaseStudyJson.h); a case is written as the oldest version that holds
// it, so that a case without limits reads in every earlier program.

inline constexpr const char* kCaseFormat = "korvane-case";
inline constexpr int kCaseVersion = 3;
inline constexpr int kCaseVersionWithLimits = 2;
inline constexpr int kCaseVersionWithoutLimits = 1;
inline constexpr const char* kCaseSuffix = "korvane";
// Nothing a form holds comes near this; anything larger is not a case.
inline constexpr qint64 kLargestCaseBytes = 1 << 20;

// Reads and checks a case into `data`: well-formed JSON of the format, a version this
// program reads, a known calculator, lists and members that calculator has, and (unless
// `checkTexts` is false) texts and radio positions its form accepts, each read as the
// form reads its field. A form's last closed inputs are read without the text check:
// they are shown as they were, and the form refuses a bad one when it calculates, as it
// did before closing. The problem is for the user and names no file.
Problem ReadCaseJson(const QByteArray& bytes, CaseData& data, bool checkTexts = true);

// The document of `data`; `program` ("Korvane 1.0.0.1") records what wrote it.
QByteArray CaseJson(const CaseData& data, const QString& program = {});

// Reads the file at `path`. The problem names the file by its whole path, and says so
// when it is empty or a folder.
Problem LoadCaseFile(const QString& path, CaseData& data, bool checkTexts = true);
// Writes `data` to `path` atomically: the previous file stays whole until the new
// one is complete. The problem names the file.
Problem SaveCaseFile(const QString& path, const CaseData& data, const QString& program);

} // namespace korvane
