#pragma once
// The application object: runs the main dialog and then lets the process end.

#include "CWinApp.h"

class CKestrumApp : public CWinApp {
public:
    CKestrumApp();
    ~CKestrumApp() override;

    bool InitInstance() override;

protected:
    DECLARE_MESSAGE_MAP()
};

extern CKestrumApp theApp;
