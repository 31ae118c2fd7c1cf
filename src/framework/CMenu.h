#pragma once
// A menu as data: the entries a popup shows, in order.

#include "CString.h"
#include "WinTypes.h"

#include <vector>

class CMenu {
public:
    struct Item {
        UINT flags = MF_STRING;
        UINT id = 0;
        CString text;
        bool IsSeparator() const { return (flags & MF_SEPARATOR) != 0; }
    };

    bool AppendMenu(UINT flags, UINT id = 0, const char* text = nullptr);
    bool EnableMenuItem(UINT id, bool enable);
    const std::vector<Item>& items() const { return m_items; }

    // The system's own entries of a window menu.
    static CMenu SystemDefault();

private:
    std::vector<Item> m_items;
};
