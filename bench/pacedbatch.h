// SPDX-License-Identifier: MIT
// A paced batch as a class watches it: ten batches one after another, each timed from
// the click to its end, with the CPU time the process spent meanwhile.
#pragma once

#include "common/gui/pacer.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <benchmark/benchmark.h>

#include <cmath>
#include <ctime>
#include <functional>
#include <vector>

namespace bench {

inline double processCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

inline double wallSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// state.range(0) is the pace (0 Slow, 1 Normal); prepare() empties the window.
inline void pacedBatches(benchmark::State &state, common::Pacer &pacer, QPushButton *go,
                         const std::function<void()> &prepare)
{
    pacer.setPace(state.range(0) == 0 ? common::Pace::Slow : common::Pace::Normal);
    std::vector<double> durations;
    double cpu = 0, wall = 0;
    for (auto _ : state) {
        prepare();
        QApplication::processEvents();
        const double cpu0 = processCpuSeconds(), wall0 = wallSeconds();
        QTest::mouseClick(go, Qt::LeftButton);
        const double spent = wallSeconds() - wall0;
        cpu += processCpuSeconds() - cpu0;
        wall += spent;
        durations.push_back(spent);
        state.SetIterationTime(spent);
    }
    double mean = 0;
    for (double d : durations)
        mean += d;
    mean /= double(durations.size());
    double spread = 0;
    for (double d : durations)
        spread += (d - mean) * (d - mean);
    spread = durations.size() > 1 ? std::sqrt(spread / double(durations.size() - 1)) : 0;
    state.counters["mean_s"] = mean;
    state.counters["spread_s"] = spread;
    state.counters["cpu_fraction"] = cpu / wall;
    state.SetLabel(state.range(0) == 0 ? "Slow" : "Normal");
}

} // namespace bench
