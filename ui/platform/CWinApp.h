#pragma once

class QWidget;

// The application object. Exactly one exists, as a global; AfxWinMain creates the Qt
// application and calls its InitInstance. A false result ends the program at once.
class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual bool InitInstance() { return true; }

    QWidget* m_pMainWnd = nullptr; // owner of dialogs opened without a parent
};

CWinApp* AfxGetApp();
QWidget* AfxGetMainWnd();

// The program's entry: sets up the toolkit (font, icon, resources), runs InitInstance
// and, if it returns true, the event loop.
int AfxWinMain(int argc, char** argv);
