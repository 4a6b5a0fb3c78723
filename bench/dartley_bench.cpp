// SPDX-License-Identifier: MIT
#include "common/gui/picturebox.h"
#include "dartley/form1.h"
#include "dartley/form2.h"
#include "tests/idle.h"

#include "bench/exportbench.h"
#include "bench/statsbench.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

// One click of the run button on a shown window, its repaint included.
void clickAndPaint(dartley::Form1 &form)
{
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    QApplication::processEvents();
}

void BM_DartleyFirstBatch(benchmark::State &state)
{
    dartley::Form1 form;
    form.showForm();
    for (auto _ : state) {
        state.PauseTiming();
        QTest::mouseClick(form.Command3, Qt::LeftButton); // Reset
        QApplication::processEvents();
        state.ResumeTiming();
        clickAndPaint(form);
    }
}
BENCHMARK(BM_DartleyFirstBatch)->Unit(benchmark::kMillisecond);

// The cost of a click must not grow with the points already on the plot.
void BM_DartleyBatchAfter1000(benchmark::State &state)
{
    dartley::Form1 form;
    form.showForm();
    for (int n = 0; n < 1000; ++n)
        clickAndPaint(form);
    for (auto _ : state)
        clickAndPaint(form);
}
BENCHMARK(BM_DartleyBatchAfter1000)->Unit(benchmark::kMillisecond);

// From nothing to the title window on screen with its diagram drawn.
void BM_DartleyTitleWindow(benchmark::State &state)
{
    for (auto _ : state) {
        dartley::Form2 title;
        title.showForm();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_DartleyTitleWindow)->Unit(benchmark::kMillisecond);

// The plot after 1000 batches (a million dots) replayed from its display list into a
// fresh image at 1x and 2x: what a zoom, a new screen or a copy costs.
void BM_DartleyReplayAfter1000(benchmark::State &state)
{
    dartley::Form1 form;
    form.showForm();
    for (int n = 0; n < 1000; ++n)
        form.module().RunBatch();
    const qreal scale = qreal(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(form.Picture1->renderImage(scale));
    state.counters["operations"] = double(form.Picture1->operationCount());
    state.counters["list_MB"] = double(form.Picture1->displayListBytes()) / (1024.0 * 1024.0);
    state.SetLabel("x scale");
}
BENCHMARK(BM_DartleyReplayAfter1000)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The main window saved after 100 batches (100 000 dots): PNG at 2x, SVG.
void BM_DartleyExportAfter100(benchmark::State &state)
{
    dartley::Form1 form;
    form.showForm();
    for (int n = 0; n < 100; ++n)
        form.module().RunBatch();
    bench::exportWindow(state, form);
}
BENCHMARK(BM_DartleyExportAfter100)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The statistics after a batch, as the open statistics window recomputes them, after
// 10 and 100 batches (range): it may grow only with the convergence plot's points.
void BM_DartleyStatisticsUpdate(benchmark::State &state)
{
    dartley::Form1 form;
    form.showForm();
    for (int n = 0; n < state.range(0); ++n)
        form.module().RunBatch();
    bench::statisticsRefresh(state, form.statistics());
}
BENCHMARK(BM_DartleyStatisticsUpdate)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

// Opening the statistics window (and closing it again) after 10 batches.
void BM_DartleyStatisticsOpen(benchmark::State &state)
{
    dartley::Form1 form;
    form.showForm();
    for (int n = 0; n < 10; ++n)
        form.module().RunBatch();
    bench::statisticsOpen(state, form.statistics());
}
BENCHMARK(BM_DartleyStatisticsOpen)->Unit(benchmark::kMillisecond);

// A hundred batches at once ("100 回"), from Reset: 100 000 dots, the texts shown after
// each batch.
void BM_DartleyHundredBatches(benchmark::State &state)
{
    dartley::Form1 form;
    form.showForm();
    for (auto _ : state) {
        state.PauseTiming();
        QTest::mouseClick(form.Command3, Qt::LeftButton);
        QApplication::processEvents();
        state.ResumeTiming();
        form.runBatches(100);
        testutil::waitUntilIdle();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_DartleyHundredBatches)->Unit(benchmark::kMillisecond);

} // namespace
