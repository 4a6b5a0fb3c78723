// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QWidget>

#include <initializer_list>
#include <vector>

namespace rhunel {

// Disables the given controls for the life of a batch, so a click cannot start a
// second batch or clear the results under the running one; they come back enabled
// however the batch ends.
class BatchLock {
public:
    BatchLock(std::initializer_list<QWidget *> controls)
    {
        for (QWidget *w : controls) {
            w->setEnabled(false);
            locked_.emplace_back(w);
        }
    }
    ~BatchLock()
    {
        for (const QPointer<QWidget> &w : locked_)
            if (w)
                w->setEnabled(true);
    }
    BatchLock(const BatchLock &) = delete;
    BatchLock &operator=(const BatchLock &) = delete;

private:
    std::vector<QPointer<QWidget>> locked_;
};

} // namespace rhunel
