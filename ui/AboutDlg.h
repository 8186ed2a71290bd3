#pragma once

#include "CDialog.h"
#include "resource.h"

namespace korvane {

// Program name and version, with the icon.
class CAboutDlg : public CDialog {
public:
    enum { IDD = IDD_ABOUTBOX };
    explicit CAboutDlg(QWidget* parent = nullptr) : CDialog(IDD, parent) {}
};

} // namespace korvane
