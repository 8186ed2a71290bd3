#include "KorvaneDlg.h"

#include "AboutDlg.h"
#include "CMenu.h"
#include "DLzhexian.h"
#include "Dlgyuanhuhuadong.h"
#include "MessageBox.h"
#include "StringTable.h"

CKorvaneDlg::CKorvaneDlg(QWidget* parent) : CDialog(IDD, parent), m_hIcon(":/korvane.svg") {
    MapClick(IDC_OPEN_CIRCULAR_SLIP, [this] { OnOpenCircularSlip(); });
    MapClick(IDC_OPEN_POLYLINE_SLIP, [this] { OnOpenPolylineSlip(); });
    MapClick(IDC_OPEN_COMBINED_ACTION, [this] { OnOpenCombinedAction(); });
    MapClick(IDC_OPEN_HIGH_CAP, [this] { OnOpenHighCap(); });
}

bool CKorvaneDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (CMenu* systemMenu = GetSystemMenu()) {
        const QString aboutMenu = LoadStringResource(IDS_ABOUTBOX);
        if (!aboutMenu.isEmpty()) {
            systemMenu->AppendMenu(MF_SEPARATOR);
            systemMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, aboutMenu);
        }
    }
    SetIcon(m_hIcon, true);
    SetIcon(m_hIcon, false);
    return true;
}

void CKorvaneDlg::OnSysCommand(unsigned id, long param) {
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
        return;
    }
    CDialog::OnSysCommand(id, param);
}

// Each opening builds a fresh form, so it starts from the defaults.
void CKorvaneDlg::OnOpenCircularSlip() {
    CDlgyuanhuhuadong dlg;
    dlg.DoModal();
}

void CKorvaneDlg::OnOpenPolylineSlip() {
    CDLzhexian dlg;
    dlg.DoModal();
}

// PILE FORMS: to open CDLGspczl1 (template 141) here once it exists.
void CKorvaneDlg::OnOpenCombinedAction() {
    AfxMessageBox("高、低、脱空承台桩基计算尚未完成。", this);
}

// PILE FORMS: to open CDLGspczl2 (template 144) here once it exists.
void CKorvaneDlg::OnOpenHighCap() {
    AfxMessageBox("高承台桩基计算尚未完成。", this);
}
