#pragma once

#include "CComboBox.h"
#include "CalculatorForm.h"
#include "PolylineSlipRecord.h"
#include "resource.h"

namespace korvane {

// Polyline slip form: a slip surface of three straight segments from the toe, the
// soil along each, the cap, piles and loads, and the surface's stability factor.
class CDLzhexian : public CalculatorForm, public PolylineSlipRecord {
public:
    enum { IDD = IDD_POLYLINE_SLIP };
    explicit CDLzhexian(QWidget* parent = nullptr);

    CComboBox m_comboConcrete;
    CComboBox m_comboRebar;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnCalcPolyline();
};

} // namespace korvane
