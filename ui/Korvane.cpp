#include "Korvane.h"

#include "ChineseFont.h"
#include "KorvaneDlg.h"
#include "ProgramIdentity.h"
#include "QtTranslation.h"

#include <QApplication>

namespace korvane {

CKorvaneApp theApp;

CKorvaneApp::CKorvaneApp() : CWinApp(KorvaneIdentity()) {}

bool CKorvaneApp::InitInstance() {
    // Qt's own buttons and menus turn Chinese only when Chinese can be drawn: without
    // the font, English "OK" and "Cancel" at least stay readable.
    if (CheckChineseFont())
        InstallQtTranslation();
    CKorvaneDlg dlg;
    m_pMainWnd = &dlg;
    dlg.OpenCaseFromArguments(QApplication::arguments().mid(1));
    dlg.DoModal();
    m_pMainWnd = nullptr;
    // The launcher was the whole program: end without an event loop of our own.
    return false;
}

} // namespace korvane

using namespace korvane;

int main(int argc, char** argv) {
    return AfxWinMain(argc, argv);
}
