#include "DLzhexian.h"

#include "CDataExchange.h"
#include "CalcReport.h"
#include "Calculators.h"
#include "DDX.h"
#include "FormMembers.h"
#include "PolylineSlip.h"

namespace korvane {

CDLzhexian::CDLzhexian(QWidget* parent)
    : CalculatorForm(IDD, PolylineCalculator(), IDC_CALC_POLYLINE, parent) {
    MapClick(IDC_CALC_POLYLINE, [this] { OnCalcPolyline(); });
}

void CDLzhexian::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_COMBO_CONCRETE, m_comboConcrete);
    DDX_Control(pDX, IDC_COMBO_REBAR, m_comboRebar);
    DDX_Text(pDX, IDC_EDIT_B, m_b);
    DDX_Text(pDX, IDC_EDIT_A, m_a);
    DDX_Text(pDX, IDC_EDIT_PHI1, m_phi1);
    DDX_Text(pDX, IDC_EDIT_C1, m_c1);
    DDX_Text(pDX, IDC_EDIT_THETA1, m_theta1);
    DDX_Text(pDX, IDC_EDIT_L1, m_L1);
    DDX_Text(pDX, IDC_EDIT_PHI2, m_phi2);
    DDX_Text(pDX, IDC_EDIT_C2, m_c2);
    DDX_Text(pDX, IDC_EDIT_THETA2, m_theta2);
    DDX_Text(pDX, IDC_EDIT_L2, m_L2);
    DDX_Text(pDX, IDC_EDIT_PHI3, m_phi3);
    DDX_Text(pDX, IDC_EDIT_C3, m_c3);
    DDX_Text(pDX, IDC_EDIT_THETA3, m_theta3);
    DDX_Text(pDX, IDC_EDIT_L3, m_L3);
    DDX_Text(pDX, IDC_EDIT_H1, m_h1);
    DDX_Text(pDX, IDC_EDIT_GAMMA, m_gamma);
    DDX_Text(pDX, IDC_EDIT_L, m_L);
    DDX_Text(pDX, IDC_EDIT_SAX, m_sax);
    DDX_Text(pDX, IDC_EDIT_SAY, m_say);
    DDX_Text(pDX, IDC_EDIT_BB, m_Bb);
    DDX_Text(pDX, IDC_EDIT_HB, m_hb);
    DDX_Text(pDX, IDC_EDIT_F, m_F);
    DDX_Text(pDX, IDC_EDIT_H_LOAD, m_H);
    DDX_Text(pDX, IDC_EDIT_A_SEISMIC, m_aSeismic);
    DDX_Text(pDX, IDC_EDIT_SLOPE_AMP, m_slopeAmp);
    DDX_Text(pDX, IDC_EDIT_D, m_d);
    DDX_Text(pDX, IDC_EDIT_STIRRUP_DIA, m_stirrupDia);
    DDX_Text(pDX, IDC_EDIT_STIRRUP_SPACING, m_stirrupSpacing);
    DDX_Text(pDX, IDC_EDIT_KS, m_ks);
    DDX_Text(pDX, IDC_EDIT_H, m_h);
    DDX_Text(pDX, IDC_EDIT_BETA, m_beta);
}

void CDLzhexian::OnCalcPolyline() {
    // A refused field has been reported; the computation runs on the record as read.
    UpdateData(true);
    const CalcOutcome outcome =
        ComputePolylineSlip(*this, m_comboConcrete.GetCurSel(), m_comboRebar.GetCurSel());
    ReportRefusal(outcome, this);
    UpdateData(false);
    SetCalculated(outcome.computed());
    ReportUndefinedResults(outcome, PolylineSlipMembers(), this);
}

} // namespace korvane
