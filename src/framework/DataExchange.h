#pragma once
// Dialog data exchange: moves text between edit controls and members.

#include "CString.h"

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, bool saveAndValidate) : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}
    CWnd* m_pDlgWnd;
    bool m_bSaveAndValidate; // true: controls to members
};

// Binds the edit control `id` to `value`, in the exchange's direction. Plain
// text both ways, no length limit.
void DDX_Text(CDataExchange* dx, int id, CString& value);
