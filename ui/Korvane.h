#pragma once

#include "CWinApp.h"

namespace korvane {

// The application: runs the launcher and ends when it closes.
class CKorvaneApp : public CWinApp {
public:
    CKorvaneApp();
    bool InitInstance() override;
};

extern CKorvaneApp theApp;

} // namespace korvane
