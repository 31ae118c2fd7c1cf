#include "Kestrum.h"

#include "KestrumDlg.h"

using namespace framework;

CKestrumApp theApp;

CKestrumApp::CKestrumApp() = default;
CKestrumApp::~CKestrumApp() = default;

const MessageMap* CKestrumApp::GetThisMessageMap()
{
    static const MessageEntry entries[] = {
        OnCommand(ID_HELP, &CKestrumApp::OnHelp),
        EndOfTable(),
    };
    static const MessageMap map{CWinApp::GetThisMessageMap(), entries};
    return &map;
}

const MessageMap* CKestrumApp::GetMessageMap() const
{
    return GetThisMessageMap();
}

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
