// SPDX-License-Identifier: MIT
#include "common/form.h"

#include "common/application.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

namespace common {

Form::Form(Border border, const QString &caption, int clientWidthTwips, int clientHeightTwips)
{
    Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
    // Title and information windows stay out of the task bar; the main window is in it.
    flags |= border == Border::Dialog ? Qt::Dialog : Qt::Window;
    setWindowFlags(flags);
    setWindowTitle(caption);
    setFixedSize(twipsToPixels(clientWidthTwips), twipsToPixels(clientHeightTwips));
}

bool Form::showForm()
{
    if (!loaded_) {
        loaded_ = true;
        if (!Load()) {
            loaded_ = false;
            return false;
        }
    }
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    show();
    return true;
}

void Form::quitProgram()
{
    programEnding();
    endProgram();
}

void Form::closeEvent(QCloseEvent *event)
{
    // The window type is what the border chose: main windows are Qt::Window.
    if (windowType() == Qt::Window) {
        event->accept();
        quitProgram();
        return;
    }
    QWidget::closeEvent(event);
}

} // namespace common
