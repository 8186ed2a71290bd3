// The files a report is written to: PDF pages, one HTML page with its figures inline,
// and no file at all when writing fails.
#include "FileSizeLimit.h"
#include "ReportQueries.h"
#include "SampleCases.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace korvane {
namespace {

ReportMeta Meta() {
    ReportMeta meta;
    meta.version = QStringLiteral("1.0.0.1");
    meta.project = QStringLiteral("示例项目 <A&B>");
    meta.engineer = QStringLiteral("示例");
    meta.date = QStringLiteral("2024-06-01");
    return meta;
}

int FigureCount(const ReportContent& report) {
    int count = 0;
    for (const ReportSection& s : report.sections)
        for (const ReportBlock& b : s.blocks)
            count += std::holds_alternative<ReportFigure>(b) ? 1 : 0;
    return count;
}

// Pages of a PDF as its page objects count them.
int PdfPageCount(const QByteArray& pdf) {
    return static_cast<int>(
        QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

class ReportFiles : public ::testing::TestWithParam<const char*> {};

TEST_P(ReportFiles, PdfHasThePagesThePainterLaidOut) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const ReportContent report = BuildReport(DefaultCase(GetParam()), Meta());
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    const Problem problem = WriteReportPdf(report, path);
    ASSERT_FALSE(problem) << problem.Message();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));

    // The same report painted again gives as many pages as the file holds.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(18, 14, 15, 12), QPageLayout::Millimeter);
    writer.setResolution(300);
    const int pages = PaintReport(report, &writer);
    EXPECT_GE(pages, 2);
    EXPECT_LE(pages, 7);
    EXPECT_EQ(PdfPageCount(pdf), pages);
    // No stray temporary file is left beside it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("report.pdf")});
}

TEST_P(ReportFiles, HtmlIsOnePageWithItsFiguresInline) {
    const ReportContent report = BuildReport(DefaultCase(GetParam()), Meta());
    const QString html = ReportHtml(report);
    EXPECT_TRUE(html.startsWith(QStringLiteral("<!DOCTYPE html>")));
    EXPECT_TRUE(html.contains(QStringLiteral("<meta charset=\"utf-8\">")));
    EXPECT_EQ(html.count(QStringLiteral("<svg")), FigureCount(report));
    EXPECT_EQ(html.count(QStringLiteral("</svg>")), FigureCount(report));
    EXPECT_FALSE(html.contains(QStringLiteral("<?xml")));
    for (const char* element : {"section", "table", "figure", "p"}) {
        const QString open = QStringLiteral("<%1>").arg(QString::fromLatin1(element));
        const QString openWithAttributes = QStringLiteral("<%1 ").arg(QString::fromLatin1(element));
        const QString close = QStringLiteral("</%1>").arg(QString::fromLatin1(element));
        EXPECT_EQ(html.count(open) + html.count(openWithAttributes), html.count(close)) << element;
    }
    for (const ReportSection& s : report.sections)
        EXPECT_TRUE(html.contains(QStringLiteral("<h2>%1</h2>").arg(s.title)));
    // User text is escaped.
    EXPECT_TRUE(html.contains(QStringLiteral("示例项目 &lt;A&amp;B&gt;")));
    EXPECT_FALSE(html.contains(QStringLiteral("<A&B>")));
    EXPECT_TRUE(html.trimmed().endsWith(QStringLiteral("</html>")));
}

INSTANTIATE_TEST_SUITE_P(Calculators, ReportFiles,
                         ::testing::Values("circular", "polyline", "combined", "highcap"));

