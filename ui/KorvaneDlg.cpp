#include "KorvaneDlg.h"

#include "AboutDlg.h"
#include "CMenu.h"
#include "CaseOpening.h"
#include "DLGspczl1.h"
#include "DLGspczl2.h"
#include "DLzhexian.h"
#include "Dlgyuanhuhuadong.h"
#include "RecentCases.h"
#include "StringTable.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QMenu>
#include <QTimer>
#include <QToolButton>

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
    AddCaseCommands();
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

// Between the four calculators, above 确定 and 取消 and of their size: open a case of
// any calculator, or a recent one. The launcher keeps its height.
void CKorvaneDlg::AddCaseCommands() {
    if (m_recentMenu)
        return;
    QWidget* ok = GetDlgItem(IDOK);
    QWidget* cancel = GetDlgItem(IDCANCEL);
    if (!ok || !cancel)
        return;
    const int step = cancel->y() - ok->y();
    auto* open = new QAction("打开算例…", this);
    open->setShortcut(QKeySequence::Open);
    open->setToolTip("打开算例（" + open->shortcut().toString(QKeySequence::NativeText) + "）");
    addAction(open);
    connect(open, &QAction::triggered, this, [this] { OpenCase(); });
    m_recentMenu = new QMenu(this);
    connect(m_recentMenu, &QMenu::aboutToShow, this, [this] {
        FillRecentCasesMenu(m_recentMenu, {}, [this](const QString& path) { OpenCase(path); });
    });

    auto* openButton = new QToolButton(this);
    openButton->setDefaultAction(open);
    auto* recentButton = new QToolButton(this);
    recentButton->setText("最近算例");
    recentButton->setToolTip("最近打开或保存的算例，以及各计算上次关闭时的输入");
    recentButton->setMenu(m_recentMenu);
    recentButton->setPopupMode(QToolButton::InstantPopup);
    int slot = 2;
    for (QToolButton* button : {openButton, recentButton}) {
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setFocusPolicy(Qt::NoFocus); // Tab and Enter stay with the template's buttons
        button->setGeometry(ok->geometry().translated(0, -slot-- * step));
        button->show();
    }
}

void CKorvaneDlg::OpenCase(const QString& chosen) {
    const QString path =
        !chosen.isEmpty()
            ? chosen
            : QFileDialog::getOpenFileName(this, "打开算例", CaseFolder(), CaseFileFilter());
    if (!path.isEmpty())
        OpenCaseInNewForm(path, this);
}

void CKorvaneDlg::OpenCaseFromArguments(const QStringList& arguments) {
    for (const QString& argument : arguments) {
        if (argument.startsWith('-'))
            continue;
        QTimer::singleShot(0, this, [this, argument] { OpenCase(argument); });
        return;
    }
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
