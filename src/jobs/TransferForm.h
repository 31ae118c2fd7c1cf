#pragma once
// The five values of the main dialog. `m_strDirectory` equal to exactly "root"
// means the upload stays in the login directory.

#include "CString.h"

struct TransferForm {
    CString m_strFile;
    CString m_strHost;
    CString m_strPassword;
    CString m_strUsername;
    CString m_strDirectory;
};
