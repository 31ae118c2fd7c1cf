#include "CWinApp.h"

#include "CWnd.h"
#include "Resources.h"

#include <QApplication>
#include <filesystem>
#include <string>

using namespace framework;

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp(const char* appName) : m_pszAppName(appName)
{
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

bool CWinApp::InitInstance()
{
    return true;
}

HICON CWinApp::LoadIcon(UINT id) const
{
    return LoadIconResource(id);
}

void CWinApp::Enable3dControls() {}

// No help file ships with the program.
void CWinApp::OnHelp() {}

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

CWinApp* AfxGetApp()
{
    return g_app;
}

CWnd* AfxGetMainWnd()
{
    return g_app ? g_app->m_pMainWnd : nullptr;
}

void AfxEnableControlContainer() {}

namespace framework {

int RunApplication(int, char** argv)
{
    // Only the program's name: Qt reads options such as -platform from argv.
    std::string name = argv && argv[0] ? std::filesystem::path(argv[0]).filename().string() : "kestrum";
    int qtArgc = 1;
    char* qtArgv[] = {name.data(), nullptr};
    QApplication application(qtArgc, qtArgv);
    CWinApp* app = AfxGetApp();
    if (app && !app->m_pszAppName)
        app->m_pszAppName = "Kestrum";
    if (!app || !app->InitInstance())
        return 0;
    return QApplication::exec();
}

} // namespace framework
