// What a report says of each calculator's default case, held against the calculator
// command, and what it says of refused and undefined cases.
#include "CalcCommand.h"
#include "CaseEvaluation.h"
#include "ReportQueries.h"
#include "SampleCases.h"
#include "ThoroughCircleSearch.h"
#include "ThoroughCircleShown.h"
#include "ThoroughCircleText.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

ReportMeta SampleMeta() {
    ReportMeta meta;
    meta.version = QStringLiteral("1.0.0.1");
    meta.project = QStringLiteral("示例项目");
    meta.engineer = QStringLiteral("示例");
    meta.date = QStringLiteral("2024-06-01");
    return meta;
}

std::string CommandArguments(const CaseData& data) {
    std::string args = data.calculator;
    for (const auto& [name, entry] : data.selections)
        args += " " + name + "=" + entry;
    return args;
}

class DefaultReport : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        data = DefaultCase(GetParam());
        report = BuildReport(data, SampleMeta());
        text = ReportPlainText(report);
        command = CalcCommandOutput(CommandArguments(data));
        ASSERT_FALSE(command.empty()) << "korvane-calc gave no output";
    }
    bool IsPile() const { return data.calculator == "combined" || data.calculator == "highcap"; }

    CaseData data;
    ReportContent report;
    QString text;
    std::map<std::string, std::string> command;
};

TEST_P(DefaultReport, HasItsSectionsInOrder) {
    QStringList titles;
    for (const ReportSection& s : report.sections)
        titles << s.title;
    QStringList expected = {QStringLiteral("1 问题与方法"), QStringLiteral("2 计算简图"),
                            QStringLiteral("3 输入参数"), QStringLiteral("4 计算结果")};
    if (IsPile())
        expected << QStringLiteral("5 桩身弯矩与剪力图") << QStringLiteral("6 验算")
                 << QStringLiteral("7 说明");
    else // the slopes are checked by the design code's methods too
        expected << QStringLiteral("5 验算") << QStringLiteral("6 按规范方法复核")
                 << QStringLiteral("7 说明");
    // The sign-off and the appendix keep their titles unnumbered.
    expected << QStringLiteral("签署") << QStringLiteral("附录 计算过程");
    EXPECT_EQ(titles, expected);
    EXPECT_TRUE(report.title.startsWith(Q(CalculatorTitle(data.calculator))));
    for (const QString& title : expected)
        EXPECT_TRUE(text.contains(title)) << title.toStdString();
    // Without limits of the engineer's nothing judges the result.
    EXPECT_FALSE(text.contains(QStringLiteral("满足")));
}

TEST_P(DefaultReport, ListsEveryInputWithItsLabelSymbolValueAndUnit) {
    WithCalculator(data.calculator, [&](const auto& calc) {
        const ReportTable* inputs =
            FindTable(report, QStringLiteral("输入参数"), QStringLiteral("输入参数"));
        ASSERT_NE(inputs, nullptr);
        int count = 0;
        for (const auto& info : calc.members) {
            if (info.role != MemberRole::Input)
                continue;
            ++count;
            const QString value = Q(data.inputs.at(info.name));
            const QString label = Q(MemberLabel(info));
            if (info.kind == FieldKind::Radio) {
                // The group by its name, the position with what it means.
                const QStringList* row = FindRow(inputs, QString::fromUtf8(info.caption));
                ASSERT_NE(row, nullptr) << info.name;
                const int position = value.toInt();
                EXPECT_EQ((*row)[2], value + QStringLiteral("（") +
                                         QString::fromUtf8(info.positions[position]) +
                                         QStringLiteral("）"))
                    << info.name;
                continue;
            }
            const QStringList* row = FindRow(inputs, label);
            ASSERT_NE(row, nullptr) << info.name;
            EXPECT_EQ(*row, (QStringList{label, QString::fromUtf8(info.symbol), value,
                                         QString::fromUtf8(info.unit)}))
                << info.name;
            EXPECT_TRUE(text.contains(row->join(QLatin1Char('\t')))) << info.name;
        }
        EXPECT_EQ(inputs->rows.size(), count);
    });
}

