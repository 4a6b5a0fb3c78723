// SPDX-License-Identifier: MIT
// Google Benchmark inside a QApplication, so benchmarks can drive real windows.
#include "common/gui/application.h"
#include "tests/idle.h"

#include <QApplication>
#include <benchmark/benchmark.h>

int main(int argc, char **argv)
{
    // A click returns once what it started has run: batches run from the event loop.
    testutil::IdleAfterInput app(argc, argv);
    common::installFontSubstitutions();
    QApplication::setStyle(QStringLiteral("Fusion"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
