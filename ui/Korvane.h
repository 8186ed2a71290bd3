#pragma once

#include "CWinApp.h"

// The application: runs the launcher and ends when it closes.
class CKorvaneApp : public CWinApp {
public:
    CKorvaneApp();
    bool InitInstance() override;
};

extern CKorvaneApp theApp;
