#include "DLGspczl2.h"

#include "CDataExchange.h"
#include "CPaintDC.h"
#include "CalcReport.h"
#include "DepthChartWindow.h"
#include "DepthPlot.h"
#include "MemberExchange.h"

namespace korvane {

CDLGspczl2::CDLGspczl2(QWidget* parent)
    : CalculatorForm(IDD, HighCapCalculator(), IDC_CALC_MAX_FORCES, parent) {
    MapClick(IDC_CALC_MAX_FORCES, [this] { OnCalcMaxForces(); });
    MapClick(IDC_RADIO_BEDROCK, [this] { OnRadioBedrock(); });
    MapClick(IDC_RADIO_NON_BEDROCK, [this] { OnRadioNonBedrock(); });
    MapClick(IDC_RADIO_END_BEARING, [this] { OnRadioEndBearing(); });
    MapClick(IDC_RADIO_FRICTION, [this] { OnRadioFriction(); });
    AttachDepthChartWindow(*this);
}

bool CDLGspczl2::OnInitDialog() {
    if (!CalculatorForm::OnInitDialog())
        return false;
    AddDepthChartCommand(*this);
    return true;
}

void CDLGspczl2::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_COMBO_CONCRETE, m_comboConcrete);
    DDX_Members<HighCapRecord>(pDX, *this, HighCapCalculator().members);
}

void CDLGspczl2::OnCalcMaxForces() {
    const Calculator<HighCapRecord>& calc = HighCapCalculator();
    // A refused field has been named and selected. Nothing is calculated and no field
    // is written, so that every other field keeps what the user typed.
    if (!UpdateData(true))
        return;
    CaseExtras extras;
    const CalcOutcome outcome =
        calc.calculate(*this, {m_comboConcrete.GetCurSel()}, RequestFor({.detail = true}), extras);
    ReportRefusal(calc, outcome, this);
    Invalidate();
    UpdateData(false);
    ShowCalculation(outcome, extras);
    ReportUndefinedResults(calc, outcome, this);
}

void CDLGspczl2::OnRadioBedrock() {
    m_bearingLayer = kBedrock;
    EnableField(IDC_EDIT_CR, true);
}

void CDLGspczl2::OnRadioNonBedrock() {
    m_bearingLayer = kNonBedrock;
    EnableField(IDC_EDIT_CR, false);
}

void CDLGspczl2::OnRadioEndBearing() {
    m_pileType = kEndBearingPile;
    EnableField(IDC_EDIT_PILE_PHI, false);
}

void CDLGspczl2::OnRadioFriction() {
    m_pileType = kFrictionPile;
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