TEST_P(DefaultReport, ShowsTheResultsTheCalculatorCommandShows) {
    WithCalculator(data.calculator, [&](const auto& calc) {
        const ReportTable* results =
            FindTable(report, QStringLiteral("计算结果"), QStringLiteral("计算结果"));
        ASSERT_NE(results, nullptr);
        for (const auto& info : calc.members) {
            if (info.role != MemberRole::Result)
                continue;
            const QStringList* row = FindRow(results, Q(MemberLabel(info)));
            ASSERT_NE(row, nullptr) << info.name;
            EXPECT_EQ((*row)[2], Q(command.at(info.name))) << info.name;
            EXPECT_TRUE(text.contains(row->join(QLatin1Char('\t')))) << info.name;
        }
    });
}

TEST_P(DefaultReport, ShowsTheGradesChosenAndTheStrengthsTheyGive) {
    const ReportTable* lists =
        FindTable(report, QStringLiteral("输入参数"), QStringLiteral("材料等级选择"));
    ASSERT_NE(lists, nullptr);
    ASSERT_EQ(lists->rows.size(), static_cast<int>(data.selections.size()));
    EXPECT_EQ(lists->rows[0][1], QStringLiteral("C30"));
    if (lists->rows.size() > 1) {
        EXPECT_EQ(lists->rows[1][1], QStringLiteral("HPB235"));
    }

    const ReportTable* materials =
        FindTable(report, QStringLiteral("输入参数"), QStringLiteral("材料与截面参数"));
    ASSERT_NE(materials, nullptr);
    const std::vector<const char*> names = IsPile()
                                               ? std::vector<const char*>{"Ec", "ft", "fc", "I"}
                                               : std::vector<const char*>{"ft", "fyv"};
    ASSERT_EQ(materials->rows.size(), static_cast<int>(names.size()));
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(materials->rows[i][1], QString::fromUtf8(names[i]));
        EXPECT_EQ(materials->rows[i][2], Q(command.at(names[i]))) << names[i];
    }
}

TEST_P(DefaultReport, SaysWhoAndWhenAndThatTheCaseCameWithoutResults) {
    for (const QString& part : {QStringLiteral("示例项目"), QStringLiteral("示例"),
                                QStringLiteral("2024-06-01"), QStringLiteral("Korvane 1.0.0.1")})
        EXPECT_TRUE(text.contains(part)) << part.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("算例未附计算结果")));
    EXPECT_TRUE(text.contains(QStringLiteral("计算正常完成")));
}

INSTANTIATE_TEST_SUITE_P(Calculators, DefaultReport,
                         ::testing::Values("circular", "polyline", "combined", "highcap"));

// The chart section of a pile report and its one figure.
const DepthChartPair* ChartsOf(const ReportContent& report) {
    const auto figures = BlocksOf<ReportFigure>(report, QStringLiteral("桩身弯矩与剪力图"));
    return figures.size() == 1 ? std::get_if<DepthChartPair>(&figures[0]->figure) : nullptr;
}

std::vector<double> SeriesOfCommand(const std::string& text) {
    std::vector<double> values;
    for (const QString& part : Q(text).split(QLatin1Char(' '), Qt::SkipEmptyParts))
        values.push_back(part.toDouble());
    return values;
}

TEST(PileCharts, DrawTheCalculatedSeriesAndMarkTheirExtremes) {
    for (const char* name : {"combined", "highcap"}) {
        const CaseData data = DefaultCase(name);
        const ReportContent report = BuildReport(data, SampleMeta());
        const DepthChartPair* charts = ChartsOf(report);
        ASSERT_NE(charts, nullptr) << name;
        const auto command = CalcCommandOutput(CommandArguments(data));
        const std::vector<double> moment = SeriesOfCommand(command.at("momentSeries"));
        const std::vector<double> shear = SeriesOfCommand(command.at("shearSeries"));
        // From the cap underside: the pile head, the ground line l0 below it, then the
        // calculated depth points, deeper and deeper.
        const double l0 = std::stod(data.inputs.at("l0"));
        ASSERT_GT(l0, 0) << name;
        const std::size_t head = 2;
        ASSERT_EQ(charts->moment.value.size(), moment.size() + head) << name;
        for (std::size_t i = 0; i < moment.size(); ++i) {
            EXPECT_NEAR(charts->moment.value[i + head], moment[i],
                        1e-12 * (1 + std::fabs(moment[i])));
            EXPECT_NEAR(charts->shear.value[i + head], shear[i], 1e-12 * (1 + std::fabs(shear[i])));
        }
        // The free length carries the head forces only: the shear does not change.
        EXPECT_EQ(charts->shear.value[0], charts->shear.value[1]);
        EXPECT_NEAR(charts->shear.value[1], shear[0], 1e-3 * std::fabs(shear[0]));
        const std::vector<double>& depth = charts->moment.depth;
        ASSERT_EQ(depth.size(), moment.size() + head);
        EXPECT_EQ(depth[0], 0);
        EXPECT_EQ(depth[1], l0);
        EXPECT_GT(depth[2], l0);
        EXPECT_LT(depth[2], l0 + 0.01);
        EXPECT_TRUE(std::is_sorted(depth.begin(), depth.end()));
        EXPECT_EQ(charts->moment.groundDepth, l0);

        for (const DepthChart* chart : {&charts->moment, &charts->shear}) {
            const auto [lo, hi] = std::minmax_element(chart->value.begin(), chart->value.end());
            const std::vector<ChartMark> marks = ChartMarks(*chart);
            ASSERT_EQ(marks.size(), 2u) << name;
            EXPECT_EQ(marks[0].value, *hi);
            EXPECT_EQ(chart->value[marks[0].index], *hi);
            EXPECT_EQ(marks[0].depth, depth[marks[0].index]);
            EXPECT_EQ(marks[1].value, *lo);
            EXPECT_EQ(marks[1].depth, depth[marks[1].index]);
        }
    }
}

