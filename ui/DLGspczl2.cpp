#include "DLGspczl2.h"

#include "CDataExchange.h"
#include "CPaintDC.h"
#include "CalcReport.h"
#include "Calculators.h"
#include "DDX.h"
#include "DepthPlot.h"
#include "FormMembers.h"
#include "HighCap.h"
#include "TableRange.h"

namespace korvane {

CDLGspczl2::CDLGspczl2(QWidget* parent)
    : CalculatorForm(IDD, HighCapCalculator(), IDC_CALC_MAX_FORCES, parent) {
    MapClick(IDC_CALC_MAX_FORCES, [this] { OnCalcMaxForces(); });
    MapClick(IDC_RADIO_BEDROCK, [this] { OnRadioBedrock(); });
    MapClick(IDC_RADIO_NON_BEDROCK, [this] { OnRadioNonBedrock(); });
    MapClick(IDC_RADIO_END_BEARING, [this] { OnRadioEndBearing(); });
    MapClick(IDC_RADIO_FRICTION, [this] { OnRadioFriction(); });
}

void CDLGspczl2::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    const auto members = HighCapMembers();
    DDX_Control(pDX, IDC_COMBO_CONCRETE, m_comboConcrete);
    DDX_Text(pDX, IDC_EDIT_XIN, m_xiN);
    DDV_TableRange(pDX, *this, &CDLGspczl2::m_xiN, members);
    DDX_Text(pDX, IDC_EDIT_CR, m_CR);
    DDV_TableRange(pDX, *this, &CDLGspczl2::m_CR, members);
    DDX_Text(pDX, IDC_EDIT_MP, m_mp);
    DDV_TableRange(pDX, *this, &CDLGspczl2::m_mp, members);
    DDX_Text(pDX, IDC_EDIT_MS1, m_ms1);
    DDV_TableRange(pDX, *this, &CDLGspczl2::m_ms1, members);
    DDX_Text(pDX, IDC_EDIT_NX, m_nx);
    DDX_Text(pDX, IDC_EDIT_NZ, m_nz);
    DDX_Text(pDX, IDC_EDIT_PILE_SAX, m_sax);
    DDV_TableRange(pDX, *this, &CDLGspczl2::m_sax, members);
    DDX_Text(pDX, IDC_EDIT_PILE_SAZ, m_saz);
    DDV_TableRange(pDX, *this, &CDLGspczl2::m_saz, members);
    DDX_Text(pDX, IDC_EDIT_PILE_H, m_h);
    DDV_TableRange(pDX, *this, &CDLGspczl2::m_h, members);
    DDX_Text(pDX, IDC_EDIT_PILE_D, m_d);
    DDV_TableRange(pDX, *this, &CDLGspczl2::m_d, members);
    DDX_Radio(pDX, IDC_RADIO_BEDROCK, m_bearingLayer);
    DDX_Text(pDX, IDC_EDIT_PILE_H_LOAD, m_H);
    DDX_Text(pDX, IDC_EDIT_PILE_M_LOAD, m_M);
    DDX_Text(pDX, IDC_EDIT_NG, m_NG);
    DDX_Text(pDX, IDC_EDIT_MMAX, m_Mmax);
    DDX_Text(pDX, IDC_EDIT_X_PILE, m_xPile);
    DDX_Text(pDX, IDC_EDIT_Y_MMAX, m_yMmax);
    DDX_Text(pDX, IDC_EDIT_PILE_PHI, m_phi);
    DDV_TableRange(pDX, *this, &CDLGspczl2::m_phi, members);
    DDX_Radio(pDX, IDC_RADIO_END_BEARING, m_pileType);
    DDX_Text(pDX, IDC_EDIT_EXPOSED_L0, m_l0);
    DDV_TableRange(pDX, *this, &CDLGspczl2::m_l0, members);
    DDX_Text(pDX, IDC_EDIT_QMAX, m_Qmax);
    DDX_Text(pDX, IDC_EDIT_Y_QMAX, m_yQmax);
    DDX_Text(pDX, IDC_EDIT_NTOP, m_Ntop);
    DDX_Text(pDX, IDC_EDIT_X0, m_x0);
    DDX_Text(pDX, IDC_EDIT_CAP_U, m_capU);
    DDX_Text(pDX, IDC_EDIT_CAP_BETA, m_capBeta);
}

void CDLGspczl2::OnCalcMaxForces() {
    // A refused field has been reported; the calculation runs on the record as read.
    UpdateData(true);
    const CalcOutcome outcome = CalculateHighCapForces(*this, m_comboConcrete.GetCurSel());
    ReportRefusal(outcome, this);
    Invalidate();
    UpdateData(false);
    SetCalculated(outcome.computed());
    ReportUndefinedResults(outcome, HighCapMembers(), this);
}

void CDLGspczl2::OnRadioBedrock() {
    m_bearingLayer = 0;
    EnableField(IDC_EDIT_CR, true);
}

void CDLGspczl2::OnRadioNonBedrock() {
    m_bearingLayer = 1;
    EnableField(IDC_EDIT_CR, false);
}

void CDLGspczl2::OnRadioEndBearing() {
    m_pileType = 0;
    EnableField(IDC_EDIT_PILE_PHI, false);
}

void CDLGspczl2::OnRadioFriction() {
    m_pileType = 1;
    EnableField(IDC_EDIT_PILE_PHI, true);
}

Drawing CDLGspczl2::DepthPlot() const {
    return DepthPlotDrawing({m_momentSeries, m_shearSeries, kSeriesPoints, m_Mmax});
}

void CDLGspczl2::OnPaint() {
    CPaintDC dc(this);
    Paint(dc, DepthPlot());
}

} // namespace korvane
