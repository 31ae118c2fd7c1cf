#pragma once
// Drives modal windows from inside their own modal run, the way a user acts
// on an open window. Every wait is bounded: a stuck run is ended, not waited on.

#include <functional>

class QWidget;

namespace kestrum::test {

// Calls `runModal` (which blocks in a modal run) and, once the run has
// started, `steps`. Whatever modal windows are still open after the steps
// are closed. A watchdog ends the run after `watchdogMs`. Returns what
// `runModal` returned.
int DriveModal(const std::function<int()>& runModal, const std::function<void()>& steps, int watchdogMs = 60000);

// Arranges for `answer` to be called with the next modal window other than
// `besides` that becomes active, for a step that itself blocks in a modal run
// (a file dialog, an About box). Gives up after `timeoutMs`.
void AnswerNextModal(QWidget* besides, std::function<void(QWidget*)> answer, int timeoutMs = 10000);

// Processes events until `done` holds or `timeoutMs` passes; returns `done()`.
bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 5000);

} // namespace kestrum::test