// The chart below the ground line alone: the calculated depth points.
DepthChart BelowGround(DepthChart chart) {
    const auto first = std::find_if(chart.depth.begin(), chart.depth.end(),
                                    [&chart](double d) { return d > chart.groundDepth; });
    const auto skipped = first - chart.depth.begin();
    chart.depth.erase(chart.depth.begin(), first);
    chart.value.erase(chart.value.begin(), chart.value.begin() + skipped);
    return chart;
}

TEST(PileCharts, ExtremesAgreeWithTheHighCapResults) {
    // The high-cap calculation reports the largest moment and shear of the depth points
    // with their depths below the cap underside; below the ground line the charts'
    // extremes are those, at the same depths.
    const CaseData data = DefaultCase("highcap");
    const ReportContent report = BuildReport(data, SampleMeta());
    const auto command = CalcCommandOutput(CommandArguments(data));
    const DepthChartPair* all = ChartsOf(report);
    ASSERT_NE(all, nullptr);
    const DepthChartPair below{BelowGround(all->moment), BelowGround(all->shear)};
    const DepthChartPair* charts = &below;
    auto largest = [](const DepthChart& chart) {
        std::vector<ChartMark> marks = ChartMarks(chart);
        return *std::max_element(marks.begin(), marks.end(), [](const auto& a, const auto& b) {
            return std::fabs(a.value) < std::fabs(b.value);
        });
    };
    const ChartMark m = largest(charts->moment), q = largest(charts->shear);
    EXPECT_EQ(MarkValueText(charts->moment, m), Q("Mmax = " + command.at("Mmax") + " kN·m"));
    EXPECT_EQ(MarkDepthText(m), Q("y = " + command.at("yMmax") + " m"));
    EXPECT_EQ(MarkValueText(charts->shear, q), Q("Qmax = " + command.at("Qmax") + " kN"));
    EXPECT_EQ(MarkDepthText(q), Q("y = " + command.at("yQmax") + " m"));
    // Over the whole pile the head moment, at the cap underside, is larger (l0 = 2):
    // the chart marks it, and the report says that the table's maximum misses it.
    const ChartMark head = largest(all->moment);
    EXPECT_EQ(MarkValueText(all->moment, head), QStringLiteral("Mmin = -86.89 kN·m"));
    EXPECT_EQ(MarkDepthText(head), QStringLiteral("y = 0 m"));
    const QString text = ReportPlainText(report);
    EXPECT_TRUE(text.contains(QStringLiteral("桩顶（承台底）弯矩 M顶 = -86.89 kN·m。其绝对值大于"
                                             "结果表中的最大弯矩 32.87 kN·m")))
        << text.toStdString();
    // The extremes are also written out under the charts.
    EXPECT_TRUE(text.contains(MarkValueText(all->moment, head) + QStringLiteral("，") +
                              MarkDepthText(head)));
}

