#include "RecentCases.h"

#include "Calculators.h"
#include "CaseFile.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>
#include <QStandardPaths>

namespace korvane {

namespace {

constexpr const char* kRecentKey = "recentCases";

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
    (void)SaveCaseFile(path, data, CaseWriterName());
}

bool IsLastClosedCase(const QString& path) {
    for (const char* calculator : kCalculatorNames) {
        if (path == LastClosedCasePath(calculator))
            return true;
    }
    return false;
}

QString CaseFileFilter() {
    return QString("Korvane 算例 (*.%1);;所有文件 (*)").arg(kCaseSuffix);
}

QString CaseWriterName() {
    return QApplication::applicationName() + " " + QApplication::applicationVersion();
}

void FillRecentCasesMenu(QMenu* menu, const QString& calculator,
                         const std::function<void(const QString&)>& open) {
    menu->clear();
    auto title = [](const QString& name) {
        return QString::fromStdString(CalculatorTitle(name.toStdString()));
    };
    for (const char* name : kCalculatorNames) {
        const QString path = LastClosedCasePath(name);
        if (!calculator.isEmpty() && calculator != name)
            continue;
        // A form always names the entry, greyed until it closed once; the launcher
        // lists the calculators that have one.
        if (calculator.isEmpty() && !QFileInfo::exists(path))
            continue;
        QAction* last = menu->addAction(calculator.isEmpty() ? "上次关闭时的输入：" + title(name)
                                                             : QString("上次关闭时的输入"));
        last->setEnabled(QFileInfo::exists(path));
        QObject::connect(last, &QAction::triggered, menu, [open, path] { open(path); });
    }
    menu->addSeparator();
    int number = 0;
    for (const RecentCase& recent : RecentCases()) {
        if (!calculator.isEmpty() && recent.calculator != calculator)
            continue;
        const QFileInfo file(recent.path);
        const QString where = calculator.isEmpty() ? title(recent.calculator) : file.absolutePath();
        QAction* action =
            menu->addAction(QString("&%1 %2  —  %3").arg(++number).arg(file.fileName(), where));
        action->setToolTip(recent.path);
        action->setEnabled(file.exists());
        const QString path = recent.path;
        QObject::connect(action, &QAction::triggered, menu, [open, path] { open(path); });
    }
    if (number == 0)
        menu->addAction("（没有最近的算例）")->setEnabled(false);
    menu->addSeparator();
    QObject::connect(menu->addAction("清除列表"), &QAction::triggered, menu,
                     [] { ClearRecentCases(); });
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
