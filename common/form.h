// SPDX-License-Identifier: MIT
#pragma once

#include "common/formkit.h"

#include <QWidget>

#include <memory>
#include <utility>

namespace common {

// A fixed-size, centred window without minimise or maximise box. Its load handler
// runs once, before the window is first shown, as the programs' hand-overs expect.
// Closing a main window ends the program: the title windows before it are only
// hidden, and without this the process would live on unseen.
class Form : public QWidget {
    Q_OBJECT
public:
    enum class Border { Dialog, Main };

    Form(Border border, const QString &caption, int clientWidthTwips, int clientHeightTwips);

    // Loads the form the first time, then shows it centred. False when the load
    // handler refused (the form then stays hidden).
    bool showForm();
    bool isLoaded() const { return loaded_; }

    // The hand-over to the next window: made the first time, then loaded and shown;
    // this one hides once the next is on screen (it stays loaded, with its state).
    template <class Next, class... Args> void handOver(std::unique_ptr<Next> &next, Args &&...args)
    {
        if (!next)
            next = std::make_unique<Next>(std::forward<Args>(args)...);
        if (next->showForm())
            hide();
    }

    // EXIT and the close box of a main window: what is running stops at once (the
    // window's own programEnding()), then the program ends with status 0.
    void quitProgram();

protected:
    virtual bool Load() { return true; }
    virtual void programEnding() {}
    void closeEvent(QCloseEvent *event) override;
    Controls controls_;

private:
    bool loaded_ = false;
};

} // namespace common
