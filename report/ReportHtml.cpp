#include "Report.h"

#include "ReportFont.h"
#include "SafeFile.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

namespace korvane {

namespace {

// Figures are drawn at this width, in millimetres, like on the A4 page.
constexpr double kFigureWidthMm = 170;
constexpr int kSvgDpi = 96;

QString FigureSvg(const FigureData& figure) {
    const double aspect = FigureAspect(figure);
    const double pxPerMm = kSvgDpi / 25.4;
    const QSize size(qRound(kFigureWidthMm * pxPerMm), qRound(kFigureWidthMm * aspect * pxPerMm));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setResolution(kSvgDpi);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    {
        QPainter painter(&svg);
        PaintFigure(painter, QRectF(QPointF(0, 0), size), figure);
    }
    QString text = QString::fromUtf8(buffer.data());
    // Inline SVG needs no XML declaration; the element itself starts at "<svg".
    const int start = text.indexOf(QStringLiteral("<svg"));
    return start < 0 ? QString() : text.mid(start);
}

QString Escaped(const QString& text) {
    return text.toHtmlEscaped();
}

QString TableHtml(const ReportTable& t) {
    QString html =
        t.compact ? QStringLiteral("<table class=\"compact\">\n") : QStringLiteral("<table>\n");
    if (!t.caption.isEmpty())
        html += QStringLiteral("<caption>%1</caption>\n").arg(Escaped(t.caption));
    if (!t.header.isEmpty()) {
        html += QStringLiteral("<thead><tr>");
        for (const QString& cell : t.header)
            html += QStringLiteral("<th>%1</th>").arg(Escaped(cell));
        html += QStringLiteral("</tr></thead>\n");
    }
    html += QStringLiteral("<tbody>\n");
    for (const QStringList& row : t.rows) {
        html += QStringLiteral("<tr>");
        for (const QString& cell : row)
            html += QStringLiteral("<td>%1</td>").arg(Escaped(cell));
        html += QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</tbody>\n</table>\n");
}

const char* const kStyle = R"(
body { font-family: "%1", "Noto Sans CJK SC", "Microsoft YaHei", sans-serif; font-size: 10.5pt;
       max-width: 190mm; margin: 12mm auto; color: #000; line-height: 1.5; }
header.meta, footer.meta { color: #444; font-size: 8.5pt; display: flex; justify-content: space-between;
       border-bottom: 0.3mm solid #888; padding-bottom: 1mm; }
footer.meta { border-bottom: none; border-top: 0.3mm solid #888; padding-top: 1mm; margin-top: 8mm; }
h1 { font-size: 16pt; text-align: center; margin: 6mm 0 4mm; }
h2 { font-size: 12.5pt; border-bottom: 0.3mm solid #888; margin: 6mm 0 2mm; page-break-after: avoid; }
table { border-collapse: collapse; width: 100%; margin: 2mm 0 4mm; font-size: 9pt; }
caption { text-align: left; font-weight: bold; padding: 1mm 0; }
th, td { border: 0.2mm solid #666; padding: 0.8mm 1.3mm; text-align: left; vertical-align: middle; }
th { background: #e4e8ee; }
tr { page-break-inside: avoid; }
table.titleblock td:first-child { width: 30%; }
table.compact { font-size: 7.5pt; }
table.compact th, table.compact td { padding: 0.5mm 0.8mm; }
figure { margin: 3mm 0 4mm; text-align: center; page-break-inside: avoid; }
figure svg { max-width: 100%; height: auto; }
figcaption { font-weight: bold; font-size: 9.5pt; }
@page { size: A4; margin: 14mm 15mm 12mm 18mm; }
@media print { body { margin: 0; max-width: none; } }
)";

} // namespace

QString ReportHtml(const ReportContent& r) {
    const QString program = (r.meta.program + QLatin1Char(' ') + r.meta.version).trimmed();
    QString html = QStringLiteral("<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n"
                                  "<meta charset=\"utf-8\">\n<title>%1</title>\n<style>%2</style>\n"
                                  "</head>\n<body>\n")
                       .arg(Escaped(r.title), QString::fromUtf8(kStyle).arg(ReportFontFamily()));
    html +=
        QStringLiteral("<header class=\"meta\"><span>%1</span><span>%2</span><span>日期：%3</span>"
                       "</header>\n")
            .arg(Escaped(program), Escaped(r.title), Escaped(r.meta.date));
    html += QStringLiteral("<h1>%1</h1>\n").arg(Escaped(r.title));
    ReportTable block;
    auto row = [&block](const QString& name, const QString& value) {
        if (!value.isEmpty())
            block.rows.push_back({name, value});
    };
    row(QStringLiteral("工程名称"), r.meta.project);
    row(QStringLiteral("计算人"), r.meta.engineer);
    row(QStringLiteral("计算日期"), r.meta.date);
    row(QStringLiteral("计算程序"), program);
    row(QStringLiteral("算例文件"), r.meta.caseFile);
    html += TableHtml(block).replace(QStringLiteral("<table>"),
                                     QStringLiteral("<table class=\"titleblock\">"));
    for (const ReportSection& section : r.sections) {
        html += QStringLiteral("<section>\n<h2>%1</h2>\n").arg(Escaped(section.title));
        for (const ReportBlock& b : section.blocks) {
            if (const auto* p = std::get_if<ReportParagraph>(&b))
                html += QStringLiteral("<p>%1</p>\n").arg(Escaped(p->text));
            else if (const auto* t = std::get_if<ReportTable>(&b))
                html += TableHtml(*t);
            else if (const auto* f = std::get_if<ReportFigure>(&b))
                html += QStringLiteral("<figure>\n%1<figcaption>%2</figcaption>\n</figure>\n")
                            .arg(FigureSvg(f->figure), Escaped(f->caption));
        }
        html += QStringLiteral("</section>\n");
    }
    html += QStringLiteral("<footer class=\"meta\"><span>项目：%1　　计算：%2</span><span>%3</span>"
                           "</footer>\n</body>\n</html>\n")
                .arg(Escaped(r.meta.project), Escaped(r.meta.engineer), Escaped(program));
    return html;
}

Problem WriteReportHtml(const ReportContent& report, const QString& path) {
    return WriteFileWhole(path, ReportHtml(report).toUtf8(), path,
                          QStringLiteral("无法写入计算书文件"));
}

} // namespace korvane
