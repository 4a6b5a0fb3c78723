// SPDX-License-Identifier: MIT
// Pictures and data leaving a window, only when the user asks: the clipboard, PNG or
// SVG pictures, CSV results. A file is written whole or not at all; a failure says why.
#pragma once

#include "common/core/csv.h"

#include <QImage>
#include <QString>

#include <functional>

class QWidget;

namespace common {

class PictureBox;

// An image as PNG bytes; empty when it could not be encoded.
QByteArray pngBytes(const QImage &image);

// Writes the bytes to the file atomically: an existing file is replaced only once
// the new one is complete. "" on success, else the reason, naming the file.
QString writeFileAtomically(const QString &path, const QByteArray &bytes);

// A plot as an image of `scale` times its size, replayed crisp.
QImage plotImage(const PictureBox &box, qreal scale);
// The window's client area as an image of `scale` times its size, its plots replayed.
QImage windowImage(QWidget &window, qreal scale);

// A picture file by the name's ending: SVG (vector: lines, circles and texts as SVG
// elements) for ".svg", else PNG at twice the size on screen. "" or the reason.
QString savePlotPicture(const PictureBox &box, const QString &path);
QString saveWindowPicture(QWidget &window, const QString &path);

void copyImageToClipboard(const QImage &image);

// Asks where to save, with the file-name field focused: a full path typed there and
// Return saves there. Opens the dialog over the window and returns at once; chosen()
// gets the path once the user has given one (never when cancelled, nor when the window
// has gone). The name gets the extension when it has none.
void askSavePath(QWidget *parent, const QString &caption, const QString &suggestedName,
                 const QString &filter, const QString &defaultSuffix,
                 std::function<void(const QString &path)> chosen);

// What a main window offers for export: its plots, its results, a file-name stem.
struct ExportSource {
    QWidget *window = nullptr;
    QString stem;
    std::function<CsvTable()> results;
};

// The save actions, dialog included; a failure is shown in a warning box. They return
// once the dialog is open; the file is written when the user answers it.
void saveResultsAs(const ExportSource &source);
void saveWindowPictureAs(const ExportSource &source);
void savePlotPictureAs(const ExportSource &source, const PictureBox &box);

} // namespace common
