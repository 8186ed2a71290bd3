#pragma once

#include "CComboBox.h"
#include "CalculatorForm.h"
#include "CombinedActionRecord.h"
#include "Drawing.h"
#include "resource.h"

namespace korvane {

// Combined-action form: a pile group under a high, low or voided cap; the cap's
// movement, the pile-top force, the soil's share of the load and the moment and shear
// of a pile along its depth. The record's members are the form's members.
class CDLGspczl1 : public CalculatorForm, public CombinedActionRecord {
public:
    enum { IDD = IDD_COMBINED_ACTION };
    explicit CDLGspczl1(QWidget* parent = nullptr);

    CComboBox m_comboConcrete;

    // The depth plot of the series as they stand, as the form paints it.
    Drawing DepthPlot() const;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnPaint() override;

    void OnCalcCombined();
    void OnRadioNonBedrock();
    void OnRadioBedrockSurface();
    void OnRadioEmbedded();
    void OnRadioEndBearing();
    void OnRadioFriction();
};

} // namespace korvane
