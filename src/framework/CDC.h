#pragma once
// Paint contexts: a CDC draws on a window; a CPaintDC is one opened for the
// window's paint message and closed at scope end.

#include "WinTypes.h"

#include <memory>

class CWnd;
class QPainter;

class CDC {
public:
    explicit CDC(QPainter* painter) : m_pPainter(painter) {}
    virtual ~CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC GetSafeHdc() { return this; }
    bool DrawIcon(int x, int y, HICON icon);
    void FillWindowBackground(const CRect& rect);
    QPainter* painter() const { return m_pPainter; }

protected:
    CDC() = default;
    QPainter* m_pPainter = nullptr;
};

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC() override;

private:
    std::unique_ptr<QPainter> m_ownPainter;
    CWnd* m_pWnd;
};
