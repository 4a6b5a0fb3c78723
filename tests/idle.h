// SPDX-License-Identifier: MIT
// Driving the windows as a user does: the next input comes once the programs are idle
// again. A batch runs from the application's event loop after the click that started
// it returns, and dialogs open without a loop of their own; waitUntilIdle() runs the
// event loop until no pacer runs a batch and no modal dialog waits for an answer.
#pragma once

#include "common/gui/pacer.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace testutil {

// A pacer with a batch in progress in any window, or nullptr.
inline common::Pacer *runningPacer()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        for (common::Pacer *p : w->findChildren<common::Pacer *>())
            if (p->running())
                return p;
    return nullptr;
}

inline bool busy() { return runningPacer() || QApplication::activeModalWidget(); }

// Runs the event loop until nothing is busy, or until limitMs have passed (a batch held
// paused, a dialog nobody answers): then false, and the test goes on to fail on what it
// finds rather than hang. A wait inside a wait (an input sent by a script that runs
// during one) returns at once: the outer wait goes on.
inline bool waitUntilIdle(int limitMs = 120000)
{
    static bool waiting = false;
    if (waiting)
        return true;
    waiting = true;
    const QDeadlineTimer deadline(limitMs);
    bool idle = true;
    while (busy()) {
        if (deadline.hasExpired()) {
            idle = false;
            std::fprintf(stderr, "waitUntilIdle: still busy after %d ms\n", limitMs);
            break;
        }
        QEventLoop turn;
        QTimer::singleShot(1, &turn, &QEventLoop::quit);
        // -1: the program asked to end, and Qt runs no loop until the application's own
        // has run; nothing more happens until a test settles the application.
        if (turn.exec() < 0)
            break;
    }
    waiting = false;
    return idle;
}

// The test application: after every mouse button or key a test sends, it waits until
// the programs are idle again, as a user's next action comes after what the last one
// started. Scripts that must act inside a batch run as timers during that wait.
class IdleAfterInput : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject *receiver, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        const bool settles = type == QEvent::MouseButtonRelease || type == QEvent::KeyRelease;
        const bool handled = QApplication::notify(receiver, event);
        if (settles)
            waitUntilIdle();
        return handled;
    }
};

} // namespace testutil
