// Any bytes as the names a report prints (project, sign-off names, case file): what the
// report prints of them holds no control character and nothing that reorders text, and
// a name is refused exactly when it is longer than a report prints.

#include "Report.h"
#include "ReportWork.h"

#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>

using namespace korvane;

namespace {

void StartApplication() {
    static int argc = 1;
    static char name[] = "fuzz_report_names";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
}

bool ReadsOtherwise(char32_t c) {
    return (c < 0x20 && c != '\n') || (c >= 0x7F && c <= 0x9F) || c == 0x200E || c == 0x200F ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0x061C;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    StartApplication();
    // The names, separated by a record separator byte.
    const QList<QByteArray> parts =
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)).split('\x1e');
    ReportMeta meta;
    QString* names[] = {&meta.project, &meta.engineer, &meta.checker, &meta.reviewer,
                        &meta.caseFile};
    for (qsizetype i = 0; i < parts.size() && i < 5; ++i)
        *names[i] = QString::fromUtf8(parts[i]);

    bool tooLong = false;
    for (const QString* name : names)
        tooLong = tooLong || name->toUcs4().size() > kLongestReportName;
    if (static_cast<bool>(ReportMetaProblem(meta)) != tooLong)
        std::abort();

    ReportContent report;
    report.title = QStringLiteral("计算书");
    report.meta = PrintableMeta(meta);
    report.sections.push_back(SignOffSection(report.meta));
    for (const QString& printed : {ReportHtml(report), ReportPlainText(report)}) {
        for (const char32_t c : printed.toUcs4()) {
            if (ReadsOtherwise(c) && c != '\t')
                std::abort();
        }
    }
    return 0;
}
