// SPDX-License-Identifier: MIT
#include "common/gui/form.h"

#include "common/gui/application.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace common {

namespace {
constexpr double ZoomSteps[] = {0.5,  0.67, 0.75, 0.8, 0.9, 1.0, 1.1,
                                1.25, 1.5,  1.75, 2.0, 2.5, 3.0};
// Before any window of the program has been on screen its frame is unknown: a title
// bar of 32 pixels is assumed.
QMargins knownFrame{0, 32, 0, 0};
} // namespace

double fitZoom(QSize client, QMargins frame, QSize available)
{
    if (client.isEmpty() || available.isEmpty())
        return 1.0;
    const double across = double(available.width() - frame.left() - frame.right()) / client.width();
    const double down = double(available.height() - frame.top() - frame.bottom()) / client.height();
    const double fit = std::min({1.0, across, down});
    return std::max(MinZoom, fit);
}

double nextZoomStep(double zoom, int direction)
{
    constexpr double slack = 1e-6;
    if (direction > 0) {
        for (double step : ZoomSteps)
            if (step > zoom + slack)
                return step;
        return MaxZoom;
    }
    for (auto it = std::rbegin(ZoomSteps); it != std::rend(ZoomSteps); ++it)
        if (*it < zoom - slack)
            return *it;
    return MinZoom;
}

Form::Form(Border border, const char *caption, int clientWidthTwips, int clientHeightTwips)
    : caption_(caption)
{
    Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
    // Title and information windows stay out of the task bar; the main window is in it.
    flags |= border == Border::Dialog ? Qt::Dialog : Qt::Window;
    setWindowFlags(flags);
    // Translated once the window's own class is known (showForm, a language change).
    setWindowTitle(QString::fromUtf8(caption));
    twips_ = QSize(clientWidthTwips, clientHeightTwips);
    design_ = QSize(twipsToPixels(clientWidthTwips), twipsToPixels(clientHeightTwips));
    setFixedSize(design_);

    // Zoom on every window, from the keyboard; Ctrl+wheel too (wheelEvent).
    struct ZoomKey {
        QList<QKeySequence> keys;
        void (Form::*act)();
    };
    const ZoomKey zoomKeys[] = {
        {{QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
         &Form::zoomIn},
        {{QKeySequence(Qt::CTRL | Qt::Key_Minus)}, &Form::zoomOut},
        {{QKeySequence(Qt::CTRL | Qt::Key_0)}, &Form::zoomReset}};
    for (const ZoomKey &z : zoomKeys) {
        auto *action = new QAction(this);
        action->setShortcuts(z.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, z.act);
        addAction(action);
    }
}

void Form::setZoom(double zoom)
{
    zoom = std::clamp(zoom, MinZoom, MaxZoom);
    if (zoom == zoom_)
        return;
    zoom_ = zoom;
    const QPoint centre = frameGeometry().center();
    setFixedSize(twipsToPixels(twips_.width(), zoom), twipsToPixels(twips_.height(), zoom));
    controls_.setZoom(zoom);
    if (!isVisible())
        return;
    // Zoomed about its centre, and kept on the screen as far as it fits there.
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize outer = size().grownBy(knownFrame);
    QPoint at = centre - QPoint(outer.width() / 2, outer.height() / 2);
    at.setX(std::max(area.left(), std::min(at.x(), area.right() + 1 - outer.width())));
    at.setY(std::max(area.top(), std::min(at.y(), area.bottom() + 1 - outer.height())));
    move(at);
    update();
}

void Form::zoomIn() { setZoom(nextZoomStep(zoom_, +1)); }
void Form::zoomOut() { setZoom(nextZoomStep(zoom_, -1)); }
void Form::zoomReset() { setZoom(screenFit()); }

double Form::screenFit() const
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return 1.0;
    return fitZoom(design_, knownFrame, screen->availableGeometry().size());
}

void Form::wheelEvent(QWheelEvent *event)
{
    if (event->modifiers() & Qt::ControlModifier) {
        const int turn = event->angleDelta().y();
        if (turn > 0)
            zoomIn();
        else if (turn < 0)
            zoomOut();
        event->accept();
        return;
    }
    QWidget::wheelEvent(event);
}

void Form::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        controls_.retranslate();
        setWindowTitle(controls_.translated(caption_));
        retranslate();
    }
    QWidget::changeEvent(event);
}

bool Form::showForm()
{
    setWindowTitle(controls_.translated(caption_));
    if (!loaded_) {
        loaded_ = true;
        if (!Load()) {
            loaded_ = false;
            return false;
        }
    }
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        // A window taller or wider than the screen opens scaled down to fit it.
        if (!isVisible())
            setZoom(
                std::min(zoom_, fitZoom(design_, knownFrame, screen->availableGeometry().size())));
        // Centred with its frame (a window's position is its frame's): the title bar
        // stays on the screen.
        const QRect area = screen->availableGeometry();
        const QSize outer = size().grownBy(knownFrame);
        move(area.left() + (area.width() - outer.width()) / 2,
             area.top() + (area.height() - outer.height()) / 2);
    }
    show();
    // Once shown, the window manager's frame is known for the windows after it.
    const QMargins frame(geometry().left() - frameGeometry().left(),
                         geometry().top() - frameGeometry().top(),
                         frameGeometry().right() - geometry().right(),
                         frameGeometry().bottom() - geometry().bottom());
    if (frame.top() > 0)
        knownFrame = frame;
    // The window just handed over takes the keyboard, as a new window does under a
    // window manager: its keys work without a click first.
    activateWindow();
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
