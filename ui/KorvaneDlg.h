#pragma once

#include "CDialog.h"
#include "resource.h"

class QMenu;

namespace korvane {

// The launcher: four pictures, a button under each that opens its calculator, and
// the about box from the window menu.
class CKorvaneDlg : public CDialog {
public:
    enum { IDD = IDD_KORVANE_DIALOG };
    explicit CKorvaneDlg(QWidget* parent = nullptr);

    // Opens a case file in the form of its calculator (the file chooser when `path`
    // is empty); the form runs modally over the launcher.
    void OpenCase(const QString& path = {});
    // `korvane FILE.korvane` (a file manager opening a case): the first argument that is
    // no option opens, in its form over the launcher, as soon as the event loop runs.
    void OpenCaseFromArguments(const QStringList& arguments);

protected:
    bool OnInitDialog() override;
    void OnSysCommand(unsigned id, long param) override;

    void OnOpenCircularSlip();
    void OnOpenPolylineSlip();
    void OnOpenCombinedAction();
    void OnOpenHighCap();

private:
    void AddCaseCommands();

    QMenu* m_recentMenu = nullptr;
};

} // namespace korvane
