// SPDX-License-Identifier: MIT
#include "common/core/materialfile.h"
#include "common/core/materials.h"
#include "common/gui/application.h"
#include "common/gui/palette.h"
#include "common/gui/picturebox.h"
#include "stelmo/form1.h"
#include "tests/idle.h"

#include "bench/exportbench.h"
#include "bench/pacedbatch.h"
#include "bench/statsbench.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

// Soft-tissue-like rows (1/cm, keV), enough for 100 keV: the figure does not depend on
// which data file is installed.
QString loadBenchTable(common::MaterialTable &t)
{
    const double rows[][4] = {
        {80, 0.0045, 0.173, 0.0068}, {100, 0.0030, 0.1630, 0.00266}, {1000, 3e-5, 0.0707, 8e-6}};
    t.RowCount = 3;
    for (int i = 1; i <= 3; ++i)
        t.AttenuationTable[i] = {0, rows[i - 1][1], rows[i - 1][2], rows[i - 1][3], rows[i - 1][0]};
    return {};
}

// One batch with its animation: 400 tracks, each shown, after Reset so every
// iteration starts from the empty slab.
void BM_StelmoBatch(benchmark::State &state)
{
    stelmo::Form1 form(loadBenchTable);
    form.pacer().setPace(common::Pace::Fast); // as fast as the machine draws
    form.showForm();
    (void)QTest::qWaitForWindowExposed(&form);
    for (auto _ : state) {
        state.PauseTiming();
        QTest::mouseClick(form.Command3, Qt::LeftButton);
        form.Text1->setText(QStringLiteral("100"));
        QApplication::processEvents();
        state.ResumeTiming();
        QTest::mouseClick(form.Command1, Qt::LeftButton);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_StelmoBatch)->Unit(benchmark::kMillisecond);

// The floor: 400 lines on the same picture box, the event loop run after each.
void BM_BareTrackLoop(benchmark::State &state)
{
    stelmo::Form1 form(loadBenchTable);
    form.pacer().setPace(common::Pace::Fast); // as fast as the machine draws
    form.showForm();
    (void)QTest::qWaitForWindowExposed(&form);
    common::PictureBox &p = *form.Picture1;
    for (auto _ : state) {
        for (int n = 1; n <= 400; ++n) {
            p.line({200, double(n - 1)}, {200.0 + 20.0 * (n % 40), double(n - 1)},
                   common::palette::LightRed);
            QCoreApplication::processEvents();
        }
        QApplication::processEvents();
    }
}
BENCHMARK(BM_BareTrackLoop)->Unit(benchmark::kMillisecond);

// The ratio of the two, as one printed figure.
void BM_StelmoBatchOverBareLoop(benchmark::State &state)
{
    stelmo::Form1 form(loadBenchTable);
    form.pacer().setPace(common::Pace::Fast); // as fast as the machine draws
    form.showForm();
    (void)QTest::qWaitForWindowExposed(&form);
    common::PictureBox &p = *form.Picture1;
    double batchSeconds = 0, bareSeconds = 0;
    for (auto _ : state) {
        QTest::mouseClick(form.Command3, Qt::LeftButton);
        form.Text1->setText(QStringLiteral("100"));
        QApplication::processEvents();
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(form.Command1, Qt::LeftButton);
        QApplication::processEvents();
        batchSeconds += clock.nsecsElapsed() * 1e-9;
        QTest::mouseClick(form.Command3, Qt::LeftButton);
        QApplication::processEvents();
        clock.restart();
        for (int n = 1; n <= 400; ++n) {
            p.line({200, double(n - 1)}, {200.0 + 20.0 * (n % 40), double(n - 1)},
                   common::palette::LightRed);
            QCoreApplication::processEvents();
        }
        QApplication::processEvents();
        bareSeconds += clock.nsecsElapsed() * 1e-9;
    }
    state.counters["ratio"] = batchSeconds / bareSeconds;
    state.counters["batch_ms"] = 1000 * batchSeconds / static_cast<double>(state.iterations());
    state.counters["bare_ms"] = 1000 * bareSeconds / static_cast<double>(state.iterations());
}
BENCHMARK(BM_StelmoBatchOverBareLoop)->Unit(benchmark::kMillisecond);

// A batch after 250 batches (100 000 photons): the cost must not grow with the counts.
void BM_StelmoBatchAfter250(benchmark::State &state)
{
    stelmo::Form1 form(loadBenchTable);
    form.pacer().setPace(common::Pace::Fast); // as fast as the machine draws
    form.showForm();
    (void)QTest::qWaitForWindowExposed(&form);
    for (int n = 0; n < 250; ++n)
        QTest::mouseClick(form.Command1, Qt::LeftButton);
    for (auto _ : state) {
        QTest::mouseClick(form.Command1, Qt::LeftButton);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_StelmoBatchAfter250)->Unit(benchmark::kMillisecond);

// Paced batches: the duration a class sees and the share of a core spent meanwhile.
void BM_StelmoPacedBatch(benchmark::State &state)
{
    stelmo::Form1 form(loadBenchTable);
    form.showForm();
    (void)QTest::qWaitForWindowExposed(&form);
    bench::pacedBatches(state, form.pacer(), form.Command1, [&] {
        QTest::mouseClick(form.Command3, Qt::LeftButton);
        form.Text1->setText(QStringLiteral("100"));
    });
}
BENCHMARK(BM_StelmoPacedBatch)
    ->Arg(1)
    ->Arg(0)
    ->Iterations(10)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The main window saved after ten batches: PNG at 2x, SVG.
void BM_StelmoExportAfter10(benchmark::State &state)
{
    stelmo::Form1 form(loadBenchTable);
    form.pacer().setPace(common::Pace::Fast);
    form.showForm();
    for (int n = 0; n < 10; ++n)
        QTest::mouseClick(form.Command1, Qt::LeftButton);
    bench::exportWindow(state, form);
}
BENCHMARK(BM_StelmoExportAfter10)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The statistics after a batch, as the open statistics window recomputes them, after
// 10 and 100 batches (range): it may grow only with the convergence plot's points.
void BM_StelmoStatisticsUpdate(benchmark::State &state)
{
    stelmo::Form1 form(loadBenchTable);
    form.pacer().setPace(common::Pace::Fast);
    form.showForm();
    for (int n = 0; n < state.range(0); ++n)
        QTest::mouseClick(form.Command1, Qt::LeftButton);
    bench::statisticsRefresh(state, form.statistics());
}
BENCHMARK(BM_StelmoStatisticsUpdate)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

// Opening the statistics window (and closing it again) after 10 batches.
void BM_StelmoStatisticsOpen(benchmark::State &state)
{
    stelmo::Form1 form(loadBenchTable);
    form.pacer().setPace(common::Pace::Fast);
    form.showForm();
    for (int n = 0; n < 10; ++n)
        QTest::mouseClick(form.Command1, Qt::LeftButton);
    bench::statisticsOpen(state, form.statistics());
}
BENCHMARK(BM_StelmoStatisticsOpen)->Unit(benchmark::kMillisecond);

// A hundred batches at once ("100 回") at Fast, from Reset: 40 000 tracks drawn.
void BM_StelmoHundredBatches(benchmark::State &state)
{
    stelmo::Form1 form(loadBenchTable);
    form.pacer().setPace(common::Pace::Fast);
    form.showForm();
    (void)QTest::qWaitForWindowExposed(&form);
    for (auto _ : state) {
        state.PauseTiming();
        QTest::mouseClick(form.Command3, Qt::LeftButton);
        form.Text1->setText(QStringLiteral("100"));
        QApplication::processEvents();
        state.ResumeTiming();
        form.runBatches(100);
        testutil::waitUntilIdle();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_StelmoHundredBatches)->Unit(benchmark::kMillisecond);

// Switching material from the menu: the shipped file read (run where the data files
// are), the results cleared, the frame drawn again; water and lead by turns.
void BM_StelmoMaterialSwitch(benchmark::State &state)
{
    stelmo::Form1 form(loadBenchTable);
    form.showForm();
    (void)QTest::qWaitForWindowExposed(&form);
    const auto all = common::materials();
    int turn = 0;
    for (auto _ : state) {
        if (!form.useMaterial(all[turn++ % 2 ? 1 : 9]))
            state.SkipWithError("a material file was not found");
        QApplication::processEvents();
    }
}
BENCHMARK(BM_StelmoMaterialSwitch)->Unit(benchmark::kMillisecond);

} // namespace
