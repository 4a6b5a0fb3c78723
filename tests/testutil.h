// SPDX-License-Identifier: MIT
// Small helpers the window tests of every program share.
#pragma once

#include "common/gui/picturebox.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>

namespace testutil {

// Whether the program asked to end (EXIT, the close box, a failed start-up): Qt then
// refuses to start any event loop until the application's own loop has run, so a
// probe loop returns -1 at once. Otherwise the probe runs one turn.
inline bool quitRequested()
{
    QEventLoop probe;
    QTimer::singleShot(0, &probe, [&probe] { probe.exit(0); });
    return probe.exec() == -1;
}

// Clears that state for the next test: the application's loop, one turn. Tests run
// no application loop of their own, and later modal boxes and waits would return at
// once.
inline void settleApplication()
{
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

// Answers every message box that opens while armed and keeps what the last one said.
struct MessageCatcher {
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    bool seen = false;
    int count = 0;
    QTimer poll; // stops with the catcher, so it never closes a later test's box
    void arm()
    {
        seen = false;
        count = 0;
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, &poll, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                text = box->text();
                icon = box->icon();
                title = box->windowTitle();
                seen = true;
                ++count;
                box->accept();
            }
        });
        poll.start();
    }
};

// How many pixels of a picture box show the colour.
inline int pixelsOf(const common::PictureBox *p, QColor colour)
{
    const QImage &img = p->image();
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += img.pixelColor(x, y) == colour;
    return n;
}

} // namespace testutil
