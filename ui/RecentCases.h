#pragma once

#include "CaseData.h"

#include <QList>
#include <QString>

namespace korvane {

// The cases a user opened or saved lately, newest first, remembered between sessions
// (QSettings), and the inputs each form held when it was last closed.

struct RecentCase {
    QString path;
    QString calculator; // "circular", ...
};

inline constexpr int kRecentCaseLimit = 8;

QList<RecentCase> RecentCases();
// Puts `path` at the top (once), dropping the oldest beyond the limit.
void RememberCase(const QString& path, const QString& calculator);
void ForgetCase(const QString& path);
void ClearRecentCases();

// The file that keeps the inputs of the last closed form of `calculator`.
QString LastClosedCasePath(const QString& calculator);
// Keeps `data` as the last closed inputs of its calculator; quietly does nothing
// when the file cannot be written (closing a form never fails).
void KeepLastClosedCase(const CaseData& data);

// The folder the file dialogs start in: where the last case was opened or saved.
QString CaseFolder();
void RememberCaseFolder(const QString& path);

} // namespace korvane
