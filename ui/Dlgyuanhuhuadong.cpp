#include "Dlgyuanhuhuadong.h"

#include "CDataExchange.h"
#include "CalcReport.h"
#include "MemberExchange.h"
#include "ThoroughCircleText.h"

namespace korvane {

CDlgyuanhuhuadong::CDlgyuanhuhuadong(QWidget* parent)
    : CalculatorForm(IDD, CircularCalculator(), IDC_CALC_CIRCLE, parent) {
    MapClick(IDC_CALC_CIRCLE, [this] { OnCalcCircle(); });
    ReserveResultNote();
}

void CDlgyuanhuhuadong::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_COMBO_CONCRETE, m_comboConcrete);
    DDX_Control(pDX, IDC_COMBO_REBAR, m_comboRebar);
    DDX_Members<CircularSlipRecord>(pDX, *this, CircularCalculator().members);
}

void CDlgyuanhuhuadong::OnCalcCircle() {
    const Calculator<CircularSlipRecord>& calc = CircularCalculator();
    // A refused field has been named and selected. Nothing is calculated and no field
    // is written, so that every other field keeps what the user typed.
    if (!UpdateData(true))
        return;
    CaseExtras extras;
    const CalcOutcome outcome =
        calc.calculate(*this, {m_comboConcrete.GetCurSel(), m_comboRebar.GetCurSel()},
                       RequestFor({.thorough = true}), extras);
    ReportRefusal(calc, outcome, this);
    UpdateData(false);
    // A second opinion beside the fields, which keep the search's own answer.
    std::string note;
    if (extras.thorough)
        note = ThoroughLowerSentence(extras.thorough->shownKs, extras.thorough->circle);
    ShowCalculation(outcome, extras,
                    note.empty() ? QString()
                                 : "全面搜索：" + QString::fromStdString(note) + "（详见计算书）");
    ReportUndefinedResults(calc, outcome, this);
}

} // namespace korvane
