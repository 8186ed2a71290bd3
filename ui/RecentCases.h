#pragma once

#include "CaseData.h"

#include <QList>
#include <QString>
#include <functional>

class QMenu;

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
// Whether `path` is one of those files (no file of the user's).
bool IsLastClosedCase(const QString& path);
// Keeps `data` as the last closed inputs of its calculator; quietly does nothing
// when the file cannot be written (closing a form never fails).
void KeepLastClosedCase(const CaseData& data);

// The file dialogs' filter for case files.
QString CaseFileFilter();
// What a case file records as the program that wrote it ("Korvane 1.0.0.1").
QString CaseWriterName();

// Fills `menu` with the last closed inputs and the recent cases of `calculator` (a
// form's menu) or, when it is empty, of every calculator (the launcher's), each
// opening through `open`, and a command that clears the list.
void FillRecentCasesMenu(QMenu* menu, const QString& calculator,
                         const std::function<void(const QString&)>& open);

// The folder the file dialogs start in: where the last case was opened or saved.
QString CaseFolder();
void RememberCaseFolder(const QString& path);

} // namespace korvane
