#include "KestrumDlg.h"

#include "CDC.h"
#include "CFileDialog.h"
#include "CMenu.h"
#include "CWinApp.h"
#include "DirectoryListJob.h"
#include "MessageBox.h"
#include "UploadJob.h"

using namespace framework;

// ---------------------------------------------------------------- CAboutDlg

CAboutDlg::CAboutDlg() : CDialog(IDD) {}
CAboutDlg::~CAboutDlg() = default;

void CAboutDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
}

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
END_MESSAGE_MAP()

// -------------------------------------------------------------- CKestrumDlg

CKestrumDlg::CKestrumDlg(CWnd* parent) : CDialog(IDD, parent)
{
    m_strFile = "";
    m_strHost = "";
    m_strPassword = "";
    m_strUsername = "";
    m_strDirectory = "";
    m_hIcon = AfxGetApp() ? AfxGetApp()->LoadIcon(IDR_MAINFRAME) : nullptr;
}

CKestrumDlg::~CKestrumDlg() = default;

void CKestrumDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Text(dx, IDC_FILE, m_strFile);
    DDX_Text(dx, IDC_HOST, m_strHost);
    DDX_Text(dx, IDC_PASSWORD, m_strPassword);
    DDX_Text(dx, IDC_USERNAME, m_strUsername);
    DDX_Text(dx, IDC_DIRECTORY, m_strDirectory);
}

BEGIN_MESSAGE_MAP(CKestrumDlg, CDialog)
        OnSysCommandMessage(&CKestrumDlg::OnSysCommand),
        OnMessage(WM_PAINT, &CKestrumDlg::OnPaint),
        OnQueryDragIconMessage(&CKestrumDlg::OnQueryDragIcon),
        OnCommand(IDOK, &CKestrumDlg::OnUpload),
        OnCommand(IDC_DIRLIST, &CKestrumDlg::OnDirectoryList),
        OnCommand(IDC_BROWSE, &CKestrumDlg::OnBrowse),
END_MESSAGE_MAP()

bool CKestrumDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    static_assert((IDM_ABOUTBOX & 0xFFF0) == IDM_ABOUTBOX && IDM_ABOUTBOX < 0xF000);
    if (CMenu* sysMenu = GetSystemMenu(false)) {
        CString aboutMenu;
        aboutMenu.LoadString(IDS_ABOUTBOX);
        if (!aboutMenu.IsEmpty()) {
            sysMenu->AppendMenu(MF_SEPARATOR);
            sysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, aboutMenu);
        }
    }

    SetIcon(m_hIcon, true);
    SetIcon(m_hIcon, false);
    return true;
}

void CKestrumDlg::OnSysCommand(UINT id, LPARAM lParam)
{
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
    } else {
        CDialog::OnSysCommand(id, lParam);
    }
}

CPoint CKestrumDlg::IconOrigin(const CRect& client, int iconWidth, int iconHeight)
{
    return {(client.Width() - iconWidth + 1) / 2, (client.Height() - iconHeight + 1) / 2};
}

void CKestrumDlg::OnPaint()
{
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    const int cxIcon = GetSystemMetrics(SM_CXICON);
    const int cyIcon = GetSystemMetrics(SM_CYICON);
    CRect rect;
    GetClientRect(&rect);
    const CPoint origin = IconOrigin(rect, cxIcon, cyIcon);
    dc.DrawIcon(origin.x, origin.y, m_hIcon);
}

HCURSOR CKestrumDlg::OnQueryDragIcon()
{
    return m_hIcon;
}

void CKestrumDlg::OnUpload()
{
    UpdateData(true);
    const JobOutcome outcome = RunUploadJob(*this);
    if (!outcome.ran)
        AfxMessageBox(outcome.problem.c_str(), MB_OK | MB_ICONWARNING);
}

void CKestrumDlg::OnDirectoryList()
{
    UpdateData(true);
    const JobOutcome outcome = RunDirectoryListJob(*this);
    if (!outcome.ran)
        AfxMessageBox(outcome.problem.c_str(), MB_OK | MB_ICONWARNING);
}

void CKestrumDlg::OnBrowse()
{
    UpdateData(true);
    CFileDialog fileDlg(true, nullptr, "", OFN_FILEMUSTEXIST | OFN_EXPLORER | OFN_ENABLESIZING,
                        "All Files(*.*)|*.*||", this);
    if (fileDlg.DoModal() == 1) {
        m_strFile = fileDlg.GetPathName();
        UpdateData(false);
    }
}
