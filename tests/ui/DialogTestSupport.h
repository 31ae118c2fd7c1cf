#pragma once
// What the main dialog's tests share: an application object, a working
// directory of their own, and ways to reach the dialog's controls.

#include "CWinApp.h"
#include "KestrumDlg.h"
#include "MessageBox.h"
#include "ModalDriver.h"
#include "TestFiles.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <array>
#include <gtest/gtest.h>

namespace kestrum::test {

class MainDialogTest : public ::testing::Test {
public:
    MainDialogTest() : m_cwd(m_dir.path()) { m_app.m_pMainWnd = &m_dlg; }
    ~MainDialogTest() override { framework::MessageBoxSeam::Reset(); }

    QLineEdit* Edit(int id) const { return qobject_cast<QLineEdit*>(m_dlg.GetDlgItem(id)->widget()); }
    QPushButton* Button(int id) const { return qobject_cast<QPushButton*>(m_dlg.GetDlgItem(id)->widget()); }
    QWidget* Window() const { return m_dlg.widget(); }

    // Types into each field as a user would; `values` in the order file,
    // host, user name, password, directory.
    void Type(const std::array<std::string, 5>& values)
    {
        const int ids[] = {IDC_FILE, IDC_HOST, IDC_USERNAME, IDC_PASSWORD, IDC_DIRECTORY};
        for (int i = 0; i < 5; ++i) {
            Edit(ids[i])->clear();
            QTest::keyClicks(Edit(ids[i]), QString::fromStdString(values[i]));
        }
    }

    int Run(const std::function<void()>& steps) { return DriveModal([this] { return m_dlg.DoModal(); }, steps); }

    TempDir m_dir;
    ScopedWorkingDirectory m_cwd;
    CWinApp m_app;
    CKestrumDlg m_dlg;
};

} // namespace kestrum::test
