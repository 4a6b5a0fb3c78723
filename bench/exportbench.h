// SPDX-License-Identifier: MIT
// The time to save a main window as a picture, as the user's Ctrl+Shift+S does (the
// dialog aside): PNG at twice its size (range 0) or SVG (range 1).
#pragma once

#include "common/gui/exports.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QWidget>
#include <benchmark/benchmark.h>

namespace bench {

inline void exportWindow(benchmark::State &state, QWidget &window)
{
    QTemporaryDir dir;
    const bool svg = state.range(0) == 1;
    const QString path = dir.filePath(svg ? QStringLiteral("w.svg") : QStringLiteral("w.png"));
    for (auto _ : state) {
        const QString failure = common::saveWindowPicture(window, path);
        if (!failure.isEmpty())
            state.SkipWithError(failure.toStdString().c_str());
    }
    state.counters["file_MB"] = double(QFileInfo(path).size()) / (1024.0 * 1024.0);
    state.SetLabel(svg ? "SVG" : "PNG");
}

} // namespace bench
