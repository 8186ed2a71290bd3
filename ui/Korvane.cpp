#include "Korvane.h"

#include "KorvaneDlg.h"
#include "ProgramIdentity.h"

CKorvaneApp theApp;

CKorvaneApp::CKorvaneApp() : CWinApp(korvane::KorvaneIdentity()) {}

bool CKorvaneApp::InitInstance() {
    CKorvaneDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    // The launcher was the whole program: end without an event loop of our own.
    return false;
}

int main(int argc, char** argv) {
    return AfxWinMain(argc, argv);
}