TEST(RefusedCase, SaysWhyAndHasNoResults) {
    CaseData data = DefaultCase("circular");
    data.inputs["h"] = "六米";
    const ReportContent report = BuildReport(data, SampleMeta());
    const QString text = ReportPlainText(report);
    EXPECT_TRUE(text.contains(QStringLiteral("算例的输入未被接受")));
    EXPECT_TRUE(text.contains(QStringLiteral("坡高h(m)（h）的文本“六米”不能接受")));
    EXPECT_TRUE(BlocksOf<ReportTable>(report, QStringLiteral("计算结果")).empty());
    EXPECT_TRUE(BlocksOf<ReportFigure>(report, QStringLiteral("计算简图")).empty());
    // The inputs are shown as the case gives them, the refused one included.
    const ReportTable* inputs =
        FindTable(report, QStringLiteral("输入参数"), QStringLiteral("未被接受"));
    ASSERT_NE(inputs, nullptr);
    EXPECT_EQ((*FindRow(inputs, QStringLiteral("坡高h(m)")))[2], QStringLiteral("六米"));
}

TEST(RefusedCase, ARefusedCalculationHasNoResultsOrCharts) {
    CaseData data = DefaultCase("highcap");
    data.selections["concrete"] = "";
    const ReportContent report = BuildReport(data, SampleMeta());
    const QString text = ReportPlainText(report);
    EXPECT_TRUE(text.contains(QStringLiteral("计算拒绝了这组输入")));
    EXPECT_TRUE(BlocksOf<ReportTable>(report, QStringLiteral("计算结果")).empty());
    EXPECT_EQ(ChartsOf(report), nullptr);
    EXPECT_TRUE(text.contains(QStringLiteral("（未选择）")));
}

TEST(RefusedCase, ARadioPositionOutsideItsGroupIsRefusedAsEveryFaceRefusesIt) {
    CaseData data = DefaultCase("highcap");
    data.inputs["bearingLayer"] = "7";
    const ReportContent report = BuildReport(data, SampleMeta());
    const QString text = ReportPlainText(report);
    EXPECT_TRUE(text.contains(
        QStringLiteral("算例的输入未被接受，未进行计算，本计算书没有计算结果：") +
        QStringLiteral("桩端持力层：0 基岩，1 非基岩（bearingLayer）的单选位置 7 不在组内："
                       "“请填入一个在0和1之间的整数。”")))
        << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("计算正常完成")));
    EXPECT_TRUE(BlocksOf<ReportTable>(report, QStringLiteral("计算结果")).empty());
    // The position stands in the inputs as the case gives it, with no meaning.
    const ReportTable* inputs =
        FindTable(report, QStringLiteral("输入参数"), QStringLiteral("未被接受"));
    ASSERT_NE(inputs, nullptr);
    EXPECT_EQ((*FindRow(inputs, QStringLiteral("桩端持力层")))[2], QStringLiteral("7"));
}

TEST(RefusedCase, AnUnofferedGradeIsRefused) {
    CaseData data = DefaultCase("polyline");
    data.selections["rebar"] = "HRB500";
    const QString text = ReportPlainText(BuildReport(data, SampleMeta()));
    EXPECT_TRUE(text.contains(QStringLiteral("钢筋型号：没有“HRB500”一项")));
}

TEST(UndefinedResult, IsMarkedAndNamed) {
    CaseData data = DefaultCase("polyline");
    data.inputs["Bb"] = "0";
    const ReportContent report = BuildReport(data, SampleMeta());
    const ReportTable* results =
        FindTable(report, QStringLiteral("计算结果"), QStringLiteral("计算结果"));
    ASSERT_NE(results, nullptr);
    // One slip surface: its factor is no least one.
    const QStringList* ks = FindRow(results, QStringLiteral("稳定系数ks"));
    ASSERT_NE(ks, nullptr);
    EXPECT_TRUE((*ks)[2].endsWith(QStringLiteral("※无定义")));
    const QString text = ReportPlainText(report);
    EXPECT_TRUE(text.contains(QStringLiteral("以下结果无定义")));
    EXPECT_TRUE(text.contains(QStringLiteral("稳定系数ks（ks）")));
    EXPECT_FALSE(text.contains(QStringLiteral("最小稳定系数")));
    EXPECT_FALSE(text.contains(QStringLiteral("计算正常完成")));
    // The input that made it so is named in the notes.
    EXPECT_TRUE(text.contains(QStringLiteral("输入的承台长度Bb(m)为 0，应大于 0")));
}

TEST(UndefinedResult, NamesTheDepthSeriesToo) {
    CaseData data = DefaultCase("highcap");
    data.inputs["ms1"] = "0";
    const QString text = ReportPlainText(BuildReport(data, SampleMeta()));
    EXPECT_TRUE(text.contains(QStringLiteral("桩身弯矩深度序列（momentSeries）")));
}

