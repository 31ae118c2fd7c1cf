#include "CDialog.h"

#include "CMenu.h"
#include "CWinApp.h"
#include "DialogWindow.h"
#include "Resources.h"

#include <memory>

using namespace framework;

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

CDialog::~CDialog() = default;

BEGIN_MESSAGE_MAP(CDialog, CWnd)
        OnCommand(IDOK, &CDialog::OnOK),
        OnCommand(IDCANCEL, &CDialog::OnCancel),
        OnMessage(WM_CLOSE, &CDialog::OnClose),
END_MESSAGE_MAP()

int CDialog::DoModal()
{
    const DialogTemplate& t = LoadDialogTemplate(m_nIDTemplate);
    // Without a parent the dialog belongs to the main window, if it is another.
    CWnd* owner = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
    QWidget* ownerWidget = owner && owner != this ? owner->widget() : nullptr;

    auto window = std::make_unique<DialogWindow>(this, t, ownerWidget);
    Attach(window.get());
    m_bHasSystemMenu = t.Has("sysmenu");
    m_pSystemMenu.reset();

    struct Release {
        CDialog* dialog;
        ~Release() { dialog->Detach(); }
    } release{this};

    // Returning true asks for the focus on the first tab stop.
    if (OnInitDialog())
        if (QWidget* first = window->firstTabStop())
            first->setFocus(Qt::TabFocusReason);
    return window->exec();
}

void CDialog::EndDialog(int result)
{
    if (auto* dialog = qobject_cast<QDialog*>(m_pWidget))
        dialog->done(result);
}

bool CDialog::UpdateData(bool saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return true;
}

bool CDialog::OnInitDialog()
{
    UpdateData(false);
    return true;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnOK()
{
    UpdateData(true);
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::OnClose()
{
    SendMessage(WM_COMMAND, (BN_CLICKED << 16) | IDCANCEL, 0);
}
