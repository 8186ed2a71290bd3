#include "DLGspczl1.h"

#include "CDataExchange.h"
#include "CPaintDC.h"
#include "CalcReport.h"
#include "DepthChartWindow.h"
#include "DepthPlot.h"
#include "MemberExchange.h"

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
    AttachDepthChartWindow(*this);
}

bool CDLGspczl1::OnInitDialog() {
    if (!CalculatorForm::OnInitDialog())
        return false;
    AddDepthChartCommand(*this);
    return true;
}

void CDLGspczl1::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_COMBO_CONCRETE, m_comboConcrete);
    DDX_Members<CombinedActionRecord>(pDX, *this, CombinedCalculator().members);
    // The rock coefficient is greyed after every complete exchange, whatever the
    // pile-end condition; only the two rock buttons bring it back.
    if (!pDX->Failed())
        EnableField(IDC_EDIT_CR, false);
}

void CDLGspczl1::OnCalcCombined() {
    const Calculator<CombinedActionRecord>& calc = CombinedCalculator();
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

void CDLGspczl1::OnRadioNonBedrock() {
    m_bearingLayer = kNonBedrock;
    EnableField(IDC_EDIT_CR, false);
}

void CDLGspczl1::OnRadioBedrockSurface() {
    m_bearingLayer = kBedrockSurface;
    EnableField(IDC_EDIT_CR, true);
}

void CDLGspczl1::OnRadioEmbedded() {
    m_bearingLayer = kEmbeddedInRock;
    EnableField(IDC_EDIT_CR, true);
}

void CDLGspczl1::OnRadioEndBearing() {
    m_pileType = kEndBearingPile;
    EnableField(IDC_EDIT_PILE_PHI, false);
}

void CDLGspczl1::OnRadioFriction() {
    m_pileType = kFrictionPile;
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
