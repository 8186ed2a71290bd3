#pragma once

#include "CComboBox.h"
#include "CDialog.h"
#include "CombinedActionRecord.h"
#include "resource.h"

// Combined-action form: a pile group under a high, low or voided cap; the cap's
// movement, the pile-top force, the soil's share of the load and the moment and shear
// of a pile along its depth. The record's members are the form's members.
class CDLGspczl1 : public CDialog, public CombinedActionRecord {
public:
    enum { IDD = IDD_COMBINED_ACTION };
    explicit CDLGspczl1(QWidget* parent = nullptr);

    CComboBox m_comboConcrete;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnPaint() override;

    void OnCalcCombined();
    void OnRadioNonBedrock();
    void OnRadioBedrockSurface();
    void OnRadioEmbedded();
    void OnRadioEndBearing();
    void OnRadioFriction();

private:
    void EnableField(int id, bool enable);
};
