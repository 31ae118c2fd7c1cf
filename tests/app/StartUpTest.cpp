// The whole program in-process: the process entry, the application object and
// the main dialog, closed the ways a user closes it.
#include "CWinApp.h"
#include "CWnd.h"
#include "Kestrum.h"
#include "TestFiles.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace kestrum::test;

namespace {

std::function<void(QDialog*)> g_closeAction;
bool g_closed = false;
Qt::LayoutDirection g_direction = Qt::LeftToRight;

bool g_armed = false;

// Polls, bounded, for the main dialog's modal run and closes the dialog with
// the current action.
void CloseWhenOpen(int triesLeft)
{
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog && dialog->objectName() == "dialog102" && dialog->isVisible()) {
        g_direction = QApplication::layoutDirection();
        g_closeAction(dialog);
        g_closed = true;
    } else if (triesLeft > 0) {
        QTimer::singleShot(10, qApp, [triesLeft] { CloseWhenOpen(triesLeft - 1); });
    } else {
        ADD_FAILURE() << "the main dialog did not open";
        QApplication::closeAllWindows();
    }
}

// Called from the application's constructor (Qt keeps the routine for every
// later application too, hence the flag).
void ArmCloser()
{
    if (!g_armed)
        return;
    g_armed = false;
    QMetaObject::invokeMethod(qApp, [] { CloseWhenOpen(500); }, Qt::QueuedConnection);
}

int RunProgram(std::vector<std::string> args, std::function<void(QDialog*)> close)
{
    g_closeAction = std::move(close);
    g_closed = false;
    g_armed = true;
    static const bool added = (qAddPreRoutine(ArmCloser), true);
    (void)added;
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    return framework::RunApplication(static_cast<int>(args.size()), argv.data());
}

} // namespace

TEST(StartUp, EveryWayOfClosingEndsWithTheDefaultExitCode)
{
    TempDir cwd;
    ScopedWorkingDirectory inside(cwd.path());
    const std::vector<std::pair<const char*, std::function<void(QDialog*)>>> ways{
        {"Esc", [](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); }},
        {"Cancel", [](QDialog* d) { d->findChild<QWidget*>("control2")->setFocus(); QTest::keyClick(d->findChild<QWidget*>("control2"), Qt::Key_Space); }},
        {"close box", [](QDialog* d) { d->close(); }},
        {"system menu Close", [](QDialog*) { AfxGetMainWnd()->SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const auto& [name, close] : ways) {
        EXPECT_EQ(RunProgram({"kestrum"}, close), 0) << name;
        EXPECT_TRUE(g_closed) << name;
        EXPECT_EQ(QApplication::instance(), nullptr) << name << ": the process would end here";
    }
}

TEST(StartUp, CommandLineArgumentsAreReadByNobody)
{
    TempDir cwd;
    ScopedWorkingDirectory inside(cwd.path());
    // Were Qt to read these, an unknown platform plugin would abort the
    // process and -reverse would mirror the layout.
    const int code = RunProgram({"kestrum", "-platform", "no-such-platform", "-reverse", "--help", "upload.bin"},
                                [](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); });
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(g_closed);
    EXPECT_EQ(g_direction, Qt::LeftToRight);
}
