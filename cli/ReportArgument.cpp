#include "ReportArgument.h"

#include "ProgramVersion.h"
#include "Report.h"
#include "SafeFile.h"

#include <QDate>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSettings>
#include <QStandardPaths>
#include <cstdio>
#include <memory>

namespace korvane {

namespace {

// Painting text needs a GUI application; a command has no window, so it runs on Qt's
// offscreen platform unless the caller chose another.
void EnsureGuiApplication() {
    if (QCoreApplication::instance())
        return;
    // A platform the caller chose that cannot start here (xcb without a display) would
    // abort the program; Qt tries the platforms of a list in turn, so offscreen follows.
    const QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
    if (chosen.isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    else if (!chosen.split(';').contains("offscreen"))
        qputenv("QT_QPA_PLATFORM", chosen + ";offscreen");
    // The toolkit's notes about the session (no runtime directory, no display) are no
    // concern of a command's user; its errors still show.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "korvane-calc: %s\n", qPrintable(text));
    });
    static int argc = 1;
    static char name[] = "korvane-calc";
    static char* argv[] = {name, nullptr};
    static std::unique_ptr<QGuiApplication> app = std::make_unique<QGuiApplication>(argc, argv);
}

// Whether every settings file QSettings would read for the program is a regular file or
// absent: one that is a FIFO or a device would block the read for ever.
bool SettingsFilesReadable() {
    const QString organization = QString::fromUtf8(kProgramName);
    for (const QString& folder :
         QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation)) {
        for (const QString& name :
             {organization + "/" + organization + ".conf", organization + ".conf"}) {
            const QFileInfo file(folder + "/" + name);
            if (file.exists() && !file.isFile())
                return false;
        }
    }
    return true;
}

QString Remembered(const char* key) {
    // The desktop program keeps the names it asked for under its own name.
    if (!SettingsFilesReadable())
        return {};
    return QSettings(kProgramName, kProgramName).value(key).toString();
}

} // namespace

Problem ReportPathProblem(const std::string& path) {
    const QString suffix = QFileInfo(QString::fromStdString(path)).suffix().toLower();
    if (suffix == "pdf" || suffix == "html" || suffix == "htm")
        return NotARegularTarget(QString::fromStdString(path), QString::fromStdString(path),
                                 QStringLiteral("无法写入计算书文件"));
    return Problem("计算书“" + path + "”的格式不支持：文件名应以 .pdf、.html 或 .htm 结尾");
}

Problem WriteReportArgument(const CommandLine& line, const CaseData& data) {
    EnsureGuiApplication();
    ReportMeta meta;
    meta.program = kProgramName;
    meta.version = kProgramVersion;
    meta.project =
        line.project.empty() ? Remembered("report/project") : QString::fromStdString(line.project);
    meta.engineer = line.engineer.empty() ? Remembered("report/engineer")
                                          : QString::fromStdString(line.engineer);
    meta.checker =
        line.checker.empty() ? Remembered("report/checker") : QString::fromStdString(line.checker);
    meta.reviewer = line.reviewer.empty() ? Remembered("report/reviewer")
                                          : QString::fromStdString(line.reviewer);
    meta.date = QDate::currentDate().toString("yyyy-MM-dd");
    if (!line.casePath.empty() && line.casePath != "-")
        meta.caseFile = QFileInfo(QString::fromStdString(line.casePath)).fileName();
    return WriteReport(data, meta, QString::fromStdString(line.reportPath));
}

} // namespace korvane
