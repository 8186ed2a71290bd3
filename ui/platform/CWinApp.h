#pragma once

#include <QString>

class QWidget;

namespace korvane {

// What the desktop and the dialogs call the program: its name (the message boxes'
// caption), version, desktop entry and the resource of its icon.
struct ProgramIdentity {
    QString name;
    QString version;
    QString desktopFile;
    QString icon;
};

// The application object. Exactly one exists, as a global; AfxWinMain creates the Qt
// application, gives it the program's identity and calls InitInstance. A false result
// ends the program at once.
class CWinApp {
public:
    explicit CWinApp(ProgramIdentity identity);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual bool InitInstance() { return true; }

    const ProgramIdentity& Identity() const { return m_identity; }

    QWidget* m_pMainWnd = nullptr; // owner of dialogs opened without a parent

private:
    ProgramIdentity m_identity;
};

CWinApp* AfxGetApp();

// Gives the running Qt application the program's name, version, desktop entry and
// window icon; the message boxes and the windows take them from there.
void ApplyProgramIdentity(const ProgramIdentity& identity);

// The program's entry: sets up the toolkit (identity, font), runs InitInstance and,
// if it returns true, the event loop.
int AfxWinMain(int argc, char** argv);

} // namespace korvane
