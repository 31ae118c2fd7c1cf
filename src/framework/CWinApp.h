#pragma once
// The application base and the process entry that calls it.

#include "MessageMap.h"
#include "WinTypes.h"

class CWnd;

class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(const char* appName = nullptr);
    ~CWinApp() override;

    // Called once by the process entry; returning false ends the process
    // without a message loop.
    virtual bool InitInstance();

    HICON LoadIcon(UINT id) const;
    const char* m_pszAppName;
    CWnd* m_pMainWnd = nullptr;

    // Kept from the platform the program was written for: on Linux, Qt's style
    // already draws controls sunken and raised, so there is nothing to switch on.
    void Enable3dControls();

protected:
    void OnHelp();

    DECLARE_MESSAGE_MAP()
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();

// Dialogs here host no embedded components; the call exists so start-up reads
// as it does where they do, and has nothing to set up.
void AfxEnableControlContainer();

namespace framework {
// The process entry: creates the Qt application from the program's name
// alone (no argument reaches Qt or the program), calls InitInstance, and
// returns the exit code, 0 unless a message loop set another.
int RunApplication(int argc, char** argv);
} // namespace framework
