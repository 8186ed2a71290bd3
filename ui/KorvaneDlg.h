#pragma once

#include "CDialog.h"
#include "resource.h"

namespace korvane {

// The launcher: four pictures, a button under each that opens its calculator, and
// the about box from the window menu.
class CKorvaneDlg : public CDialog {
public:
    enum { IDD = IDD_KORVANE_DIALOG };
    explicit CKorvaneDlg(QWidget* parent = nullptr);

protected:
    bool OnInitDialog() override;
    void OnSysCommand(unsigned id, long param) override;

    void OnOpenCircularSlip();
    void OnOpenPolylineSlip();
    void OnOpenCombinedAction();
    void OnOpenHighCap();
};

} // namespace korvane
