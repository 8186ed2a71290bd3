#include "Report.h"

#include <QFileInfo>

namespace korvane {

QString ReportPlainText(const ReportContent& r) {
    QStringList lines;
    lines << r.title;
    auto meta = [&lines](const QString& name, const QString& value) {
        if (!value.isEmpty())
            lines << name + QStringLiteral("：") + value;
    };
    meta(QStringLiteral("工程名称"), r.meta.project);
    meta(QStringLiteral("计算人"), r.meta.engineer);
    meta(QStringLiteral("计算日期"), r.meta.date);
    meta(QStringLiteral("计算程序"),
         (r.meta.program + QLatin1Char(' ') + r.meta.version).trimmed());
    meta(QStringLiteral("算例文件"), r.meta.caseFile);
    for (const ReportSection& section : r.sections) {
        lines << QString() << section.title;
        for (const ReportBlock& b : section.blocks) {
            if (const auto* p = std::get_if<ReportParagraph>(&b)) {
                lines << p->text;
            } else if (const auto* t = std::get_if<ReportTable>(&b)) {
                if (!t->caption.isEmpty())
                    lines << t->caption;
                if (!t->header.isEmpty())
                    lines << t->header.join(QLatin1Char('\t'));
                for (const QStringList& row : t->rows)
                    lines << row.join(QLatin1Char('\t'));
            } else if (const auto* f = std::get_if<ReportFigure>(&b)) {
                lines << QStringLiteral("［%1］").arg(f->caption);
            }
        }
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

namespace {

bool Unprintable(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x200E || c == 0x200F ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0x061C;
}

QString Printable(const QString& text) {
    QString out;
    for (const char32_t c : text.toUcs4()) {
        if (!Unprintable(c))
            out += QString::fromUcs4(&c, 1);
    }
    return out;
}

} // namespace

ReportMeta PrintableMeta(ReportMeta meta) {
    for (QString* name : {&meta.project, &meta.engineer, &meta.checker, &meta.reviewer,
                          &meta.caseFile, &meta.program, &meta.version, &meta.date})
        *name = Printable(*name);
    return meta;
}

Problem ReportMetaProblem(const ReportMeta& meta) {
    const std::pair<const char*, const QString*> names[] = {{"工程名称", &meta.project},
                                                            {"计算人", &meta.engineer},
                                                            {"校核人", &meta.checker},
                                                            {"审核人", &meta.reviewer},
                                                            {"算例文件名", &meta.caseFile}};
    for (const auto& [what, name] : names) {
        const qsizetype length = name->toUcs4().size();
        if (length > kLongestReportName)
            return Said(QStringLiteral("%1过长（%2 个字符），计算书中的名称最多 %3 个字符")
                            .arg(QString::fromUtf8(what))
                            .arg(length)
                            .arg(kLongestReportName));
    }
    return {};
}

Problem WriteReport(const CaseData& data, const ReportMeta& meta, const QString& path) {
    if (const Problem problem = ReportMetaProblem(meta))
        return problem;
    const QString suffix = QFileInfo(path).suffix().toLower();
    const bool pdf = suffix == QStringLiteral("pdf");
    const bool html = suffix == QStringLiteral("html") || suffix == QStringLiteral("htm");
    if (!pdf && !html) {
        return Said(QStringLiteral("不支持的计算书格式“%1”：文件名应以 .pdf、.html 或 .htm 结尾。")
                        .arg(suffix.isEmpty() ? path : QStringLiteral(".") + suffix));
    }
    const ReportContent report = BuildReport(data, meta);
    return pdf ? WriteReportPdf(report, path) : WriteReportHtml(report, path);
}

} // namespace korvane
