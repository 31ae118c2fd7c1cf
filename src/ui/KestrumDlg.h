#pragma once
// The main dialog, which holds the transfer form, and the About box.

#include "CDialog.h"
#include "TransferForm.h"
#include "resource.h"

class CKestrumDlg : public CDialog, public TransferForm {
public:
    explicit CKestrumDlg(CWnd* parent = nullptr);
    ~CKestrumDlg() override;

    enum { IDD = IDD_KESTRUM_DIALOG };

    HICON m_hIcon;

    // Where a minimised window draws its icon: centred, rounding as signed
    // integer division does (toward zero).
    static CPoint IconOrigin(const CRect& client, int iconWidth, int iconHeight);

protected:
    void DoDataExchange(CDataExchange* dx) override;
    bool OnInitDialog() override;

    void OnSysCommand(UINT id, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnUpload();
    void OnDirectoryList();
    void OnBrowse();

    DECLARE_MESSAGE_MAP()
};

class CAboutDlg : public CDialog {
public:
    CAboutDlg();
    ~CAboutDlg() override;

    enum { IDD = IDD_ABOUTBOX };

protected:
    void DoDataExchange(CDataExchange* dx) override;

    DECLARE_MESSAGE_MAP()
};
