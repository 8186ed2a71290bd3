#pragma once

#include "CComboBox.h"
#include "CalculatorForm.h"
#include "Drawing.h"
#include "HighCapRecord.h"
#include "resource.h"

namespace korvane {

// High-cap form: a pile group under a cap that stands above the ground; the largest
// moment and shear of its piles, where they occur, the cap's movement and the moment
// and shear of a pile along its depth. The record's members are the form's members.
class CDLGspczl2 : public CalculatorForm, public HighCapRecord {
public:
    enum { IDD = IDD_HIGH_CAP };
    explicit CDLGspczl2(QWidget* parent = nullptr);

    CComboBox m_comboConcrete;

    // The depth plot of the series as they stand, as the form paints it.
    Drawing DepthPlot() const;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnPaint() override;

    void OnCalcMaxForces();
    void OnRadioBedrock();
    void OnRadioNonBedrock();
    void OnRadioEndBearing();
    void OnRadioFriction();
};

} // namespace korvane
