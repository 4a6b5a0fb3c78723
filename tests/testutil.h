// SPDX-License-Identifier: MIT
// Small helpers the window tests of every program share.
#pragma once

#include "common/picturebox.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace testutil {

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
