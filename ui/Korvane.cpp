#include "Korvane.h"

#include "KorvaneDlg.h"
#include "ProgramIdentity.h"

namespace korvane {

CKorvaneApp theApp;

CKorvaneApp::CKorvaneApp() : CWinApp(KorvaneIdentity()) {}

bool CKorvaneApp::InitInstance() {
    CKorvaneDlg dlg;
    m_pMainWnd = &dlg;
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
