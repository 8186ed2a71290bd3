#include "Korvane.h"

#include "ChineseFont.h"
#include "KorvaneDlg.h"
#include "ProgramIdentity.h"
#include "QtTranslation.h"

#include <QApplication>
#include <QTimer>

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
    // `korvane FILE.korvane` (a file manager opening a case): the case's form opens
    // over the launcher as soon as the launcher is up.
    const QStringList arguments = QApplication::arguments().mid(1);
    for (const QString& argument : arguments) {
        if (argument.startsWith('-'))
            continue;
        QTimer::singleShot(0, &dlg, [&dlg, argument] { dlg.OpenCase(argument); });
        break;
    }
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
