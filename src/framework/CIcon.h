#pragma once
// An icon resource: the images of one icon group, one per size.

#include <QIcon>
#include <QPixmap>

class CIcon {
public:
    explicit CIcon(QIcon icon) : m_icon(std::move(icon)) {}
    const QIcon& icon() const { return m_icon; }
    QPixmap pixmap(int size) const { return m_icon.pixmap(size, size); }

private:
    QIcon m_icon;
};
