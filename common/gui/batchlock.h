// SPDX-License-Identifier: MIT
#pragma once

#include "common/gui/pacer.h"

#include <QPointer>
#include <QWidget>

#include <memory>

namespace common {

// For the life of a run of batches: GO and Reset/Clear disabled,
// so a click cannot start a second batch or clear the results under the running one;
// EXIT out of the keyboard's reach (the mouse still ends the program at once), so a
// Space meant to pause never ends it; the focus on a control where Space pauses; the
// pacer running. Afterwards everything comes back, with the focus on GO unless the
// program is ending.
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
    }
    ~BatchLock()
    {
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

// Starts count batches back to back under one lock, which the pacer lets go when the
// run ends or is cancelled; returns at once. The batch's end updates the window's
// results, after every batch of a run as after a single one.
inline void runBatches(Pacer &pacer, const BatchLock::Controls &controls, int count, Batch batch)
{
    auto lock = std::make_shared<BatchLock>(pacer, controls);
    pacer.start(count, std::move(batch), [lock]() mutable { lock.reset(); });
}

} // namespace common
