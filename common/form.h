// SPDX-License-Identifier: MIT
#pragma once

#include "formkit.h"

#include <QWidget>

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

protected:
    virtual bool Load() { return true; }
    void closeEvent(QCloseEvent *event) override;
    Controls controls_;

private:
    bool loaded_ = false;
};

} // namespace common
