#pragma once
// The file-open (and save) dialog.

#include "CString.h"
#include "WinTypes.h"

#include <string>
#include <vector>

class CWnd;

class CFileDialog {
public:
    // `filter` lists entries as "Name|patterns|", ended by a second bar;
    // patterns are separated by ';'. "*.*" matches every file, names
    // without a dot included.
    CFileDialog(bool openFileDialog, const char* defaultExtension = nullptr, const char* fileName = nullptr,
                unsigned long flags = 0, const char* filter = nullptr, CWnd* parent = nullptr);

    // 1 when the user confirmed a choice, 2 when cancelled.
    int DoModal();
    CString GetPathName() const { return m_pathName; }

private:
    bool m_bOpen;
    CString m_defaultExtension;
    CString m_fileName;
    unsigned long m_flags;
    CString m_filter;
    CWnd* m_pParent;
    CString m_pathName;
};

namespace framework {
struct NameFilter {
    std::string shown;    // what the dialog lists
    std::string patterns; // what it matches, blank-separated, in Qt's terms
};
// "All Files(*.*)|*.*||" becomes {"All Files(*.*)", "*"}.
std::vector<NameFilter> ParseFilter(const std::string& filter);
} // namespace framework