TEST(CalculatedCase, NotesStoredResultsThatDifferFromTheCalculation) {
    CaseData data = DefaultCase("polyline");
    data.calculated = true;
    data.results["ks"] = "0.99";
    const QString text = ReportPlainText(BuildReport(data, SampleMeta()));
    EXPECT_TRUE(text.contains(QStringLiteral("稳定系数ks：算例 0.99，本次 0.53")));
    EXPECT_FALSE(text.contains(QStringLiteral("算例未附计算结果")));
}

// The thorough search's circle stands beside the form's result, in the table, the
// sentence and the drawing; the form's own result rows are unchanged.
TEST(ThoroughSearch, TheCircularReportShowsBothCircles) {
    CaseData data = DefaultCase("circular");
    const ReportContent report = BuildReport(data, SampleMeta());
    const auto read = EvaluateCase(CircularCalculator(), data, {.calculate = false});
    ASSERT_TRUE(read.inputsRead);
    const ThoroughCircle thorough =
        ThoroughCircleSearch(read.entered, read.selections[0], read.selections[1]);
    ASSERT_TRUE(thorough.found);

    const ReportTable* table =
        FindTable(report, QStringLiteral("计算结果"), QStringLiteral("全面搜索"));
    ASSERT_TRUE(table);
    const std::vector<ThoroughLine> lines = ThoroughCircleLines(thorough);
    ASSERT_EQ(table->rows.size(), lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(table->rows[i][2], Q(lines[i].text)) << lines[i].name;
    const QString text = ReportPlainText(report);
    EXPECT_TRUE(text.contains(Q(ThoroughLowerSentence(1.67, thorough)))) << text.toStdString();
    const QStringList* ks =
        FindRow(FindTable(report, QStringLiteral("计算结果"), QStringLiteral("计算结果")),
                QStringLiteral("最小稳定系数ks"));
    ASSERT_TRUE(ks);
    EXPECT_EQ((*ks)[2], QStringLiteral("1.67"));

    const auto figures = BlocksOf<ReportFigure>(report, QStringLiteral("计算简图"));
    ASSERT_FALSE(figures.empty());
    const auto* slope = std::get_if<SlopeFigure>(&figures[0]->figure);
    ASSERT_TRUE(slope && slope->circle && slope->secondCircle);
    const ThoroughShown shown = ShowThoroughCircle(thorough);
    EXPECT_EQ(slope->secondCircle->radius, shown.R);
    EXPECT_EQ(slope->secondCircle->x, shown.x);
}

TEST(ThoroughSearch, OtherCalculatorsAndRefusedCasesHaveNone) {
    for (const char* name : {"polyline", "combined", "highcap"})
        EXPECT_FALSE(ReportPlainText(BuildReport(DefaultCase(name), SampleMeta()))
                         .contains(QStringLiteral("全面搜索")))
            << name;
    CaseData refused = DefaultCase("circular");
    refused.inputs["h"] = "六米";
    EXPECT_FALSE(ReportPlainText(BuildReport(refused, SampleMeta()))
                     .contains(QStringLiteral("全面搜索（校核）")));
}

TEST(CalculatedCase, AnUnknownCalculatorGivesAReportThatSaysSo) {
    CaseData data;
    data.calculator = "retaining";
    const QString text = ReportPlainText(BuildReport(data, SampleMeta()));
    EXPECT_TRUE(text.contains(QStringLiteral("“retaining”不存在")));
}

TEST(ReportVerdict, TheCasesLimitsAreCheckedWithTheirBasis) {
    CaseData data = DefaultCase("circular");
    data.limits["ks"] = {1.35, "GB 50330-2013 表5.3.2（永久边坡，一般工况，一级）"};
    const ReportContent met = BuildReport(data, SampleMeta());
    const ReportTable* table = FindTable(met, QStringLiteral("验算"), QStringLiteral("验算结论"));
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->rows.size(), 1);
    EXPECT_EQ(table->rows[0],
              (QStringList{QStringLiteral("稳定安全系数 ks ≥ [K]"), QStringLiteral("1.67"),
                           QStringLiteral("1.35"),
                           QStringLiteral("GB 50330-2013 表5.3.2（永久边坡，一般工况，一级）"),
                           QStringLiteral("满足")}));
    data.limits["ks"] = {2, ""};
    const ReportContent unmet = BuildReport(data, SampleMeta());
    EXPECT_EQ(FindTable(unmet, QStringLiteral("验算"), QStringLiteral("验算结论"))->rows[0][4],
              QStringLiteral("不满足"));
    EXPECT_TRUE(ReportPlainText(unmet).contains(QStringLiteral("1 项验算不满足")));
}

