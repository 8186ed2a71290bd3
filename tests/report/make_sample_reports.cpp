// Writes the report of each calculator's default case (C30, HPB235), checked against
// limits an engineer might set, as PDF and HTML into the directory given, for looking
// at and for doc/reports:
//   make_sample_reports DIR
// or one calculator's case with some inputs or grades changed:
//   make_sample_reports DIR circular h1=1 concrete=C40
#include "DesignLimits.h"
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
    meta.checker = QStringLiteral("校核示例");
    meta.reviewer = QStringLiteral("审核示例");
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
    const korvane::DesignLimits slope{
        {"ks", {1.35, "GB 50330-2013 表5.3.2（永久边坡，一般工况，一级）"}}};
    const korvane::DesignLimits pile{
        {"Ra", {1500, "JGJ 94-2008 第5.2.1条"}},
        {"x0", {10, "JGJ 94-2008 第5.7.2条（对水平位移不敏感的建筑物）"}},
        {"M", {150, "桩身截面受弯承载力（设计给定）"}},
        {"Q", {60, "桩身截面受剪承载力（设计给定）"}}};
    for (korvane::CaseData& data : cases) {
        const bool slopeCase = data.calculator == "circular" || data.calculator == "polyline";
        for (const auto& [name, limit] : slopeCase ? slope : pile) {
            if (korvane::FindLimit(data.calculator, name))
                data.limits[name] = limit;
        }
        // The circular sample ends with a study of the spacing across the slope.
        if (data.calculator == "circular" && argc <= 2)
            data.study = korvane::StudySettings{
                {"say", 0.8, 4, 33}, "ks", korvane::StudyTarget{"ks", true, 1.35}, true};
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
