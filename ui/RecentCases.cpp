#include "RecentCases.h"

#include "CaseFile.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace korvane {

namespace {

constexpr const char* kRecentKey = "recentCases";

QString ProgramText() {
    return QApplication::applicationName() + " " + QApplication::applicationVersion();
}

void WriteRecent(const QList<RecentCase>& cases) {
    QSettings settings;
    settings.beginWriteArray(kRecentKey, static_cast<int>(cases.size()));
    for (int i = 0; i < cases.size(); ++i) {
        settings.setArrayIndex(i);
        settings.setValue("path", cases[i].path);
        settings.setValue("calculator", cases[i].calculator);
    }
    settings.endArray();
}

} // namespace

QList<RecentCase> RecentCases() {
    QSettings settings;
    QList<RecentCase> cases;
    const int count = settings.beginReadArray(kRecentKey);
    for (int i = 0; i < count && cases.size() < kRecentCaseLimit; ++i) {
        settings.setArrayIndex(i);
        const RecentCase recent{settings.value("path").toString(),
                                settings.value("calculator").toString()};
        if (!recent.path.isEmpty())
            cases << recent;
    }
    settings.endArray();
    return cases;
}

void RememberCase(const QString& path, const QString& calculator) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QList<RecentCase> cases = RecentCases();
    cases.removeIf([&](const RecentCase& c) { return c.path == absolute; });
    cases.prepend({absolute, calculator});
    while (cases.size() > kRecentCaseLimit)
        cases.removeLast();
    WriteRecent(cases);
}

void ForgetCase(const QString& path) {
    QList<RecentCase> cases = RecentCases();
    cases.removeIf([&](const RecentCase& c) { return c.path == path; });
    WriteRecent(cases);
}

void ClearRecentCases() {
    WriteRecent({});
}

QString LastClosedCasePath(const QString& calculator) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return QDir(folder).filePath("last-closed-" + calculator + "." + kCaseSuffix);
}

void KeepLastClosedCase(const CaseData& data) {
    const QString path = LastClosedCasePath(QString::fromStdString(data.calculator));
    QDir().mkpath(QFileInfo(path).absolutePath());
    SaveCaseFile(path, data, ProgramText(), nullptr);
}

QString CaseFolder() {
    const QString folder = QSettings().value("caseFolder").toString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        return folder;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void RememberCaseFolder(const QString& path) {
    QSettings().setValue("caseFolder", QFileInfo(path).absolutePath());
}

} // namespace korvane
