#include "Dlgyuanhuhuadong.h"

#include "CDataExchange.h"
#include "CalcReport.h"
#include "Calculators.h"
#include "CircularSlip.h"
#include "DDX.h"
#include "FormMembers.h"
#include "ThoroughCircleSearch.h"
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
    DDX_Text(pDX, IDC_EDIT_B, m_b);
    DDX_Text(pDX, IDC_EDIT_PHI, m_phi);
    DDX_Text(pDX, IDC_EDIT_C, m_c);
    DDX_Text(pDX, IDC_EDIT_H, m_h);
    DDX_Text(pDX, IDC_EDIT_A, m_a);
    DDX_Text(pDX, IDC_EDIT_BETA, m_beta);
    DDX_Text(pDX, IDC_EDIT_H1, m_h1);
    DDX_Text(pDX, IDC_EDIT_L, m_L);
    DDX_Text(pDX, IDC_EDIT_SAX, m_sax);
    DDX_Text(pDX, IDC_EDIT_SAY, m_say);
    DDX_Text(pDX, IDC_EDIT_GAMMA, m_gamma);
    DDX_Text(pDX, IDC_EDIT_BB, m_Bb);
    DDX_Text(pDX, IDC_EDIT_F, m_F);
    DDX_Text(pDX, IDC_EDIT_H_LOAD, m_H);
    DDX_Text(pDX, IDC_EDIT_A_SEISMIC, m_aSeismic);
    DDX_Text(pDX, IDC_EDIT_SLOPE_AMP, m_slopeAmp);
    DDX_Text(pDX, IDC_EDIT_HB, m_hb);
    DDX_Text(pDX, IDC_EDIT_X, m_x);
    DDX_Text(pDX, IDC_EDIT_Y, m_y);
    DDX_Text(pDX, IDC_EDIT_KS, m_ks);
    DDX_Text(pDX, IDC_EDIT_R, m_R);
    DDX_Text(pDX, IDC_EDIT_D, m_d);
    DDX_Text(pDX, IDC_EDIT_STIRRUP_DIA, m_stirrupDia);
    DDX_Text(pDX, IDC_EDIT_STIRRUP_SPACING, m_stirrupSpacing);
}

void CDlgyuanhuhuadong::OnCalcCircle() {
    // A refused field has been reported; the search runs on the record as read.
    UpdateData(true);
    const CircularSlipRecord entered = *this;
    const CalcOutcome outcome =
        SearchCriticalCircle(*this, m_comboConcrete.GetCurSel(), m_comboRebar.GetCurSel());
    ReportRefusal(outcome, this);
    UpdateData(false);
    SetCalculated(outcome.computed());
    // A second opinion beside the fields, which keep the search's own answer.
    std::string note;
    if (outcome.computed())
        note =
            ThoroughLowerSentence(m_ks, ThoroughCircleSearch(entered, m_comboConcrete.GetCurSel(),
                                                             m_comboRebar.GetCurSel()));
    ShowResultNote(note.empty() ? QString()
                                : "全面搜索：" + QString::fromStdString(note) + "（详见计算书）");
    ReportUndefinedResults(outcome, CircularSlipMembers(), this);
}

} // namespace korvane
