#pragma once

#include "CaseData.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace korvane {

// Case files: one form's inputs (and, once calculated, its results) as a JSON document
// with the suffix .korvane:
//   {"format": "korvane-case", "version": 1, "calculator": "circular",
//    "title": "...", "program": "Korvane 1.0.0.1",
//    "selections": {"concrete": "C30", "rebar": "HPB235"},
//    "inputs": {"b": "1.4", ...}, "calculated": true, "results": {"ks": "1.67", ...}}
// Every text is the field's text exactly as shown, so a reopened case shows the same
// fields and computes the same results bit for bit.

inline constexpr const char* kCaseFormat = "korvane-case";
inline constexpr int kCaseVersion = 1;
inline constexpr const char* kCaseSuffix = "korvane";
// Nothing a form holds comes near this; anything larger is not a case.
inline constexpr qint64 kLargestCaseBytes = 1 << 20;

// A case read, or what is wrong with it (Chinese, for the user; no file name).
struct CaseReading {
    std::optional<CaseData> data;
    QString problem;
};

// Reads and checks a case: well-formed JSON of the format, a version this program
// reads, a known calculator, lists and members that calculator has, and texts its form
// accepts (each read as the form reads its field).
CaseReading ReadCaseJson(const QByteArray& bytes);

// The document of `data`; `program` ("Korvane 1.0.0.1") records what wrote it.
QByteArray CaseJson(const CaseData& data, const QString& program = {});

// Reads the file at `path`. The problem names the file.
CaseReading LoadCaseFile(const QString& path);
// Writes `data` to `path` atomically: the previous file stays whole until the new
// one is complete. False with a message naming the file when it cannot be written.
bool SaveCaseFile(const QString& path, const CaseData& data, const QString& program,
                  QString* error);

} // namespace korvane
