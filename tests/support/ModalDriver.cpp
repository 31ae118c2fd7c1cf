#include "ModalDriver.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace kestrum::test {

namespace {
void CloseOpenModals()
{
    for (int guard = 0; guard < 10; ++guard) {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dialog->done(-1);
    }
}
} // namespace

int DriveModal(const std::function<int()>& runModal, const std::function<void()>& steps, int watchdogMs)
{
    bool stepsDone = false;
    QTimer::singleShot(0, qApp, [&] {
        steps();
        stepsDone = true;
        CloseOpenModals();
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, qApp, [] {
        ADD_FAILURE() << "modal run did not end by itself";
        CloseOpenModals();
    });
    watchdog.start(watchdogMs);
    const int result = runModal();
    // A run that ended before the steps could start leaves them queued: let them run now.
    WaitUntil([&] { return stepsDone; }, 1000);
    return result;
}

void AnswerNextModal(QWidget* besides, std::function<void(QWidget*)> answer, int timeoutMs)
{
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [=] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != besides && modal->isVisible()) {
            answer(modal);
            *poll = nullptr; // breaks the cycle
            return;
        }
        if (clock->elapsed() > timeoutMs) {
            ADD_FAILURE() << "no modal window appeared";
            *poll = nullptr;
            return;
        }
        QTimer::singleShot(20, qApp, [poll] {
            if (*poll)
                (*poll)();
        });
    };
    QTimer::singleShot(0, qApp, [poll] {
        if (*poll)
            (*poll)();
    });
}

bool WaitUntil(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs)
        QTest::qWait(10);
    return done();
}

} // namespace kestrum::test
