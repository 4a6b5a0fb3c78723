// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QWidget>

#include <initializer_list>
#include <vector>

namespace common {

// Disables the given controls for the life of a batch that lets the event loop run,
// so a click cannot start a second batch or clear the results under the running one.
// They come back enabled however the batch ends, with the focus where it was.
class BatchLock {
public:
    BatchLock(std::initializer_list<QWidget *> controls)
    {
        for (QWidget *w : controls) {
            if (w->hasFocus())
                focused_ = w;
            w->setEnabled(false);
            locked_.emplace_back(w);
        }
    }
    ~BatchLock()
    {
        for (const QPointer<QWidget> &w : locked_)
            if (w)
                w->setEnabled(true);
        if (focused_)
            focused_->setFocus();
    }
    BatchLock(const BatchLock &) = delete;
    BatchLock &operator=(const BatchLock &) = delete;

private:
    std::vector<QPointer<QWidget>> locked_;
    QPointer<QWidget> focused_;
};

} // namespace common
