#pragma once
// Static command tables: ordered rows (message, control id, handler), each
// table chained to its base class's. Dispatch walks from the most derived
// table to the root and calls the first row that takes the message.

#include "WinTypes.h"

class CCmdTarget;

namespace framework {

// A row's handler, in the one of its shapes that the row's message calls.
struct Handler {
    void (CCmdTarget::*plain)() = nullptr;
    void (CCmdTarget::*sysCommand)(UINT id, LPARAM lParam) = nullptr;
    HCURSOR (CCmdTarget::*cursor)() = nullptr;
    void (CCmdTarget::*withDc)(HDC dc) = nullptr;
};

struct MessageEntry {
    UINT message = 0;
    UINT code = 0; // notification code, for WM_COMMAND
    UINT id = 0;   // control or command id, for WM_COMMAND
    Handler handler;
};

struct MessageMap {
    const MessageMap* base;
    const MessageEntry* entries; // ends with a row whose message is 0
};

// Row builders, so a table reads like its documentation.
template <class T> MessageEntry OnCommand(UINT id, void (T::*handler)())
{
    return {WM_COMMAND, BN_CLICKED, id, {.plain = static_cast<void (CCmdTarget::*)()>(handler)}};
}
template <class T> MessageEntry OnMessage(UINT message, void (T::*handler)())
{
    return {message, 0, 0, {.plain = static_cast<void (CCmdTarget::*)()>(handler)}};
}
template <class T> MessageEntry OnSysCommandMessage(void (T::*handler)(UINT, LPARAM))
{
    return {WM_SYSCOMMAND, 0, 0, {.sysCommand = static_cast<void (CCmdTarget::*)(UINT, LPARAM)>(handler)}};
}
template <class T> MessageEntry OnQueryDragIconMessage(HCURSOR (T::*handler)())
{
    return {WM_QUERYDRAGICON, 0, 0, {.cursor = static_cast<HCURSOR (CCmdTarget::*)()>(handler)}};
}
template <class T> MessageEntry OnDcMessage(UINT message, void (T::*handler)(HDC))
{
    return {message, 0, 0, {.withDc = static_cast<void (CCmdTarget::*)(HDC)>(handler)}};
}
constexpr MessageEntry EndOfTable() { return {}; }

} // namespace framework

// Declares a class's command table; BEGIN_MESSAGE_MAP(Class, Base) and
// END_MESSAGE_MAP() around its rows define it, chained to Base's table.
#define DECLARE_MESSAGE_MAP()                                                                                          \
protected:                                                                                                             \
    const framework::MessageMap* GetMessageMap() const override;                                                       \
    static const framework::MessageMap* GetThisMessageMap();

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                                         \
    const framework::MessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); }                       \
    const framework::MessageMap* theClass::GetThisMessageMap()                                                         \
    {                                                                                                                  \
        const framework::MessageMap* (*const base)() = &baseClass::GetThisMessageMap;                                  \
        static const framework::MessageEntry entries[] = {

#define END_MESSAGE_MAP()                                                                                              \
    framework::EndOfTable()                                                                                            \
    }                                                                                                                  \
    ;                                                                                                                  \
    static const framework::MessageMap map{base(), entries};                                                           \
    return &map;                                                                                                       \
    }

// Anything that can take messages through a command table.
class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // Routes one message through the table chain. Returns false when no row
    // takes it; `result` receives the handler's return value, if any.
    bool OnCmdMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result = nullptr);

protected:
    virtual const framework::MessageMap* GetMessageMap() const;
    static const framework::MessageMap* GetThisMessageMap();
};
