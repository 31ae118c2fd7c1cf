#include "CDC.h"

#include "CIcon.h"
#include "CWnd.h"

#include <QPainter>
#include <QWidget>

bool CDC::DrawIcon(int x, int y, HICON icon)
{
    if (!m_pPainter || !icon)
        return false;
    const int size = GetSystemMetrics(SM_CXICON);
    m_pPainter->drawPixmap(x, y, icon->pixmap(size));
    return true;
}

void CDC::FillWindowBackground(const CRect& rect)
{
    if (!m_pPainter || !m_pPainter->device())
        return;
    auto* widget = dynamic_cast<QWidget*>(m_pPainter->device());
    const QColor colour = widget ? widget->palette().color(QPalette::Window) : QColor(Qt::lightGray);
    m_pPainter->fillRect(rect.left, rect.top, rect.Width(), rect.Height(), colour);
}

CPaintDC::CPaintDC(CWnd* wnd) : m_pWnd(wnd)
{
    if (wnd && wnd->widget()) {
        m_ownPainter = std::make_unique<QPainter>(wnd->widget());
        m_pPainter = m_ownPainter.get();
    }
}

CPaintDC::~CPaintDC()
{
    if (m_ownPainter)
        m_ownPainter->end();
}

int GetSystemMetrics(int index)
{
    switch (index) {
    case SM_CXICON:
    case SM_CYICON:
        return 32;
    default:
        return 0;
    }
}
