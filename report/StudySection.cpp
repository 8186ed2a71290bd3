#include "StudySection.h"

#include "FieldText.h"
#include "StudyChart.h"
#include "StudyRun.h"

#include <thread>

namespace korvane {

namespace {

QString Named(const StudyQuantity* q, const std::string& name) {
    return q ? QStringLiteral("%1（%2）").arg(Q(q->label), Q(name)) : Q(name);
}

} // namespace

std::vector<int> StudyRowsListed(int points) {
    std::vector<int> rows;
    if (points <= kMostStudyRowsListed) {
        for (int i = 0; i < points; ++i)
            rows.push_back(i);
        return rows;
    }
    const int step = (points - 1 + kMostStudyRowsListed - 2) / (kMostStudyRowsListed - 1);
    for (int i = 0; i < points - 1; i += step)
        rows.push_back(i);
    rows.push_back(points - 1);
    return rows;
}

ReportSection StudyAppendix(const CaseData& data) {
    ReportSection section{QStringLiteral("附录 参数分析"), {}, false};
    const StudySettings& s = *data.study;
    if (const Problem problem = StudySettingsProblem(data.calculator, s)) {
        section.blocks.push_back(ReportParagraph{
            QStringLiteral("算例中的参数分析无法计算：%1。").arg(Q(problem.Message()))});
        return section;
    }
    const std::vector<StudyQuantity> inputs = StudyInputsOf(data.calculator);
    const std::vector<StudyQuantity> results = StudyResultsOf(data.calculator);
    const StudyQuantity* input = FindStudyQuantity(inputs, s.range.input);
    const StudyQuantity* result = FindStudyQuantity(results, s.result);
    const QString inputUnit = input && !input->unit.empty() ? Q(" " + input->unit) : QString();
    const auto withUnit = [](const StudyQuantity* q, const std::string& name) {
        return q && !q->unit.empty() ? QStringLiteral("%1 (%2)").arg(Q(q->name), Q(q->unit))
                                     : Q(name);
    };

    const StudyAnswer answer = RunStudy(data, s, std::max(std::thread::hardware_concurrency(), 1u));
    section.blocks.push_back(ReportParagraph{
        QStringLiteral("其余输入与选项同上，只改变%1：自 %2 至 %3%4 等分取 %5 点，每点都按单独"
                       "算例计算（读入、拒绝与提示与表单相同），结果为%6。")
            .arg(Named(input, s.range.input), Q(StudyText(StudyPoint(s.range, 0))),
                 Q(StudyText(StudyPoint(s.range, s.range.points - 1))), inputUnit)
            .arg(s.range.points)
            .arg(Named(result, s.result))});
    section.blocks.push_back(ReportFigure{QStringLiteral("%1随%2的变化")
                                              .arg(result ? Q(result->label) : Q(s.result),
                                                   input ? Q(input->label) : Q(s.range.input)),
                                          StudyChartOf(data.calculator, s, answer)});

    if (s.target && answer.solution) {
        const StudySolution& solution = *answer.solution;
        const std::string unit = input ? input->unit : std::string();
        const QString text =
            solution.crossings.empty()
                ? Q(StudySolutionText(s.range.input, solution, *s.target)) + QStringLiteral("。")
                : QStringLiteral("目标 %1：在相邻两点之间对未取整的结果二分，容差为范围的千分之一，"
                                 "交点为 %2。")
                      .arg(Q(StudyTargetText(*s.target)),
                           Q(StudySolutionText(s.range.input, solution, *s.target, unit)));
        section.blocks.push_back(ReportParagraph{text});
    }

    ReportTable table;
    table.caption = QStringLiteral("参数分析各点");
    table.header << withUnit(input, s.range.input) << withUnit(result, s.result)
                 << QStringLiteral("状态");
    const int column = answer.ColumnOf(s.result);
    for (int i : StudyRowsListed(s.range.points)) {
        const StudyPointAnswer& p = answer.points[static_cast<std::size_t>(i)];
        table.rows << QStringList{Q(p.text), Q(p.texts[static_cast<std::size_t>(column)]),
                                  Q(p.status)};
    }
    if (s.range.points > kMostStudyRowsListed)
        section.blocks.push_back(ReportParagraph{
            QStringLiteral(
                "下表列出均匀选取的 %1 点（含首末两点）；全部 %2 点可在参数分析窗口中导出为 "
                "CSV。")
                .arg(table.rows.size())
                .arg(s.range.points)});
    section.blocks.push_back(table);
    return section;
}

} // namespace korvane
