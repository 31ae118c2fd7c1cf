#include "Kestrum.h"

#include "KestrumDlg.h"

using namespace framework;

CKestrumApp theApp;

CKestrumApp::CKestrumApp() = default;
CKestrumApp::~CKestrumApp() = default;

BEGIN_MESSAGE_MAP(CKestrumApp, CWinApp)
        OnCommand(ID_HELP, &CKestrumApp::OnHelp),
END_MESSAGE_MAP()

bool CKestrumApp::InitInstance()
{
    AfxEnableControlContainer();
    Enable3dControls();

    CKestrumDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;

    // The dialog has closed: end the process rather than start a message loop.
    return false;
}
