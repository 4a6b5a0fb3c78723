// SPDX-License-Identifier: MIT
#pragma once

#include "common/gui/pacer.h"

#include <QPointer>
#include <QWidget>

#include <functional>

namespace common {

// For the life of a batch that lets the event loop run: GO and Reset/Clear disabled,
// so a click cannot start a second batch or clear the results under the running one;
// EXIT out of the keyboard's reach (the mouse still ends the program at once), so a
// Space meant to pause never ends it; the focus on a control where Space pauses; the
// pacer running. Afterwards everything comes back, with the focus on GO.
class BatchLock {
public:
    struct Controls {
        QWidget *go = nullptr;
        QWidget *reset = nullptr;
        QWidget *exit = nullptr;
        QWidget *rest = nullptr; // holds the focus while the photons run
    };

    BatchLock(Pacer &pacer, const Controls &controls)
        : pacer_(pacer), go_(controls.go), reset_(controls.reset), exit_(controls.exit),
          exitPolicy_(controls.exit->focusPolicy())
    {
        // Disabling the focused GO would hand the focus to the next control: EXIT.
        controls.rest->setFocus(Qt::OtherFocusReason);
        exit_->setFocusPolicy(Qt::NoFocus);
        go_->setEnabled(false);
        reset_->setEnabled(false);
        pacer_.begin();
    }
    ~BatchLock()
    {
        pacer_.finish();
        if (exit_)
            exit_->setFocusPolicy(exitPolicy_);
        if (reset_)
            reset_->setEnabled(true);
        if (go_) {
            go_->setEnabled(true);
            if (!pacer_.cancelled())
                go_->setFocus(Qt::OtherFocusReason);
        }
    }
    BatchLock(const BatchLock &) = delete;
    BatchLock &operator=(const BatchLock &) = delete;

private:
    Pacer &pacer_;
    QPointer<QWidget> go_, reset_, exit_;
    Qt::FocusPolicy exitPolicy_;
};

// Runs count batches back to back under one lock: those before the last unpaced, the
// last at the chosen pace, so a hundred batches take about as long as one at the
// chosen pace plus the machine's time for the rest. batch() runs one and returns false
// when the program is ending; shown() then updates the window's results, after every
// batch as after a single one. False when the program is ending.
inline bool runBatches(Pacer &pacer, const BatchLock::Controls &controls, int count,
                       const std::function<bool()> &batch, const std::function<void()> &shown)
{
    const BatchLock lock{pacer, controls};
    for (int i = 1; i <= count; ++i) {
        pacer.nextBatch(i < count);
        if (!batch())
            return false;
        shown();
    }
    return true;
}

} // namespace common
