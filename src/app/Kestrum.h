#pragma once
// The application object: runs the main dialog and then lets the process end.

#include "CWinApp.h"

class CKestrumApp : public CWinApp {
public:
    CKestrumApp();
    ~CKestrumApp() override;

    bool InitInstance() override;

protected:
    const framework::MessageMap* GetMessageMap() const override;
    static const framework::MessageMap* GetThisMessageMap();
};

extern CKestrumApp theApp;
