// The parameter study a case carries into its report: after the sign-off, only when asked
// for, with its chart, its crossings and the points computed, thinned when there are many.
#include "FieldText.h"
#include "ReportQueries.h"
#include "SampleCases.h"
#include "StudyRun.h"
#include "StudySection.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <cmath>

namespace korvane {
namespace {

CaseData WithStudy(const char* calculator, StudySettings study) {
    CaseData data = DefaultCase(calculator);
    data.study = std::move(study);
    return data;
}

TEST(ReportStudy, AnAppendixAfterTheSignOffWithItsChartCrossingsAndPoints) {
    const CaseData data =
        WithStudy("circular", {{"say", 0.8, 4, 17}, "ks", StudyTarget{"ks", true, 1.35}, true});
    const ReportContent report = BuildReport(data, {});
    ASSERT_GE(report.sections.size(), 2u);
    const ReportSection& last = report.sections.back();
    EXPECT_EQ(last.title, "附录 参数分析");
    EXPECT_FALSE(last.numbered);

    const std::vector<const ReportFigure*> figures = BlocksOf<ReportFigure>(report, last.title);
    ASSERT_EQ(figures.size(), 1u);
    const auto* chart = std::get_if<StudyChart>(&figures[0]->figure);
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->x.size(), 17u);
    ASSERT_EQ(chart->crossings.size(), 1u);
    EXPECT_EQ(chart->target, 1.35);

    // The crossing the text states is the chart's, and each row is the field's text.
    const StudyAnswer answer = RunStudy(data, *data.study, 1);
    const QString text = ReportPlainText(report);
    EXPECT_TRUE(text.contains(
        QStringLiteral("say = %1").arg(Q(StudyText(answer.solution->crossings[0].value)))));
    const ReportTable* points = FindTable(report, last.title, "参数分析各点");
    ASSERT_NE(points, nullptr);
    ASSERT_EQ(points->rows.size(), 17);
    const int ks = answer.ColumnOf("ks");
    for (int i = 0; i < 17; ++i) {
        EXPECT_EQ(points->rows[i][0], Q(answer.points[i].text));
        EXPECT_EQ(points->rows[i][1], Q(answer.points[i].texts[ks]));
        EXPECT_EQ(points->rows[i][2], "已计算");
    }
}

TEST(ReportStudy, OnlyWhenAskedForAndOnlyWhatTheCalculatorCanCompute) {
    StudySettings study{{"d", 0.5, 1, 5}, "Ntop", std::nullopt, false};
    EXPECT_EQ(FindSection(BuildReport(WithStudy("highcap", study), {}), "附录 参数分析"), nullptr);
    study.inReport = true;
    EXPECT_NE(FindSection(BuildReport(WithStudy("highcap", study), {}), "附录 参数分析"), nullptr);
    // A study no calculator could run says so instead of failing the report.
    study.result = "ks";
    const ReportContent refused = BuildReport(WithStudy("highcap", study), {});
    const auto paragraphs = BlocksOf<ReportParagraph>(refused, "附录 参数分析");
    ASSERT_EQ(paragraphs.size(), 1u);
    EXPECT_TRUE(paragraphs[0]->text.contains("无法计算"));
}

TEST(ReportStudy, ManyPointsAreListedEvenlyWithTheFirstAndLast) {
    EXPECT_EQ(StudyRowsListed(5), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(StudyRowsListed(kMostStudyRowsListed).size(), std::size_t(kMostStudyRowsListed));
    for (int points : {kMostStudyRowsListed + 1, 250, kMostStudyPoints}) {
        const std::vector<int> rows = StudyRowsListed(points);
        EXPECT_LE(rows.size(), std::size_t(kMostStudyRowsListed)) << points;
        EXPECT_EQ(rows.front(), 0);
        EXPECT_EQ(rows.back(), points - 1);
        for (std::size_t i = 1; i < rows.size(); ++i)
            EXPECT_GT(rows[i], rows[i - 1]);
    }
}

// Charts of studies whose points did not all compute: gaps, one point, nothing at all.
TEST(ReportStudy, ChartsWithGapsOrNothingToDrawPaint) {
    QImage image(600, 400, QImage::Format_ARGB32);
    for (const StudyChart& chart :
         {StudyChart{"x", "y", "x", {1, 2, 3}, {1.0, std::nullopt, 3.0}, 2.0, "y ≥ 2", {2.5}},
          StudyChart{"x", "y", "x", {1}, {1.0}, std::nullopt, {}, {}},
          StudyChart{"x", "y", "x", {1, 2}, {std::nullopt, std::nullopt}, 1.0, "y ≥ 1", {}},
          StudyChart{"x", "y", "x", {1, 2}, {NAN, 5.0}, std::nullopt, {}, {}}}) {
        image.fill(Qt::white);
        QPainter painter(&image);
        PaintFigure(painter, QRectF(0, 0, 600, 400), chart);
        painter.end();
        int inked = 0;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2)
                inked += image.pixel(x, y) != qRgb(255, 255, 255);
        EXPECT_GT(inked, 100) << chart.x.size(); // at least the frame and its words
    }
}

} // namespace
} // namespace korvane