TEST(WriteReport, ChoosesTheFormatByTheSuffix) {
    QTemporaryDir dir;
    const CaseData data = DefaultCase("polyline");
    for (const char* name : {"a.pdf", "b.PDF", "c.html", "d.htm"}) {
        const Problem problem = WriteReport(data, Meta(), dir.filePath(QString::fromLatin1(name)));
        EXPECT_FALSE(problem) << name << problem.Message();
    }
    QFile pdf(dir.filePath(QStringLiteral("b.PDF")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(4) == "%PDF");
    QFile html(dir.filePath(QStringLiteral("d.htm")));
    ASSERT_TRUE(html.open(QIODevice::ReadOnly));
    EXPECT_TRUE(html.readAll().startsWith("<!DOCTYPE html>"));
}

TEST(WriteReport, RefusesOtherSuffixesWithoutWriting) {
    QTemporaryDir dir;
    const std::string error =
        WriteReport(DefaultCase("circular"), Meta(), dir.filePath(QStringLiteral("r.docx")))
            .Message();
    EXPECT_NE(error.find("不支持的计算书格式"), std::string::npos);
    EXPECT_NE(error.find(".docx"), std::string::npos);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

TEST(WriteReport, AFailedWriteSaysWhyAndLeavesNoFile) {
    // A plain file where the directory should be: no user, root included, can write
    // under it.
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("reports")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const ReportContent report = BuildReport(DefaultCase("combined"), Meta());
    for (const QString& name :
         {QStringLiteral("reports/x.pdf"), QStringLiteral("reports/x.html")}) {
        const Problem problem = name.endsWith(QStringLiteral(".pdf"))
                                    ? WriteReportPdf(report, dir.filePath(name))
                                    : WriteReportHtml(report, dir.filePath(name));
        EXPECT_TRUE(problem.Message().starts_with("无法写入计算书文件")) << problem.Message();
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("reports")});
}

TEST(WriteReport, ADiskThatFillsUpLeavesThePreviousReportWhole) {
    QTemporaryDir dir;
    const ReportContent report = BuildReport(DefaultCase("highcap"), Meta());
    for (const QString& name : {QStringLiteral("r.pdf"), QStringLiteral("r.html")}) {
        const QString path = dir.filePath(name);
        const auto write = [&] {
            return name.endsWith(QStringLiteral(".pdf")) ? WriteReportPdf(report, path)
                                                         : WriteReportHtml(report, path);
        };
        ASSERT_FALSE(write()) << name.toStdString();
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();
        ASSERT_GT(before.size(), 20000);

        // A disk that fills up after 20 KiB, as a nearly full one does.
        FileSizeLimit limit(20480);
        ASSERT_TRUE(limit.Active());
        const Problem failed = write();
        limit.Lift();

        EXPECT_NE(failed.Message().find("写入不完整（磁盘可能已满），原文件未改动"),
                  std::string::npos)
            << failed.Message();
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), before) << name.toStdString();
        file.close();
        // No temporary file is left: the reports written so far, nothing else.
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(),
                  name.endsWith(QStringLiteral(".pdf")) ? 1 : 2);
    }
}

TEST(WriteReport, NamesLoseWhatWouldMakeThemReadOtherwise) {
    ReportMeta meta = Meta();
    meta.project = QStringLiteral("滨江路\u202Egpj.exe\u0007\u2066挡墙\x1b[31m");
    meta.checker = QStringLiteral("李\u200F四\u0085");
    const ReportContent report = BuildReport(DefaultCase("circular"), meta);
    EXPECT_EQ(report.meta.project, QStringLiteral("滨江路gpj.exe挡墙[31m"));
    EXPECT_EQ(report.meta.checker, QStringLiteral("李四"));
    const QString html = ReportHtml(report);
    for (const char16_t c : {u'\u202E', u'\u2066', u'\u200F', u'\u0007', u'\u001B', u'\u0085'})
        EXPECT_FALSE(html.contains(QChar(c))) << int(c);

    // A name too long for the title block is refused before anything is written.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("r.html"));
    meta.project = QString(kLongestReportName, QChar(u'工'));
    EXPECT_FALSE(WriteReport(DefaultCase("circular"), meta, path));
    meta.project += QChar(u'程');
    const Problem refused = WriteReport(DefaultCase("circular"), meta, path);
    EXPECT_NE(refused.Message().find("工程名称过长（201 个字符）"), std::string::npos)
        << refused.Message();
}

TEST(PaintReport, UndefinedSeriesStillPaint) {
    CaseData data = DefaultCase("highcap");
    data.inputs["ms1"] = "0";
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    EXPECT_GT(PaintReport(BuildReport(data, Meta()), &writer), 0);
}

} // namespace
} // namespace korvane
