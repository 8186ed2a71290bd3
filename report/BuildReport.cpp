#include "Report.h"

#include "CaseRecord.h"
#include "ReportDrawings.h"
#include "ReportMethod.h"
#include "ThoroughCircleSearch.h"
#include "ThoroughCircleShown.h"
#include "ThoroughCircleText.h"

#include <algorithm>
#include <map>
#include <type_traits>

namespace korvane {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// A list's label without its closing colon ("桩身混凝土：" -> "桩身混凝土").
QString ListName(const char* label) {
    QString name = QString::fromUtf8(label).trimmed();
    while (name.endsWith(QChar(0xFF1A)) || name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name;
}

// A radio group's label lists its positions ("桩型：0 端承型桩，1 摩擦型桩"): the name is
// the part before the colon, and a position reads with its meaning ("1（摩擦型桩）").
struct RadioText {
    QString name;
    QString value;
};
RadioText RadioRow(const char* label, const QString& position) {
    const QString text = QString::fromUtf8(label);
    const int colon = text.indexOf(QChar(0xFF1A));
    if (colon < 0)
        return {text, position};
    RadioText row{text.left(colon), position};
    for (const QString& option : text.mid(colon + 1).split(QChar(0xFF0C))) {
        const QString trimmed = option.trimmed();
        if (trimmed.startsWith(position + QLatin1Char(' ')))
            row.value = position + QStringLiteral("（") + trimmed.mid(position.size() + 1) +
                        QStringLiteral("）");
    }
    return row;
}

template <class Record> QStringList MemberRow(const MemberInfo<Record>& info, const QString& text) {
    if (info.kind == FieldKind::Radio) {
        const RadioText radio = RadioRow(info.label, text);
        return {radio.name, QString(), radio.value, QString()};
    }
    return {QString::fromUtf8(info.label), QString::fromUtf8(info.symbol), text,
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

// The calculator's name for a member or a depth series named by a calculation outcome.
template <class Record>
QString OutcomeName(const Calculator<Record>& calc, const std::string& name) {
    for (const MemberInfo<Record>& info : calc.members) {
        if (name == info.name)
            return QString::fromUtf8(info.label) + QStringLiteral("（") + Q(name) +
                   QStringLiteral("）");
    }
    if (name == "momentSeries")
        return QStringLiteral("桩身弯矩深度序列（momentSeries）");
    if (name == "shearSeries")
        return QStringLiteral("桩身剪力深度序列（shearSeries）");
    return Q(name);
}

template <class Record>
constexpr bool kIsPile =
    std::is_same_v<Record, CombinedActionRecord> || std::is_same_v<Record, HighCapRecord>;

// Everything a report section needs to know of one case.
template <class Record> struct CaseRun {
    const Calculator<Record>& calc;
    const CaseData& data;
    std::vector<int> selections;
    std::string refusal; // the case's texts or lists were refused
    Record entered;      // inputs as read, before the calculation
    Record record;       // after the calculation
    CalcOutcome outcome;
    // The circular calculator's thorough search, beside the form's own.
    std::optional<ThoroughCircle> thorough;
    bool accepted() const { return refusal.empty(); }
    bool computed() const { return accepted() && outcome.computed(); }
};

template <class Record> void ReadAndRun(CaseRun<Record>& run) {
    run.refusal = CaseSelections(run.calc, run.data, run.selections);
    if (run.refusal.empty())
        run.refusal = ReadCaseTexts(run.calc, run.data, run.entered);
    if (!run.accepted())
        return;
    run.record = run.entered;
    run.outcome = run.calc.run(run.record, run.selections);
    if constexpr (std::is_same_v<Record, CircularSlipRecord>) {
        if (run.outcome.computed())
            run.thorough = ThoroughCircleSearch(run.entered, run.selections[0], run.selections[1]);
    }
}

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

QString ThoroughParagraph(double formKs, const ThoroughCircle& thorough) {
    QString text = QStringLiteral(
        "全面搜索：在同一族圆弧（通过坡脚、圆心位于上述两条搜索射线之间）中，按射线角与圆心距"
        "的网格逐一计算稳定系数，再从最小的几处局部细化，直至稳定系数的变化小于0.0001；单个圆弧"
        "的稳定系数与上表的计算方法相同。上表为程序搜索的结果，不因全面搜索而改变。");
    if (!thorough.found)
        return text + QStringLiteral("全面搜索未得到有限的稳定系数。");
    const std::string lower = ThoroughLowerSentence(formKs, thorough);
    if (lower.empty())
        return text + QStringLiteral("全面搜索未发现稳定系数比上表低0.005以上的滑动圆。");
    return text + Q(lower) + QStringLiteral("。");
}

template <class Record> ReportSection InputSection(const CaseRun<Record>& run) {
    ReportSection s{QStringLiteral("输入参数"), {}};
    ReportTable inputs{QStringLiteral("输入参数"), kMemberHeader, {}};
    for (const MemberInfo<Record>& info : run.calc.members) {
        if (info.role != MemberRole::Input)
            continue;
        if (run.accepted()) {
            inputs.rows.push_back(MemberRow(info, Q(MemberFieldText(run.entered, info))));
        } else if (const auto it = run.data.inputs.find(info.name); it != run.data.inputs.end()) {
            inputs.rows.push_back(MemberRow(info, Q(it->second)));
        }
    }
    if (!run.accepted())
        inputs.caption += QStringLiteral("（算例中的原文，未被接受，见说明）");
    s.blocks.push_back(inputs);

    ReportTable lists{
        QStringLiteral("材料等级选择"), {QStringLiteral("列表"), QStringLiteral("选择")}, {}};
    for (std::size_t i = 0; i < run.calc.lists.size(); ++i) {
        const ListOption& list = run.calc.lists[i];
        const auto it = run.data.selections.find(list.name);
        const QString chosen = it == run.data.selections.end() || it->second.empty()
                                   ? QStringLiteral("（未选择）")
                                   : Q(it->second);
        lists.rows.push_back({ListName(list.label), chosen});
    }
    s.blocks.push_back(lists);

    if (run.computed()) {
        ReportTable materials{QStringLiteral("由所选等级查得的材料与截面参数"), kMemberHeader, {}};
        ReportTable search{QStringLiteral("临界滑弧搜索参数（程序固定值）"), kMemberHeader, {}};
        for (const MemberInfo<Record>& info : run.calc.members) {
            if (info.role != MemberRole::Internal || IsPlotBookkeeping(info.name))
                continue;
            (IsSearchParameter(info.name) ? search : materials)
                .rows.push_back(MemberRow(info, Q(MemberFieldText(run.record, info))));
        }
        s.blocks.push_back(materials);
        if (!search.rows.isEmpty())
            s.blocks.push_back(search);
    }
    return s;
}

template <class Record> bool IsUndefined(const CalcOutcome& outcome, const char* name) {
    return std::find(outcome.undefined.begin(), outcome.undefined.end(), name) !=
           outcome.undefined.end();
}

template <class Record> ReportSection ResultSection(const CaseRun<Record>& run) {
    ReportSection s{QStringLiteral("计算结果"), {}};
    if (!run.computed()) {
        s.blocks.push_back(ReportParagraph{QStringLiteral("无计算结果：计算未进行，原因见说明。")});
        return s;
    }
    ReportTable results{QStringLiteral("计算结果"), kMemberHeader, {}};
    for (const MemberInfo<Record>& info : run.calc.members) {
        if (info.role != MemberRole::Result)
            continue;
        QString text = Q(MemberFieldText(run.record, info));
        if (IsUndefined<Record>(run.outcome, info.name))
            text += QStringLiteral(" ※无定义");
        results.rows.push_back(MemberRow(info, text));
    }
    s.blocks.push_back(results);
    if constexpr (std::is_same_v<Record, CircularSlipRecord>) {
        if (run.thorough) {
            s.blocks.push_back(ThoroughTable(*run.thorough));
            s.blocks.push_back(ReportParagraph{ThoroughParagraph(run.record.m_ks, *run.thorough)});
        }
    }
    return s;
}

template <class Record> ReportSection ChartSection(const CaseRun<Record>& run) {
    ReportSection s{QStringLiteral("桩身弯矩与剪力图"), {}};
    if (!run.computed()) {
        s.blocks.push_back(ReportParagraph{QStringLiteral("无计算结果，不绘制内力图。")});
        return s;
    }
    std::map<std::string, std::vector<double>> series;
    for (auto& [name, values] : run.calc.series(run.record))
        series[name] = values;
    const std::vector<double>& moment = series["momentSeries"];
    const std::vector<double>& shear = series["shearSeries"];
    const int count = static_cast<int>(std::max(moment.size(), shear.size()));
    const std::vector<double> depths = SeriesDepths(run.record, run.selections[0], count);
    const DepthChartPair charts = PileCharts(depths, moment, shear, run.record.m_l0);
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
        QStringLiteral("图中各点为计算的深度点（共%1点），第一点位于地面（距承台底 l0 = %2 m）。"
                       "极值：%3。")
            .arg(count)
            .arg(Q(FormatNumber(run.record.m_l0)), parts.join(QStringLiteral("。")))});
    return s;
}

template <class Record> ReportSection NoteSection(const CaseRun<Record>& run) {
    ReportSection s{QStringLiteral("说明"), {}};
    auto say = [&s](const QString& text) { s.blocks.push_back(ReportParagraph{text}); };
    if (!run.accepted()) {
        say(QStringLiteral("算例的输入未被接受，未进行计算，本计算书没有计算结果：") +
            Q(run.refusal));
        return s;
    }
    if (!run.outcome.computed()) {
        say(QStringLiteral("计算拒绝了这组输入，未得出结果：") + Q(run.outcome.refusal));
        return s;
    }
    if (!run.outcome.undefined.empty()) {
        QStringList names;
        for (const std::string& name : run.outcome.undefined)
            names << OutcomeName(run.calc, name);
        say(QStringLiteral("以下结果无定义（计算值不是有限数），表中或图中显示的数值不是计算结果："
                           "%1。")
                .arg(names.join(QStringLiteral("、"))));
    }
    if constexpr (!kIsPile<Record>) {
        for (std::size_t i = 0; i < run.calc.lists.size(); ++i) {
            if (run.selections[i] >= 0)
                continue;
            const bool concrete = std::string_view(run.calc.lists[i].name) == "concrete";
            say(QStringLiteral("%1未选择：%2按0计，桩的抗剪承载力中%3项为0。")
                    .arg(ListName(run.calc.lists[i].label),
                         concrete ? QStringLiteral("ft") : QStringLiteral("fyv"),
                         concrete ? QStringLiteral("混凝土") : QStringLiteral("箍筋")));
        }
    }
    // Results a case file kept that this calculation does not give again.
    QStringList changed;
    for (const MemberInfo<Record>& info : run.calc.members) {
        const auto it = run.data.results.find(info.name);
        if (!run.data.calculated || info.role != MemberRole::Result || it == run.data.results.end())
            continue;
        const std::string now = MemberFieldText(run.record, info);
        if (now != it->second)
            changed << QStringLiteral("%1：算例 %2，本次 %3")
                           .arg(QString::fromUtf8(info.label), Q(it->second), Q(now));
    }
    if (!changed.isEmpty())
        say(QStringLiteral("算例所存结果与本次计算结果不同（以本次计算为准）：") +
            changed.join(QStringLiteral("；")) + QStringLiteral("。"));
    if (!run.data.calculated)
        say(QStringLiteral("算例未附计算结果，本计算书的结果由上列输入计算得出。"));
    if (run.outcome.undefined.empty())
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
    CaseRun<Record> run{calc, data, {}, {}, Record(), Record(), {}, {}};
    ReadAndRun(run);

    ReportContent report;
    report.title = QString::fromUtf8(calc.title) + QStringLiteral("计算书");
    report.meta = meta;

    ReportSection method{QStringLiteral("问题与方法"), {}};
    for (const QString& paragraph : MethodParagraphs(run.accepted() ? run.entered : Record()))
        method.blocks.push_back(ReportParagraph{paragraph});
    report.sections.push_back(method);

    ReportSection drawing{QStringLiteral("计算简图"), {}};
    if (run.accepted()) {
        if constexpr (std::is_same_v<Record, CircularSlipRecord>)
            drawing.blocks = SectionDrawings(
                run.record, run.computed(),
                run.thorough ? std::optional(ShowThoroughCircle(*run.thorough)) : std::nullopt);
        else
            drawing.blocks = SectionDrawings(run.record, run.computed());
    } else
        drawing.blocks.push_back(ReportParagraph{QStringLiteral("输入未被接受，不绘制计算简图。")});
    report.sections.push_back(drawing);

    report.sections.push_back(InputSection(run));
    report.sections.push_back(ResultSection(run));
    if constexpr (kIsPile<Record>)
        report.sections.push_back(ChartSection(run));
    report.sections.push_back(NoteSection(run));

    NumberCaptions(report);
    for (std::size_t i = 0; i < report.sections.size(); ++i)
        report.sections[i].title =
            QString::number(i + 1) + QLatin1Char(' ') + report.sections[i].title;
    return report;
}

} // namespace

ReportContent BuildReport(const CaseData& data, const ReportMeta& meta) {
    ReportContent report;
    if (!WithCalculator(data.calculator,
                        [&](const auto& calc) { report = Build(calc, data, meta); })) {
        report.title = QStringLiteral("计算书");
        report.meta = meta;
        report.sections.push_back(
            {QStringLiteral("1 说明"),
             {ReportParagraph{QStringLiteral("算例的计算器“%1”不存在，无法生成计算书。")
                                  .arg(Q(data.calculator))}}});
    }
    return report;
}

} // namespace korvane
