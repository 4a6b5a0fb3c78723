// SPDX-License-Identifier: MIT
// The statistics window's costs: its refresh after a batch while open, and opening it.
#pragma once

#include "common/gui/statswindow.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace bench {

inline void statisticsRefresh(benchmark::State &state, common::StatisticsWindow &window)
{
    window.toggle(); // open
    for (auto _ : state)
        window.refreshIfShown();
    window.toggle();
    state.SetLabel("batches before");
}

inline void statisticsOpen(benchmark::State &state, common::StatisticsWindow &window)
{
    for (auto _ : state) {
        window.toggle();
        QApplication::processEvents();
        state.PauseTiming();
        window.toggle();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

} // namespace bench
