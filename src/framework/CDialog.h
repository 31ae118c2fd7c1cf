#pragma once
// A modal dialog built from a template in the resource file.

#include "CWnd.h"
#include "DataExchange.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // Builds the window, runs it modally and returns the id of the command
    // that ended the run.
    virtual int DoModal();
    void EndDialog(int result);
    bool UpdateData(bool saveAndValidate = true);

protected:
    virtual bool OnInitDialog();
    virtual void DoDataExchange(CDataExchange* dx);
    void OnOK();
    void OnCancel();
    void OnClose();

    DECLARE_MESSAGE_MAP()

private:
    void BuildWindow();

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
};
