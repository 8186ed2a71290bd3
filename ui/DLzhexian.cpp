#include "DLzhexian.h"

#include "CDataExchange.h"
#include "CalcReport.h"
#include "MemberExchange.h"

namespace korvane {

CDLzhexian::CDLzhexian(QWidget* parent)
    : CalculatorForm(IDD, PolylineCalculator(), IDC_CALC_POLYLINE, parent) {
    MapClick(IDC_CALC_POLYLINE, [this] { OnCalcPolyline(); });
}

void CDLzhexian::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_COMBO_CONCRETE, m_comboConcrete);
    DDX_Control(pDX, IDC_COMBO_REBAR, m_comboRebar);
    DDX_Members<PolylineSlipRecord>(pDX, *this, PolylineCalculator().members);
}

void CDLzhexian::OnCalcPolyline() {
    const Calculator<PolylineSlipRecord>& calc = PolylineCalculator();
    // A refused field has been named and selected. Nothing is calculated and no field
    // is written, so that every other field keeps what the user typed.
    if (!UpdateData(true))
        return;
    CaseExtras extras;
    const CalcOutcome outcome = calc.calculate(
        *this, {m_comboConcrete.GetCurSel(), m_comboRebar.GetCurSel()}, RequestFor(), extras);
    ReportRefusal(calc, outcome, this);
    UpdateData(false);
    ShowCalculation(outcome, extras);
    ReportUndefinedResults(calc, outcome, this);
}

} // namespace korvane
