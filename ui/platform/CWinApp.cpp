#include "CWinApp.h"

#include "DialogFont.h"

#include <QApplication>
#include <QIcon>
#include <utility>

namespace korvane {

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp(ProgramIdentity identity) : m_identity(std::move(identity)) {
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this)
        g_app = nullptr;
}

CWinApp* AfxGetApp() {
    return g_app;
}

void ApplyProgramIdentity(const ProgramIdentity& identity) {
    QApplication::setApplicationName(identity.name);
    // Settings and kept inputs go under the program's own name, not "Unknown Organization".
    QApplication::setOrganizationName(identity.name);
    QApplication::setApplicationVersion(identity.version);
    QApplication::setDesktopFileName(identity.desktopFile);
    QApplication::setWindowIcon(QIcon(identity.icon));
}

int AfxWinMain(int argc, char** argv) {
    QApplication app(argc, argv);
    if (g_app)
        ApplyProgramIdentity(g_app->Identity());
    QApplication::setFont(DialogFont());
    if (!g_app || !g_app->InitInstance())
        return 0;
    return app.exec();
}

} // namespace korvane
