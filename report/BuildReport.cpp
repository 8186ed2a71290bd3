#include "CodeMethodSection.h"
#include "Report.h"
#include "StudySection.h"

#include "CaseEvaluation.h"
#include "CaseMessages.h"
#include "ReportDrawings.h"
#include "ReportMethod.h"
#include "ReportWork.h"
#include "ThoroughCircleShown.h"
#include "ThoroughCircleText.h"

#include <algorithm>

namespace korvane {

namespace {

// A radio group reads with the meaning of its position ("1（摩擦型桩）"); a text that is
// no position of the group reads as it is.
template <class Record> QString RadioValue(const MemberInfo<Record>& info, const QString& text) {
    for (std::size_t i = 0; i < info.positions.size(); ++i) {
        if (text == QString::number(i))
            return text + QStringLiteral("（") + QString::fromUtf8(info.positions[i]) +
                   QStringLiteral("）");
    }
    return text;
}

template <class Record> QStringList MemberRow(const MemberInfo<Record>& info, const QString& text) {
    if (info.kind == FieldKind::Radio)
        return {QString::fromUtf8(info.caption), QString(), RadioValue(info, text), QString()};
    return {Q(MemberLabel(info)), QString::fromUtf8(info.symbol), text,
            QString::fromUtf8(info.unit)};
}

const QStringList kMemberHeader = {QStringLiteral("名称"), QStringLiteral("符号"),
                                   QStringLiteral("数值"), QStringLiteral("单位")};

// Internal members that are no material or section value: the depth plot's scale and
// length, and the search parameters, which get a table of their own.
bool IsPlotBookkeeping(const char* name) {
    const std::string_view n(name);
    return n == "maxMoment" || n == "lastPoint";
}
bool IsSearchParameter(const char* name) {
    return std::string_view(name).starts_with("search");
}

// The calculator's name for a result named by a calculation outcome.
template <class Record>
QString OutcomeName(const Calculator<Record>& calc, const std::string& name) {
    const std::string label = ResultLabel(calc, name);
    if (label == name)
        return Q(name);
    return Q(label) + QStringLiteral("（") + Q(name) + QStringLiteral("）");
}

// Everything a report section needs to know of one case.
template <class Record> struct ReportCase {
    const Calculator<Record>& calc;
    const CaseData& data;
    CaseEvaluation<Record> e;
    std::string refusal; // why the case or its calculation was refused

    bool accepted() const { return e.inputsRead; }
    bool computed() const { return e.Calculated(); }
};

// The thorough search's circle beside the form's critical circle: what it found, and
// whether some circle of the family has a lower factor than the one the search shows.
ReportTable ThoroughTable(const ThoroughCircle& thorough) {
    ReportTable table{QStringLiteral("全面搜索（校核）"), kMemberHeader, {}};
    const char* labels[] = {"全面搜索最小稳定系数", "其滑动面半径", "其圆心坐标x", "其圆心坐标y"};
    const char* symbols[] = {"ks", "R", "x", "y"};
    const char* units[] = {"", "m", "m", "m"};
    const std::vector<ThoroughLine> lines = ThoroughCircleLines(thorough);
    for (std::size_t i = 0; i < lines.size() && i < 4; ++i) {
        const QString text =
            lines[i].text == "undefined" ? QStringLiteral("无定义") : Q(lines[i].text);
        table.rows.push_back({QString::fromUtf8(labels[i]), QString::fromUtf8(symbols[i]), text,
                              QString::fromUtf8(units[i])});
    }
    return table;
}

// Why the thorough circle's factor may lie far below: a circle that leaves the ground in
// front of the first pile row gets no help from the piles.
QString ThoroughPileSentence(const CircleDetail& circle) {
    if (!circle.pileRows.empty())
        return QStringLiteral("全面搜索所得滑弧切过 %1 排桩（逐条计算见附录）。")
            .arg(static_cast<int>(circle.pileRows.size()));
    return QStringLiteral("全面搜索所得滑弧在 xC = %1 m 处穿出地面，位于第一排桩之前，未切过任何"
                          "桩排，故不计桩的抗滑作用；其稳定系数反映桩前土体的局部稳定，而非桩基"
                          "承台的整体稳定（逐条计算见附录）。")
        .arg(QString::number(circle.exitX, 'f', 3));
}

QString ThoroughParagraph(const ThoroughBeside& thorough) {
    const QString text =
        QStringLiteral(
            "全面搜索：在同一族圆弧（通过坡脚、圆心位于上述两条搜索射线之间）中，按射线角与圆心距"
            "的网格逐一计算稳定系数，再从最小的几处局部细化，直至稳定系数的变化小于%1；单个圆弧"
            "的稳定系数与上表的计算方法相同。上表为程序搜索的结果，不因全面搜索而改变。")
            .arg(ShownNumber(kThoroughFactorTol));
    if (!thorough.circle.found)
        return text + QStringLiteral("全面搜索未得到有限的稳定系数。");
    const std::string lower = ThoroughLowerSentence(thorough.shownKs, thorough.circle);
    if (lower.empty())
        return text + QStringLiteral("全面搜索未发现稳定系数比上表低%1以上的滑动圆。")
                          .arg(ShownNumber(kThoroughLowerMargin));
    return text + Q(lower) + QStringLiteral("。");
}

template <class Record> ReportSection InputSection(const ReportCase<Record>& run) {
    ReportSection s{QStringLiteral("输入参数"), {}};
    ReportTable inputs{QStringLiteral("输入参数"), kMemberHeader, {}};
    for (const MemberInfo<Record>& info : run.calc.members) {
        if (info.role != MemberRole::Input)
            continue;
        if (run.accepted()) {
            inputs.rows.push_back(MemberRow(info, Q(MemberFieldText(run.e.entered, info))));
        } else if (const auto it = run.data.inputs.find(info.name); it != run.data.inputs.end()) {
            inputs.rows.push_back(MemberRow(info, Q(it->second)));
        }
    }
    if (!run.accepted())
        inputs.caption += QStringLiteral("（算例中的原文，未被接受，见说明）");
    s.blocks.push_back(inputs);

    ReportTable lists{
        QStringLiteral("材料等级选择"), {QStringLiteral("列表"), QStringLiteral("选择")}, {}};
    for (const ListOption& list : run.calc.lists) {
        const auto it = run.data.selections.find(list.name);
        const QString chosen = it == run.data.selections.end() || it->second.empty()
                                   ? QStringLiteral("（未选择）")
                                   : Q(it->second);
        lists.rows.push_back({Q(ListCaption(list)), chosen});
    }
    s.blocks.push_back(lists);

    if (run.computed()) {
        ReportTable materials{QStringLiteral("由所选等级查得的材料与截面参数"), kMemberHeader, {}};
        ReportTable search{QStringLiteral("临界滑弧搜索参数（程序固定值）"), kMemberHeader, {}};
        for (const MemberInfo<Record>& info : run.calc.members) {
            if (info.role != MemberRole::Internal || IsPlotBookkeeping(info.name))
                continue;
            (IsSearchParameter(info.name) ? search : materials)
                .rows.push_back(MemberRow(info, Q(MemberFieldText(run.e.computed, info))));
        }
        s.blocks.push_back(materials);
        if (!search.rows.isEmpty())
            s.blocks.push_back(search);
    }
    return s;
}

// The largest moment the form shows: the high-cap form's result, the combined form's
// plot scale (the same running maximum).
template <class Record> double ShownMaximumMoment(const Record& r) {
    if constexpr (requires { r.m_Mmax; })
        return r.m_Mmax;
    else
        return r.m_maxMoment;
}

template <class Record>
void AddPileForces(ReportSection& s, const PileGroupDetail& group, const Record& r) {
    s.blocks.push_back(PileForceTable(group));
    QString text = QStringLiteral(
        "结果中的“最大桩顶压力”是弯矩最大值搜索中最后一次刷新最大值的那根桩的竖向力，不一定是"
        "群桩中最大的桩顶竖向力；群桩各排桩的竖向力见上表及附录。");
    if (group.Nmin < 0)
        text += QStringLiteral("最小桩顶竖向力为负值（%1 kN，x = %2 m），该排桩受上拔力。")
                    .arg(Fixed(group.Nmin, 2), Fixed(group.NminX, 3));
    s.blocks.push_back(ReportParagraph{text});
    if constexpr (requires { r.m_l0; })
        s.blocks.push_back(ReportParagraph{HeadMomentSentence(group, ShownMaximumMoment(r))});
}

template <class Record> ReportSection ResultSection(const ReportCase<Record>& run) {
    ReportSection s{QStringLiteral("计算结果"), {}};
    if (!run.computed()) {
        s.blocks.push_back(ReportParagraph{QStringLiteral("无计算结果：计算未进行，原因见说明。")});
        return s;
    }
    ReportTable results{QStringLiteral("计算结果"), kMemberHeader, {}};
    for (const MemberInfo<Record>& info : run.calc.members) {
        if (info.role != MemberRole::Result)
            continue;
        QString text = Q(MemberFieldText(run.e.computed, info));
        if (IsUndefined(run.e.outcome, info.name))
            text += QStringLiteral(" ※无定义");
        results.rows.push_back(MemberRow(info, text));
    }
    s.blocks.push_back(results);
    if (const auto& thorough = run.e.extras.thorough) {
        s.blocks.push_back(ThoroughTable(thorough->circle));
        s.blocks.push_back(ReportParagraph{ThoroughParagraph(*thorough)});
        if (const auto& circle = run.e.extras.detail.thorough)
            s.blocks.push_back(ReportParagraph{ThoroughPileSentence(*circle)});
    }
    if (const auto& group = run.e.extras.detail.pileGroup)
        AddPileForces(s, *group, run.e.computed);
    return s;
}

// The moment and shear of one pile along its depth, for a calculator that gives them.
template <class Record> ReportSection ChartSection(const ReportCase<Record>& run) {
    ReportSection s{QStringLiteral("桩身弯矩与剪力图"), {}};
    const std::optional<PileDepthProfile>& profile = run.e.extras.depthProfile;
    if (!run.computed() || !profile) {
        s.blocks.push_back(ReportParagraph{QStringLiteral("无计算结果，不绘制内力图。")});
        return s;
    }
    // From the cap underside: the free length's head values first.
    const DepthChartPair charts = *PileChartsOf(run.e.extras);
    s.blocks.push_back(
        ReportFigure{QStringLiteral("一根桩的弯矩图与剪力图（深度自承台底起算）"), charts});

    QStringList parts;
    for (const DepthChart* chart : {&charts.moment, &charts.shear}) {
        QStringList marks;
        for (const ChartMark& mark : ChartMarks(*chart))
            marks << MarkValueText(*chart, mark) + QStringLiteral("，") + MarkDepthText(mark);
        parts << chart->name + QStringLiteral("：") +
                     (marks.isEmpty() ? QStringLiteral("各点均为0")
                                      : marks.join(QStringLiteral("；")));
    }
    s.blocks.push_back(ReportParagraph{
        QStringLiteral(
            "图自承台底（桩顶）画起：自由段（l0 = %1 m）内弯矩线性变化、剪力不变，地面以下"
            "为计算的深度点（共%2点）。极值：%3。")
            .arg(ShownNumber(profile->groundDepth))
            .arg(static_cast<int>(profile->depths.size()))
            .arg(parts.join(QStringLiteral("。")))});
    return s;
}

template <class Record> ReportSection NoteSection(const ReportCase<Record>& run) {
    ReportSection s{QStringLiteral("说明"), {}};
    auto say = [&s](const QString& text) { s.blocks.push_back(ReportParagraph{text}); };
    if (!run.accepted()) {
        say(QStringLiteral("算例的输入未被接受，未进行计算，本计算书没有计算结果：") +
            Q(run.refusal));
        return s;
    }
    if (!run.computed()) {
        say(QStringLiteral("计算拒绝了这组输入，未得出结果：") + Q(run.refusal));
        return s;
    }
    const CalcOutcome& outcome = run.e.outcome;
    if (!outcome.undefined.empty()) {
        QStringList names;
        for (const std::string& name : outcome.undefined)
            names << OutcomeName(run.calc, name);
        say(QStringLiteral("以下结果无定义（计算值不是有限数），表中或图中显示的数值不是计算结果："
                           "%1。")
                .arg(names.join(QStringLiteral("、"))));
    }
    for (const CaseNote& note : run.e.extras.notes)
        say(Q(NoteSentence(note)));
    // Results a case file kept that this calculation does not give again.
    QStringList changed;
    for (const MemberInfo<Record>& info : run.calc.members) {
        const auto it = run.data.results.find(info.name);
        if (!run.data.calculated || info.role != MemberRole::Result || it == run.data.results.end())
            continue;
        const std::string now = MemberFieldText(run.e.computed, info);
        if (now != it->second)
            changed << QStringLiteral("%1：算例 %2，本次 %3")
                           .arg(Q(MemberLabel(info)), Q(it->second), Q(now));
    }
    if (!changed.isEmpty())
        say(QStringLiteral("算例所存结果与本次计算结果不同（以本次计算为准）：") +
            changed.join(QStringLiteral("；")) + QStringLiteral("。"));
    if (!run.data.calculated)
        say(QStringLiteral("算例未附计算结果，本计算书的结果由上列输入计算得出。"));
    if (outcome.undefined.empty())
        say(QStringLiteral("计算正常完成，各项结果均为有限数值。"));
    return s;
}

// Tables and figures are numbered through the report, in reading order.
void NumberCaptions(ReportContent& report) {
    int tables = 0, figures = 0;
    for (ReportSection& section : report.sections) {
        for (ReportBlock& block : section.blocks) {
            if (auto* t = std::get_if<ReportTable>(&block); t && !t->caption.isEmpty())
                t->caption = QStringLiteral("表%1 ").arg(++tables) + t->caption;
            else if (auto* f = std::get_if<ReportFigure>(&block))
                f->caption = QStringLiteral("图%1 ").arg(++figures) + f->caption;
        }
    }
}

template <class Record>
ReportContent Build(const Calculator<Record>& calc, const CaseData& data, const ReportMeta& meta) {
    ReportCase<Record> run{
        calc,
        data,
        EvaluateCase(calc, data,
                     {.thorough = true, .detail = true, .codeMethods = calc.codeMethods}),
        {}};
    if (run.e.refusal)
        run.refusal = RefusalText(calc, *run.e.refusal);

    ReportContent report;
    report.title = QString::fromUtf8(calc.title) + QStringLiteral("计算书");
    report.meta = PrintableMeta(meta);

    ReportSection method{QStringLiteral("问题与方法"), {}};
    for (const QString& paragraph : MethodParagraphs(run.accepted() ? run.e.entered : Record()))
        method.blocks.push_back(ReportParagraph{paragraph});
    report.sections.push_back(method);

    ReportSection drawing{QStringLiteral("计算简图"), {}};
    if (run.accepted())
        drawing.blocks = SectionDrawings(run.e);
    else
        drawing.blocks.push_back(ReportParagraph{QStringLiteral("输入未被接受，不绘制计算简图。")});
    report.sections.push_back(drawing);

    report.sections.push_back(InputSection(run));
    report.sections.push_back(ResultSection(run));
    if (!calc.series.empty())
        report.sections.push_back(ChartSection(run));
    if (run.computed())
        report.sections.push_back(CheckSection(DesignChecks(calc.name, run.e.extras, data.limits)));
    if (std::optional<ReportSection> methods = CodeMethodSection(run.e, data.limits))
        report.sections.push_back(std::move(*methods));
    report.sections.push_back(NoteSection(run));
    // Signed under the verdict; the appendix follows for whoever checks the work.
    report.sections.push_back(SignOffSection(report.meta));
    if (run.computed())
        report.sections.push_back(WorkAppendix(run.e.extras.detail));
    if (data.study && data.study->inReport && run.accepted())
        report.sections.push_back(StudyAppendix(data));

    NumberCaptions(report);
    int number = 0;
    for (ReportSection& section : report.sections) {
        if (section.numbered)
            section.title = QString::number(++number) + QLatin1Char(' ') + section.title;
    }
    return report;
}

} // namespace

ReportContent BuildReport(const CaseData& data, const ReportMeta& meta) {
    ReportContent report;
    if (!WithCalculator(data.calculator,
                        [&](const auto& calc) { report = Build(calc, data, meta); })) {
        report.title = QStringLiteral("计算书");
        report.meta = PrintableMeta(meta);
        report.sections.push_back(
            {QStringLiteral("1 说明"),
             {ReportParagraph{QStringLiteral("算例的计算器“%1”不存在，无法生成计算书。")
                                  .arg(Q(data.calculator))}}});
    }
    return report;
}

} // namespace korvane
