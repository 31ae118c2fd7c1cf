#include "CMenu.h"

bool CMenu::AppendMenu(UINT flags, UINT id, const char* text)
{
    m_items.push_back({flags, (flags & MF_SEPARATOR) ? 0u : id, CString(text)});
    return true;
}

bool CMenu::EnableMenuItem(UINT id, bool enable)
{
    for (auto& item : m_items) {
        if (!item.IsSeparator() && item.id == id) {
            item.flags = enable ? (item.flags & ~MF_GRAYED) : (item.flags | MF_GRAYED);
            return true;
        }
    }
    return false;
}

CMenu CMenu::SystemDefault()
{
    CMenu menu;
    menu.AppendMenu(MF_STRING, SC_RESTORE, "&Restore");
    menu.AppendMenu(MF_STRING, SC_MOVE, "&Move");
    menu.AppendMenu(MF_STRING, SC_SIZE, "&Size");
    menu.AppendMenu(MF_STRING, SC_MINIMIZE, "Mi&nimize");
    menu.AppendMenu(MF_STRING, SC_MAXIMIZE, "Ma&ximize");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, SC_CLOSE, "&Close\tAlt+F4");
    return menu;
}
