#pragma once

#include "CComboBox.h"
#include "CalculatorForm.h"
#include "CircularSlipRecord.h"
#include "resource.h"

namespace korvane {

// Circular slip form: the slope, soil, cap, piles and loads, and the critical circle
// the search finds. The record's members are the form's members.
class CDlgyuanhuhuadong : public CalculatorForm, public CircularSlipRecord {
public:
    enum { IDD = IDD_CIRCULAR_SLIP };
    explicit CDlgyuanhuhuadong(QWidget* parent = nullptr);

    CComboBox m_comboConcrete;
    CComboBox m_comboRebar;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnCalcCircle();
};

} // namespace korvane