TEST(ReportWork, TheAppendixSumsAreTheRowsOfItsTables) {
    const ReportContent report = BuildReport(DefaultCase("circular"), SampleMeta());
    const ReportTable* forces =
        FindTable(report, QStringLiteral("计算过程"),
                  QStringLiteral("临界滑弧（稳定系数为 ks 的圆弧）的条块力"));
    ASSERT_NE(forces, nullptr);
    ASSERT_EQ(forces->rows.size(), 17); // 16 slices and the sum
    double resisting = 0, driving = 0;
    for (int k = 0; k < 16; ++k) {
        resisting += forces->rows[k][4].toDouble();
        driving += forces->rows[k][5].toDouble();
    }
    // Summed from the printed rows, the totals agree to the rows' rounding.
    EXPECT_NEAR(resisting, forces->rows[16][4].toDouble(), 16 * 0.0005);
    EXPECT_NEAR(driving, forces->rows[16][5].toDouble(), 16 * 0.0005);
    const QString text = ReportPlainText(report);
    EXPECT_TRUE(
        text.contains(QStringLiteral("稳定系数 ks = (Sr + Sp) / Sd = (399.750 + 1286.479) / "
                                     "1009.646 = 1.6701")))
        << text.toStdString();
    // The thorough circle crosses no pile row, and the report says why its factor is low.
    EXPECT_TRUE(text.contains(QStringLiteral("位于第一排桩之前，未切过任何桩排")));
}

} // namespace
// The code's methods beside the form's: their factors on the same slices, with a verdict
// against the required factor, and the form's result unchanged.
TEST(CodeMethods, TheSlopeReportsCheckByTheCodesMethods) {
    CaseData circular = DefaultCase("circular");
    circular.selections = {{"concrete", "C30"}, {"rebar", "HPB235"}};
    circular.limits["ks"] = {1.35, "GB 50330-2013"};
    const ReportContent report = BuildReport(circular, SampleMeta());
    const ReportTable* bishop = FindTable(report, QStringLiteral("按规范方法复核"),
                                          QStringLiteral("简化 Bishop 法稳定系数"));
    ASSERT_NE(bishop, nullptr);
    const QStringList* ks = FindRow(bishop, QStringLiteral("普通条分法 ks 圆弧"));
    ASSERT_NE(ks, nullptr);
    EXPECT_EQ((*ks)[3], QStringLiteral("1.75"));
    EXPECT_EQ((*ks)[5], QStringLiteral("满足 (1.75 ≥ 1.35)"));
    const QStringList* least = FindRow(bishop, QStringLiteral("Bishop 系数最小的圆弧"));
    ASSERT_NE(least, nullptr);
    EXPECT_TRUE((*least)[5].startsWith(QStringLiteral("不满足"))) << (*least)[5].toStdString();
    const QString text = ReportPlainText(report);
    EXPECT_TRUE(text.contains(QStringLiteral("本计算的结果（ks = 1.67）不因此改变")));

    CaseData polyline = DefaultCase("polyline");
    polyline.selections = {{"concrete", "C30"}, {"rebar", "HPB235"}};
    const ReportContent slip = BuildReport(polyline, SampleMeta());
    const ReportTable* blocks =
        FindTable(slip, QStringLiteral("按规范方法复核"), QStringLiteral("传递系数法各块段"));
    ASSERT_NE(blocks, nullptr);
    ASSERT_EQ(blocks->rows.size(), 3);
    EXPECT_EQ(blocks->rows[0][0], QStringLiteral("滑面1"));
    EXPECT_EQ(blocks->rows[0][4], QStringLiteral("—")); // the top block receives no thrust
    const QStringList* factor = FindRow(
        FindTable(slip, QStringLiteral("按规范方法复核"), QStringLiteral("传递系数法稳定系数")),
        QStringLiteral("传递系数法隐式解"));
    ASSERT_NE(factor, nullptr);
    EXPECT_EQ((*factor)[1], QStringLiteral("0.54"));
    EXPECT_EQ((*factor)[2], QStringLiteral("—")); // no required factor given

    // The pile reports have none.
    EXPECT_FALSE(ReportPlainText(BuildReport(DefaultCase("highcap"), SampleMeta()))
                     .contains(QStringLiteral("按规范方法复核")));
}

} // namespace korvane
