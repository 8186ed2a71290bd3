#include "KorvaneDlg.h"

#include "AboutDlg.h"
#include "CMenu.h"
#include "DLGspczl1.h"
#include "DLGspczl2.h"
#include "DLzhexian.h"
#include "Dlgyuanhuhuadong.h"
#include "StringTable.h"

#include <QApplication>

namespace korvane {

CKorvaneDlg::CKorvaneDlg(QWidget* parent) : CDialog(IDD, parent) {
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
    // The program's icon, as the application was given it.
    SetIcon(QApplication::windowIcon(), true);
    SetIcon(QApplication::windowIcon(), false);
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

void CKorvaneDlg::OnOpenCombinedAction() {
    CDLGspczl1 dlg;
    dlg.DoModal();
}

void CKorvaneDlg::OnOpenHighCap() {
    CDLGspczl2 dlg;
    dlg.DoModal();
}

} // namespace korvane
