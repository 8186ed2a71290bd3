#include "Calculators.h"

#include "BishopMethod.h"
#include "CircularSlip.h"
#include "CombinedAction.h"
#include "FieldText.h"
#include "Grades.h"
#include "HighCap.h"
#include "Plausibility.h"
#include "PolylineSlip.h"
#include "SlopeSection.h"
#include "TransferCoefficient.h"
#include "resource.h"

#include <algorithm>

namespace korvane {

namespace {

// The entries of a grade list, in list order.
std::vector<std::string> Entries(const char* (*name)(int), int (*rowAt)(int), int count) {
    std::vector<std::string> entries;
    for (int i = 0; i < count; ++i)
        entries.emplace_back(name(rowAt(i)));
    return entries;
}

// The grade lists' selections as the table rows the core reads.
struct GradeRows {
    int concrete;
    int rebar; // -1 where the calculator has no rebar list
};

GradeRows RowsOf(const std::vector<int>& sel) {
    return {ConcreteRowAt(sel[0]), sel.size() > 1 ? RebarRowAt(sel[1]) : -1};
}

// The slope calculations compute without a grade, with its strength as 0; the pile
// calculations refuse.
ListOption SlopeConcreteList() {
    return {"concrete", "桩身混凝土：",
            Entries(ConcreteGradeName, ConcreteRowAt, kConcreteGradeCount),
            KORVANE_CONTROL(IDC_COMBO_CONCRETE), UnchosenStrength{"ft", "混凝土"}};
}

ListOption RebarList() {
    return {"rebar", "钢筋型号：", Entries(RebarGradeName, RebarRowAt, kRebarGradeCount),
            KORVANE_CONTROL(IDC_COMBO_REBAR), UnchosenStrength{"fyv", "箍筋"}};
}

ListOption PileConcreteList() {
    return {"concrete", "混凝土C:", Entries(ConcreteGradeName, ConcreteRowAt, kConcreteGradeCount),
            KORVANE_CONTROL(IDC_COMBO_CONCRETE)};
}

const SeriesInfo kMomentSeries{"momentSeries", "桩身弯矩深度序列", "M", "kN·m"};
const SeriesInfo kShearSeries{"shearSeries", "桩身剪力深度序列", "Q", "kN"};

// The first `count` points of the series, at the depths of the grid points below the
// pile top, as the calculation placed them.
PileDepthProfile ProfileOf(const PileProperties& pile, double l0, const double* moment,
                           const double* shear, int count) {
    PileDepthProfile profile;
    profile.groundDepth = l0;
    for (int j = 0; j < count; ++j)
        profile.depths.push_back(DepthBelowPileTop(pile, j, l0));
    profile.series = {{&kMomentSeries, std::vector<double>(moment, moment + count)},
                      {&kShearSeries, std::vector<double>(shear, shear + count)}};
    return profile;
}

template <class Work>
PileGroupDetail GroupDetailOf(const Work& work, double l0, const double* moment,
                              const double* shear, int count) {
    const auto points = static_cast<std::size_t>(count);
    return DescribePileGroup(work.head, work.cap, work.layout, work.pile, work.response, l0,
                             {moment, points}, {shear, points});
}

// What a calculation says beside its results, for every face alike: the strengths taken
// as 0 for a list with nothing chosen, then each input outside its plausible range, then
// what the calculation itself noted. Nothing is said of a calculation that was refused.
template <class Record> Calculator<Record> WithNotes(Calculator<Record> calc) {
    calc.calculate = [core = calc.calculate, lists = calc.lists, members = calc.members,
                      ranges = PlausibleRangesOf(calc.name)](Record& r, const std::vector<int>& sel,
                                                             const CalcRequest& request,
                                                             CaseExtras& extras) {
        std::vector<CaseNote> notes = ImplausibleInputs(ranges, members, r);
        const CalcOutcome outcome = core(r, sel, request, extras);
        if (!outcome.computed())
            return outcome;
        std::vector<CaseNote> unchosen;
        for (std::size_t i = 0; i < lists.size(); ++i) {
            const ListOption& list = lists[i];
            if (i < sel.size() && sel[i] < 0 && list.unchosen)
                unchosen.push_back(StrengthTakenAsZeroNote(ListCaption(list), list.unchosen->member,
                                                           list.unchosen->share));
        }
        notes.insert(notes.begin(), unchosen.begin(), unchosen.end());
        extras.notes.insert(extras.notes.begin(), notes.begin(), notes.end());
        return outcome;
    };
    return calc;
}

} // namespace

std::string ListCaption(const ListOption& list) {
    std::string caption = list.label;
    for (const std::string_view colon : {"：", ":"}) {
        if (caption.ends_with(colon))
            caption.resize(caption.size() - colon.size());
    }
    return caption;
}

const DepthSeries* PileDepthProfile::Find(const char* name) const {
    for (const DepthSeries& s : series) {
        if (std::string_view(name) == s.info->name)
            return &s;
    }
    return nullptr;
}

std::string CalculatorTitle(std::string_view name) {
    std::string title;
    WithCalculator(name, [&title](const auto& calc) { title = calc.title; });
    return title;
}

const Calculator<CircularSlipRecord>& CircularCalculator() {
    static const Calculator<CircularSlipRecord> calc = WithNotes(Calculator<CircularSlipRecord>{
        "circular",
        "圆弧条分法计算边坡建筑桩基础整体稳定",
        CircularSlipMembers(),
        {SlopeConcreteList(), RebarList()},
        {},
        true,
        [](CircularSlipRecord& r, const std::vector<int>& sel, const CalcRequest& request,
           CaseExtras& extras) {
            const CircularSlipRecord entered = r;
            const GradeRows g = RowsOf(sel);
            CircleSearchRun run;
            CalcOutcome outcome = SearchCriticalCircle(r, g.concrete, g.rebar, run);
            if (!outcome.computed())
                return outcome;
            if (!run.ksCircleFound) {
                CaseNote note;
                note.kind = CaseNote::Kind::NoCircleFound;
                note.value = FormatNumber(r.m_ks);
                note.expected = FormatNumber(kCircleSearchStartFactor - kCircleSearchTol);
                extras.notes.push_back(std::move(note));
            }
            // A second opinion on the same inputs; the record keeps the search's answer.
            if (request.thorough)
                extras.thorough = {ThoroughCircleSearch(entered, g.concrete, g.rebar), r.m_ks};
            if (request.codeMethods) {
                const CircularSlipRecord working =
                    CircleSearchWorkingRecord(entered, g.concrete, g.rebar);
                if (run.ksCircleFound)
                    extras.codeMethods.bishop =
                        BishopFactorOf(DescribeCircle(working, run.ksX, run.ksY), working);
                extras.codeMethods.bishopLeast = LeastBishopCircle(working);
            }
            if (request.detail) {
                const CircularSlipRecord working =
                    CircleSearchWorkingRecord(entered, g.concrete, g.rebar);
                if (run.ksCircleFound)
                    extras.detail.critical = DescribeCircle(working, run.ksX, run.ksY);
                if (run.anyKept)
                    extras.detail.shownCentreFactor = EvaluateCircle(working, run.x, run.y).factor;
                if (extras.thorough && extras.thorough->circle.found)
                    extras.detail.thorough = DescribeCircle(working, extras.thorough->circle.x,
                                                            extras.thorough->circle.y);
            }
            return outcome;
        },
        true});
    return calc;
}

const Calculator<PolylineSlipRecord>& PolylineCalculator() {
    static const Calculator<PolylineSlipRecord> calc = WithNotes(Calculator<PolylineSlipRecord>{
        "polyline",
        "折线条分法计算边坡建筑桩基础整体稳定",
        PolylineSlipMembers(),
        {SlopeConcreteList(), RebarList()},
        {},
        false,
        [](PolylineSlipRecord& r, const std::vector<int>& sel, const CalcRequest& request,
           CaseExtras& extras) {
            const PolylineSlipRecord entered = r;
            const GradeRows g = RowsOf(sel);
            CalcOutcome outcome = ComputePolylineSlip(r, g.concrete, g.rebar);
            if (outcome.computed() && (request.detail || request.codeMethods)) {
                const PolylineSlipRecord working = WithPileGrades(entered, g.concrete, g.rebar);
                PolylineSlipDetail detail = DescribePolylineSlip(working);
                if (request.codeMethods)
                    extras.codeMethods.transfer = TransferFactorOf(detail, working);
                if (request.detail)
                    extras.detail.polyline = std::move(detail);
            }
            return outcome;
        },
        true});
    return calc;
}

const Calculator<CombinedActionRecord>& CombinedCalculator() {
    static const Calculator<CombinedActionRecord> calc = WithNotes(Calculator<CombinedActionRecord>{
        "combined",
        "高、低、脱空承台桩身内力及承台位移计算—共同作用方法",
        CombinedActionMembers(),
        {PileConcreteList()},
        {&kMomentSeries, &kShearSeries},
        false,
        [](CombinedActionRecord& r, const std::vector<int>& sel, const CalcRequest& request,
           CaseExtras& extras) {
            CombinedActionWork work;
            CalcOutcome outcome = CalculateCombinedAction(r, RowsOf(sel).concrete, work);
            if (outcome.computed()) {
                // The series hold the points 0 .. m_lastPoint, at most the 41 of the grid.
                const int count =
                    std::clamp(r.m_lastPoint + 1, 0, CombinedActionRecord::kSeriesPoints);
                extras.depthProfile =
                    ProfileOf(work.pile, r.m_l0, r.m_momentSeries, r.m_shearSeries, count);
                if (request.detail)
                    extras.detail.pileGroup =
                        GroupDetailOf(work, r.m_l0, r.m_momentSeries, r.m_shearSeries, count);
            }
            return outcome;
        }});
    return calc;
}

const Calculator<HighCapRecord>& HighCapCalculator() {
    static const Calculator<HighCapRecord> calc = WithNotes(Calculator<HighCapRecord>{
        "highcap",
        "高承台桩身最大弯矩计算—共同作用方法",
        HighCapMembers(),
        {PileConcreteList()},
        {&kMomentSeries, &kShearSeries},
        false,
        [](HighCapRecord& r, const std::vector<int>& sel, const CalcRequest& request,
           CaseExtras& extras) {
            HighCapWork work;
            CalcOutcome outcome = CalculateHighCapForces(r, RowsOf(sel).concrete, work);
            if (outcome.computed()) {
                const int count = HighCapRecord::kSeriesPoints;
                extras.depthProfile =
                    ProfileOf(work.pile, r.m_l0, r.m_momentSeries, r.m_shearSeries, count);
                if (request.detail)
                    extras.detail.pileGroup =
                        GroupDetailOf(work, r.m_l0, r.m_momentSeries, r.m_shearSeries, count);
            }
            return outcome;
        }});
    return calc;
}

} // namespace korvane
