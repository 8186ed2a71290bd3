// Writes the report of each calculator's default case (C30, HPB235) as PDF and HTML
// into the directory given, for looking at and for doc/reports:
//   make_sample_reports DIR
// or one calculator's case with some inputs or grades changed:
//   make_sample_reports DIR circular h1=1 concrete=C40
#include "Report.h"
#include "SampleCases.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <string>

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

    std::vector<korvane::CaseData> cases;
    if (argc > 2) {
        korvane::CaseData data = korvane::DefaultCase(argv[2]);
        for (int i = 3; i < argc; ++i) {
            const std::string assignment = argv[i];
            const auto eq = assignment.find('=');
            if (eq == std::string::npos)
                continue;
            const std::string name = assignment.substr(0, eq), value = assignment.substr(eq + 1);
            (name == "concrete" || name == "rebar" ? data.selections : data.inputs)[name] = value;
        }
        cases.push_back(data);
    } else {
        for (const char* name : korvane::kCalculatorNames)
            cases.push_back(korvane::DefaultCase(name));
    }
    int failures = 0;
    for (const korvane::CaseData& data : cases) {
        for (const char* suffix : {".pdf", ".html"}) {
            const QString path = dir + QLatin1Char('/') + QString::fromStdString(data.calculator) +
                                 QString::fromUtf8(suffix);
            if (const korvane::Problem problem = korvane::WriteReport(data, meta, path)) {
                std::fprintf(stderr, "%s\n", problem.Message().c_str());
                ++failures;
            }
        }
    }
    return failures == 0 ? 0 : 1;
}
