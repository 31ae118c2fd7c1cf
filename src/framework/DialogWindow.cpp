#include "DialogWindow.h"

#include "QtText.h"
#include "CDialog.h"
#include "CIcon.h"
#include "DialogTemplate.h"
#include "DialogUnits.h"
#include "Resources.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <limits>

namespace framework {

namespace {

Qt::WindowFlags FlagsOf(const DialogTemplate& t)
{
    // An application window gets its own taskbar entry: a plain top-level
    // window rather than a transient dialog.
    Qt::WindowFlags flags = std::find(t.exStyles.begin(), t.exStyles.end(), "appwindow") != t.exStyles.end()
                                ? Qt::Window
                                : Qt::Dialog;
    flags |= Qt::CustomizeWindowHint;
    if (t.Has("caption"))
        flags |= Qt::WindowTitleHint;
    if (t.Has("sysmenu"))
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (t.Has("minimizebox"))
        flags |= Qt::WindowMinimizeButtonHint;
    if (t.Has("maximizebox"))
        flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}

} // namespace

DialogWindow::DialogWindow(CDialog* owner, const DialogTemplate& t, QWidget* parent)
    : QDialog(parent, FlagsOf(t)), m_owner(owner)
{
    setObjectName(QString::fromStdString("dialog" + std::to_string(t.id)));
    setWindowTitle(ToQt(t.caption));
    setFont(TemplateFont(t.fontFace, t.fontPoints));
    setWindowModality(Qt::ApplicationModal);
    const BaseUnits units = BaseUnitsOf(font());
    // A modal frame does not resize.
    setFixedSize(MapDialogRect(units, t.x, t.y, t.cx, t.cy).size());
    BuildControls(t);
    qApp->installEventFilter(this);
}

DialogWindow::~DialogWindow()
{
    qApp->removeEventFilter(this);
}

void DialogWindow::BuildControls(const DialogTemplate& t)
{
    const BaseUnits units = BaseUnitsOf(font());
    QWidget* previousTabStop = nullptr;
    for (const ControlTemplate& c : t.controls) {
        QWidget* widget = nullptr;
        const QString text = ToQt(c.text);
        switch (c.kind) {
        case ControlKind::Button: {
            auto* button = new QPushButton(text, this);
            button->setAutoDefault(true);
            button->setDefault(c.Has("default"));
            const UINT id = static_cast<UINT>(c.id);
            connect(button, &QPushButton::clicked, this,
                    [this, id] { m_owner->SendMessage(WM_COMMAND, (BN_CLICKED << 16) | id, 0); });
            widget = button;
            break;
        }
        case ControlKind::Edit: {
            auto* edit = new QLineEdit(this);
            edit->setMaxLength(std::numeric_limits<int>::max());
            edit->setFrame(c.Has("border"));
            if (c.Has("password"))
                edit->setEchoMode(QLineEdit::Password);
            widget = edit;
            break;
        }
        case ControlKind::Static: {
            auto* label = new QLabel(text, this);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setWordWrap(true);
            widget = label;
            break;
        }
        case ControlKind::Icon: {
            auto* label = new QLabel(this);
            const int size = GetSystemMetrics(SM_CXICON);
            if (HICON icon = LoadIconResource(static_cast<unsigned>(std::stoi(c.text))))
                label->setPixmap(icon->pixmap(size));
            widget = label;
            break;
        }
        }
        QRect r = MapDialogRect(units, c.x, c.y, c.cx, c.cy);
        if (c.kind == ControlKind::Icon) // an icon control takes the icon's own size
            r.setSize(QSize(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)));
        widget->setGeometry(r);
        widget->setObjectName(c.id >= 0 ? QStringLiteral("control%1").arg(c.id) : QString());
        if (c.Has("tabstop")) {
            widget->setFocusPolicy(Qt::StrongFocus);
            if (previousTabStop)
                QWidget::setTabOrder(previousTabStop, widget);
            else
                m_firstTabStop = widget;
            previousTabStop = widget;
        } else {
            widget->setFocusPolicy(Qt::NoFocus);
        }
        m_owner->AddControl(c.id, widget);
    }
}

void DialogWindow::reject()
{
    m_owner->SendMessage(WM_COMMAND, (BN_CLICKED << 16) | IDCANCEL, 0);
}

void DialogWindow::paintEvent(QPaintEvent*)
{
    m_owner->SendMessage(WM_PAINT);
}

void DialogWindow::closeEvent(QCloseEvent* event)
{
    // The close box asks; the command table decides whether the run ends.
    event->ignore();
    m_owner->SendMessage(WM_CLOSE);
}

void DialogWindow::contextMenuEvent(QContextMenuEvent* event)
{
    m_owner->ShowSystemMenu(event->globalPos().x(), event->globalPos().y());
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Alt+Space opens the window menu whichever control has the focus; an
    // edit field must not take it as a blank.
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (key->key() != Qt::Key_Space || key->modifiers() != Qt::AltModifier || !widget || widget->window() != this)
        return false;
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept(); // deliver it as a key press, not to a shortcut
        return true;
    }
    m_owner->ShowSystemMenu();
    return true;
}

} // namespace framework
