#include "DLGspczl1.h"

#include "CDataExchange.h"
#include "CPaintDC.h"
#include "CalcReport.h"
#include "Calculators.h"
#include "CombinedAction.h"
#include "DDX.h"
#include "DepthPlot.h"
#include "FormMembers.h"
#include "TableRange.h"

#include <algorithm>

namespace korvane {

CDLGspczl1::CDLGspczl1(QWidget* parent)
    : CalculatorForm(IDD, CombinedCalculator(), IDC_CALC_COMBINED, parent) {
    MapClick(IDC_CALC_COMBINED, [this] { OnCalcCombined(); });
    MapClick(IDC_RADIO_NON_BEDROCK, [this] { OnRadioNonBedrock(); });
    MapClick(IDC_RADIO_BEDROCK_SURFACE, [this] { OnRadioBedrockSurface(); });
    MapClick(IDC_RADIO_EMBEDDED, [this] { OnRadioEmbedded(); });
    MapClick(IDC_RADIO_END_BEARING, [this] { OnRadioEndBearing(); });
    MapClick(IDC_RADIO_FRICTION, [this] { OnRadioFriction(); });
}

void CDLGspczl1::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_COMBO_CONCRETE, m_comboConcrete);
    DDX_Text(pDX, IDC_EDIT_XIN, m_xiN);
    DDX_Text(pDX, IDC_EDIT_CR, m_CR);
    DDX_Text(pDX, IDC_EDIT_HN, m_hn);
    DDX_Text(pDX, IDC_EDIT_MC, m_mc);
    DDX_Text(pDX, IDC_EDIT_MU, m_mu);
    DDX_Text(pDX, IDC_EDIT_MP, m_mp);
    DDX_Text(pDX, IDC_EDIT_MS, m_ms);
    DDX_Text(pDX, IDC_EDIT_NX, m_nx);
    DDX_Text(pDX, IDC_EDIT_NZ, m_nz);
    DDX_Text(pDX, IDC_EDIT_PILE_SAX, m_sax);
    DDX_Text(pDX, IDC_EDIT_PILE_SAZ, m_saz);
    DDX_Text(pDX, IDC_EDIT_PILE_H, m_h);
    DDX_Text(pDX, IDC_EDIT_PILE_D, m_d);
    DDX_Radio(pDX, IDC_RADIO_NON_BEDROCK, m_bearingLayer);
    DDX_Text(pDX, IDC_EDIT_CAP_B, m_B);
    DDX_Text(pDX, IDC_EDIT_PILE_H_LOAD, m_H);
    DDX_Text(pDX, IDC_EDIT_PILE_M_LOAD, m_M);
    DDX_Text(pDX, IDC_EDIT_NG, m_NG);
    DDX_Text(pDX, IDC_EDIT_PILE_PHI, m_phi);
    DDX_Radio(pDX, IDC_RADIO_END_BEARING, m_pileType);
    DDX_Text(pDX, IDC_EDIT_ETA_C, m_etaC);
    DDX_Text(pDX, IDC_EDIT_CAP_L, m_L);
    DDX_Text(pDX, IDC_EDIT_NTOP, m_Ntop);
    DDX_Text(pDX, IDC_EDIT_X0, m_x0);
    DDX_Text(pDX, IDC_EDIT_RESULT_HC, m_Hc);
    DDX_Text(pDX, IDC_EDIT_RESULT_HB, m_Hb);
    DDX_Text(pDX, IDC_EDIT_RESULT_MB, m_Mb);
    DDX_Text(pDX, IDC_EDIT_RESULT_MC, m_Mc);
    DDX_Text(pDX, IDC_EDIT_RESULT_NB, m_Nb);
    DDX_Text(pDX, IDC_EDIT_VOIDED_L0, m_l0);
    DDV_TableRange(pDX, *this, &CDLGspczl1::m_l0, CombinedActionMembers());
    DDX_Text(pDX, IDC_EDIT_CAP_U, m_capU);
    DDX_Text(pDX, IDC_EDIT_CAP_BETA, m_capBeta);
    // The rock coefficient is greyed after every complete exchange, whatever the
    // pile-end condition; only the two rock buttons bring it back.
    if (!pDX->Failed())
        EnableField(IDC_EDIT_CR, false);
}

void CDLGspczl1::OnCalcCombined() {
    // A refused field has been reported; the calculation runs on the record as read.
    UpdateData(true);
    const CalcOutcome outcome = CalculateCombinedAction(*this, m_comboConcrete.GetCurSel());
    ReportRefusal(outcome, this);
    Invalidate();
    UpdateData(false);
    SetCalculated(outcome.computed());
    ReportUndefinedResults(outcome, CombinedActionMembers(), this);
}

void CDLGspczl1::OnRadioNonBedrock() {
    m_bearingLayer = 0;
    EnableField(IDC_EDIT_CR, false);
}

void CDLGspczl1::OnRadioBedrockSurface() {
    m_bearingLayer = 1;
    EnableField(IDC_EDIT_CR, true);
}

void CDLGspczl1::OnRadioEmbedded() {
    m_bearingLayer = 2;
    EnableField(IDC_EDIT_CR, true);
}

void CDLGspczl1::OnRadioEndBearing() {
    m_pileType = 0;
    EnableField(IDC_EDIT_PILE_PHI, false);
}

void CDLGspczl1::OnRadioFriction() {
    m_pileType = 1;
    EnableField(IDC_EDIT_PILE_PHI, true);
}

Drawing CDLGspczl1::DepthPlot() const {
    // The series hold 41 points; a last index outside 0..40 must not read past them.
    const int lastPoint = std::clamp(m_lastPoint, 0, kSeriesPoints - 1);
    return DepthPlotDrawing({m_momentSeries, m_shearSeries, lastPoint + 1, m_maxMoment});
}

void CDLGspczl1::OnPaint() {
    CPaintDC dc(this);
    Paint(dc, DepthPlot());
}

} // namespace korvane
