#include "CWinApp.h"

#include "DialogFont.h"

#include <QApplication>
#include <QIcon>

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp() {
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this)
        g_app = nullptr;
}

CWinApp* AfxGetApp() {
    return g_app;
}

QWidget* AfxGetMainWnd() {
    return g_app ? g_app->m_pMainWnd : nullptr;
}

int AfxWinMain(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Korvane");
    QApplication::setApplicationVersion("1.0.0.1");
    QApplication::setDesktopFileName("korvane");
    QApplication::setWindowIcon(QIcon(":/korvane.svg"));
    QApplication::setFont(DialogFont());
    if (!g_app || !g_app->InitInstance())
        return 0;
    return app.exec();
}
