// SPDX-License-Identifier: MIT
#pragma once

#include "common/gui/formkit.h"

#include <QMargins>
#include <QSize>
#include <QWidget>

#include <memory>
#include <utility>

namespace common {

// The zoom a window opens at on a screen's available area: 1 when the window fits with
// its frame, else the largest that fits (never below the smallest zoom step).
double fitZoom(QSize client, QMargins frame, QSize available);

// The zoom steps of Ctrl++ and Ctrl+-, from 50 % to 300 %.
double nextZoomStep(double zoom, int direction);
inline constexpr double MinZoom = 0.5;
inline constexpr double MaxZoom = 3.0;

// A fixed-size, centred window without minimise or maximise box. Its load handler
// runs once, before the window is first shown, as the programs' hand-overs expect.
// Closing a main window ends the program: the title windows before it are only
// hidden, and without this the process would live on unseen.
class Form : public QWidget {
    Q_OBJECT
public:
    enum class Border { Dialog, Main };

    // caption: the title as written (QT_TR_NOOP), translated in the window's context.
    Form(Border border, const char *caption, int clientWidthTwips, int clientHeightTwips);

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

    // The whole window at a zoom: layout, fonts, pictures and plots scaled alike, the
    // plots drawn again crisp; texts, enabled states and what was drawn stay.
    void setZoom(double zoom);
    double zoom() const { return zoom_; }
    void zoomIn();
    void zoomOut();
    // 100 %, or the largest that fits the screen if that is less.
    void zoomReset();
    QSize designSize() const { return design_; }

    // EXIT and the close box of a main window: what is running stops at once (the
    // window's own programEnding()), then the program ends with status 0.
    void quitProgram();

protected:
    virtual bool Load() { return true; }
    virtual void programEnding() {}
    // After a language change, once the layout's texts are translated again: the
    // texts the window set itself since (a button's second text, a picture).
    virtual void retranslate() {}
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    Controls controls_;

private:
    double screenFit() const;
    const char *caption_;
    bool loaded_ = false;
    QSize design_; // the client area at 100 %, in logical pixels
    QSize twips_;
    double zoom_ = 1.0;
};

} // namespace common
