// Writes the report of each calculator's default case (C30, HPB235) as PDF and HTML
// into the directory given, for looking at and for docs/reports.
#include "Report.h"
#include "SampleCases.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(dir);
    korvane::ReportMeta meta;
    meta.version = QStringLiteral(KORVANE_VERSION);
    meta.project = QStringLiteral("示例项目");
    meta.engineer = QStringLiteral("示例");
    meta.date = QStringLiteral("2024-06-01");
    int failures = 0;
    for (const char* name : korvane::kCalculatorNames) {
        for (const char* suffix : {".pdf", ".html"}) {
            const QString path =
                dir + QLatin1Char('/') + QString::fromUtf8(name) + QString::fromUtf8(suffix);
            QString error;
            if (!korvane::WriteReport(korvane::DefaultCase(name), meta, path, &error)) {
                std::fprintf(stderr, "%s\n", error.toLocal8Bit().constData());
                ++failures;
            }
        }
    }
    return failures == 0 ? 0 : 1;
}
