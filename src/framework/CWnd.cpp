#include "CWnd.h"

#include "QtText.h"
#include "CDC.h"
#include "CIcon.h"
#include "CMenu.h"

#include <QLineEdit>
#include <QMenu>
#include <QWidget>
#include <QWindow>

using namespace framework;

CWnd::CWnd() = default;
CWnd::~CWnd() = default;

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
        OnSysCommandMessage(&CWnd::OnSysCommand),
        OnMessage(WM_PAINT, &CWnd::OnPaint),
        OnDcMessage(WM_ICONERASEBKGND, &CWnd::OnIconEraseBkgnd),
        OnQueryDragIconMessage(&CWnd::OnQueryDragIcon),
        OnMessage(WM_CLOSE, &CWnd::OnClose),
END_MESSAGE_MAP()

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (OnCmdMsg(message, wParam, lParam, &result))
        return result;
    return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT, WPARAM, LPARAM)
{
    return 0;
}

QWidget* CWnd::Detach()
{
    QWidget* widget = m_pWidget;
    m_pWidget = nullptr;
    m_controls.clear();
    return widget;
}

void CWnd::AddControl(int id, QWidget* widget)
{
    if (id < 0)
        return;
    auto control = std::make_unique<CWnd>();
    control->Attach(widget);
    m_controls[id] = std::move(control);
}

HICON CWnd::SetIcon(HICON icon, bool bigIcon)
{
    HICON& slot = bigIcon ? m_hBigIcon : m_hSmallIcon;
    HICON previous = slot;
    slot = icon;
    if (m_pWidget) {
        // Qt keeps one icon with several sizes: merge what the two slots hold.
        QIcon merged;
        for (HICON h : {m_hBigIcon, m_hSmallIcon})
            if (h)
                for (const QSize& size : h->icon().availableSizes())
                    merged.addPixmap(h->icon().pixmap(size));
        m_pWidget->setWindowIcon(merged);
    }
    return previous;
}

bool CWnd::IsIconic() const
{
    return m_pWidget && m_pWidget->isMinimized();
}

void CWnd::GetClientRect(CRect* rect) const
{
    *rect = {};
    if (m_pWidget)
        *rect = {0, 0, m_pWidget->width(), m_pWidget->height()};
}

CWnd* CWnd::GetDlgItem(int id) const
{
    auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second.get();
}

void CWnd::GetWindowText(CString& text) const
{
    if (auto* edit = qobject_cast<QLineEdit*>(m_pWidget))
        text = FromQt(edit->text());
    else if (m_pWidget)
        text = FromQt(m_pWidget->windowTitle());
    else
        text = "";
}

void CWnd::SetWindowText(const char* text)
{
    const QString value = ToQt(text);
    if (auto* edit = qobject_cast<QLineEdit*>(m_pWidget))
        edit->setText(value);
    else if (m_pWidget)
        m_pWidget->setWindowTitle(value);
}

CMenu* CWnd::GetSystemMenu(bool revert)
{
    if (!m_bHasSystemMenu)
        return nullptr;
    if (revert || !m_pSystemMenu)
        m_pSystemMenu = std::make_unique<CMenu>(CMenu::SystemDefault());
    return revert ? nullptr : m_pSystemMenu.get();
}

void CWnd::ShowSystemMenu()
{
    if (m_pWidget) {
        const QPoint corner = m_pWidget->mapToGlobal(QPoint(0, 0));
        ShowSystemMenu(corner.x(), corner.y());
    }
}

void CWnd::ShowSystemMenu(int screenX, int screenY)
{
    CMenu* menu = GetSystemMenu(false);
    if (!menu || !m_pWidget)
        return;
    // The system greys out what the window's state does not allow.
    const bool minimized = m_pWidget->isMinimized();
    const bool maximized = m_pWidget->isMaximized();
    const bool sizable = m_pWidget->minimumSize() != m_pWidget->maximumSize();
    menu->EnableMenuItem(SC_RESTORE, minimized || maximized);
    menu->EnableMenuItem(SC_MOVE, !maximized);
    menu->EnableMenuItem(SC_SIZE, sizable && !minimized && !maximized);
    menu->EnableMenuItem(SC_MINIMIZE, !minimized && (m_pWidget->windowFlags() & Qt::WindowMinimizeButtonHint));
    menu->EnableMenuItem(SC_MAXIMIZE, !maximized && (m_pWidget->windowFlags() & Qt::WindowMaximizeButtonHint));

    auto* popup = new QMenu(m_pWidget);
    popup->setAttribute(Qt::WA_DeleteOnClose);
    popup->setObjectName(QStringLiteral("systemMenu"));
    for (const CMenu::Item& item : menu->items()) {
        if (item.IsSeparator()) {
            popup->addSeparator();
            continue;
        }
        QAction* action = popup->addAction(ToQt(item.text));
        action->setEnabled(!(item.flags & MF_GRAYED));
        action->setData(item.id);
        const UINT id = item.id;
        // Queued, so the popup has closed before a handler opens a modal box.
        QObject::connect(
            action, &QAction::triggered, m_pWidget,
            [this, id] { SendMessage(WM_SYSCOMMAND, id, 0); }, Qt::QueuedConnection);
    }
    popup->popup(QPoint(screenX, screenY));
}

// The system's own handling of its window-menu commands.
void CWnd::OnSysCommand(UINT id, LPARAM)
{
    if (!m_pWidget)
        return;
    switch (id & 0xFFF0) {
    case SC_CLOSE:
        SendMessage(WM_CLOSE);
        break;
    case SC_MINIMIZE:
        m_pWidget->showMinimized();
        break;
    case SC_MAXIMIZE:
        m_pWidget->showMaximized();
        break;
    case SC_RESTORE:
        m_pWidget->showNormal();
        break;
    case SC_MOVE:
        if (QWindow* window = m_pWidget->windowHandle())
            window->startSystemMove();
        break;
    case SC_SIZE:
        if (QWindow* window = m_pWidget->windowHandle())
            window->startSystemResize(Qt::BottomEdge | Qt::RightEdge);
        break;
    default:
        break;
    }
}

// Qt fills the background itself; there is nothing else to draw by default.
void CWnd::OnPaint() {}

void CWnd::OnIconEraseBkgnd(HDC dc)
{
    CRect client;
    GetClientRect(&client);
    if (dc)
        dc->FillWindowBackground(client);
}

HCURSOR CWnd::OnQueryDragIcon()
{
    return m_hBigIcon;
}

void CWnd::OnClose()
{
    if (m_pWidget)
        m_pWidget->hide();
}
