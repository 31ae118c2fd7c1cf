#include "MessageMap.h"

using namespace framework;

const MessageMap* CCmdTarget::GetThisMessageMap()
{
    static const MessageEntry entries[] = {EndOfTable()};
    static const MessageMap map{nullptr, entries};
    return &map;
}

const MessageMap* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

static bool Matches(const MessageEntry& e, UINT message, WPARAM wParam)
{
    if (e.message != message)
        return false;
    if (message != WM_COMMAND)
        return true;
    const UINT id = static_cast<UINT>(wParam & 0xFFFF);
    const UINT code = static_cast<UINT>((wParam >> 16) & 0xFFFF);
    return e.id == id && e.code == code;
}

bool CCmdTarget::OnCmdMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    for (const MessageMap* map = GetMessageMap(); map; map = map->base) {
        for (const MessageEntry* e = map->entries; e->message != 0; ++e) {
            if (!Matches(*e, message, wParam))
                continue;
            LRESULT value = 0;
            const Handler& h = e->handler;
            if (h.plain)
                (this->*h.plain)();
            else if (h.sysCommand)
                (this->*h.sysCommand)(static_cast<UINT>(wParam), lParam);
            else if (h.cursor)
                value = reinterpret_cast<LRESULT>((this->*h.cursor)());
            else if (h.withDc)
                (this->*h.withDc)(reinterpret_cast<HDC>(wParam));
            if (result)
                *result = value;
            return true;
        }
    }
    return false;
}
