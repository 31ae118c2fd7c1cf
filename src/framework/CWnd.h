#pragma once
// A window: the dialog itself or one of its controls, over a Qt widget that
// the product never sees.

#include "CString.h"
#include "MessageMap.h"
#include "WinTypes.h"

#include <map>
#include <memory>

class QWidget;
class CMenu;

class CWnd : public CCmdTarget {
public:
    CWnd();
    ~CWnd() override;

    // Sends `message` through this window's command table; unhandled
    // messages get the window's default handling.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    HICON SetIcon(HICON icon, bool bigIcon);
    bool IsIconic() const;
    void GetClientRect(CRect* rect) const;
    CWnd* GetDlgItem(int id) const;
    void GetWindowText(CString& text) const;
    void SetWindowText(const char* text);

    // The window's system menu; null for a window without one.
    // `revert` restores the system's own entries first.
    CMenu* GetSystemMenu(bool revert);
    // Opens the system menu at a point in screen pixels, or under the
    // caption's left end when no point is given.
    void ShowSystemMenu();
    void ShowSystemMenu(int screenX, int screenY);

    // The widget behind this window, for the framework and for tests.
    QWidget* widget() const { return m_pWidget; }
    void Attach(QWidget* widget) { m_pWidget = widget; }
    QWidget* Detach();
    // Registers a child control; controls without an id (-1) are not kept.
    void AddControl(int id, QWidget* widget);

protected:
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    void OnSysCommand(UINT id, LPARAM lParam);
    void OnPaint();
    void OnIconEraseBkgnd(HDC dc);
    HCURSOR OnQueryDragIcon();
    void OnClose();

    DECLARE_MESSAGE_MAP()

    QWidget* m_pWidget = nullptr;
    HICON m_hBigIcon = nullptr;
    HICON m_hSmallIcon = nullptr;
    std::unique_ptr<CMenu> m_pSystemMenu;
    bool m_bHasSystemMenu = false;
    std::map<int, std::unique_ptr<CWnd>> m_controls; // child controls by id
};
