#include "DataExchange.h"

#include "CWnd.h"

void DDX_Text(CDataExchange* dx, int id, CString& value)
{
    CWnd* control = dx->m_pDlgWnd ? dx->m_pDlgWnd->GetDlgItem(id) : nullptr;
    if (!control)
        return;
    if (dx->m_bSaveAndValidate)
        control->GetWindowText(value);
    else
        control->SetWindowText(value);
}
