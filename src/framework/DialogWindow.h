#pragma once
// The Qt window behind a CDialog: turns Qt's events into the dialog's
// messages, so that the dialog's command table decides what happens.

#include <QDialog>

class CDialog;

namespace framework {

struct DialogTemplate;

class DialogWindow : public QDialog {
public:
    DialogWindow(CDialog* owner, const DialogTemplate& t, QWidget* parent);
    ~DialogWindow() override;

    // Esc, and Qt's own rejection paths, are command 2.
    void reject() override;

    QWidget* firstTabStop() const { return m_firstTabStop; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls(const DialogTemplate& t);

    CDialog* m_owner;
    QWidget* m_firstTabStop = nullptr;
};

} // namespace framework
