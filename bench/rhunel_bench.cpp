// SPDX-License-Identifier: MIT
#include "common/core/materials.h"
#include "common/gui/application.h"
#include "common/gui/picturebox.h"
#include "rhunel/form1.h"
#include "rhunel/physics.h"
#include "tests/idle.h"

#include "bench/exportbench.h"
#include "bench/pacedbatch.h"
#include "bench/statsbench.h"
#include "tests/rhunel/synthetictable.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

// The shipped table when it can be read from here, else the tests' stand-in.
QString benchTable(common::MaterialTable &t)
{
    if (common::loadMaterialFile(common::MaterialBlocks::All, t).isEmpty())
        return {};
    return synthetic::source(t);
}

// One click at the given energy on a cleared window: 500 animated tracks, one
// event-loop run each, and the angular plot; the repaint included.
void BM_RhunelBatch(benchmark::State &state)
{
    rhunel::Form1 form{benchTable};
    form.pacer().setPace(common::Pace::Fast); // as fast as the machine draws
    form.showForm();
    const QString energy = QString::number(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        QTest::mouseClick(form.Command3, Qt::LeftButton); // Clear
        form.Text1->setText(energy);
        QApplication::processEvents();
        state.ResumeTiming();
        QTest::mouseClick(form.Command1, Qt::LeftButton);
        QApplication::processEvents();
    }
    state.SetLabel("keV");
}
BENCHMARK(BM_RhunelBatch)->Arg(20)->Arg(5)->Unit(benchmark::kMillisecond);

// The floor a batch cannot beat: 500 lines on the same picture box, each followed by
// one event-loop run, with no sampling.
void BM_BareDrawAndYield(benchmark::State &state)
{
    rhunel::Form1 form{benchTable};
    form.pacer().setPace(common::Pace::Fast); // as fast as the machine draws
    form.showForm();
    common::PictureBox &p = *form.Picture1;
    for (auto _ : state) {
        for (int n = 0; n < 500; ++n) {
            p.line({300, 300}, {300 - 200 * std::cos(n * 0.006), 300 - 200 * std::sin(n * 0.006)},
                   12);
            QCoreApplication::processEvents();
        }
        QApplication::processEvents();
    }
}
BENCHMARK(BM_BareDrawAndYield)->Unit(benchmark::kMillisecond);

// Random numbers spent per accepted photon: low energies reject most momentum
// transfers (only x up to E/12.4 can occur).
void BM_DrawsPerPhoton(benchmark::State &state)
{
    common::MaterialTable t;
    benchTable(t);
    common::RandomGenerator random{common::RandomGenerator::Divisor::Tenth};
    random.RandomInit();
    const double energy = double(state.range(0));
    std::int64_t draws = 0, photons = 0;
    for (auto _ : state) {
        const rhunel::ScatteredPhoton photon = rhunel::sampleScattering(
            random, t.MomentumTransfer, t.CumulativeWeight, t.CumulativeWeight[45], energy);
        benchmark::DoNotOptimize(photon.bin);
        draws += photon.draws;
        ++photons;
    }
    state.counters["draws_per_photon"] = double(draws) / double(photons);
}
BENCHMARK(BM_DrawsPerPhoton)->Arg(1)->Arg(5)->Arg(20)->Arg(60)->Arg(100);

// Paced batches at 20 keV: the duration a class sees and the share of a core spent.
void BM_RhunelPacedBatch(benchmark::State &state)
{
    rhunel::Form1 form{benchTable};
    form.showForm();
    (void)QTest::qWaitForWindowExposed(&form);
    bench::pacedBatches(state, form.pacer(), form.Command1, [&] {
        QTest::mouseClick(form.Command3, Qt::LeftButton);
        form.Text1->setText(QStringLiteral("20"));
    });
}
BENCHMARK(BM_RhunelPacedBatch)
    ->Arg(1)
    ->Arg(0)
    ->Iterations(10)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The main window saved after ten batches: PNG at 2x, SVG.
void BM_RhunelExportAfter10(benchmark::State &state)
{
    rhunel::Form1 form{benchTable};
    form.pacer().setPace(common::Pace::Fast);
    form.showForm();
    for (int n = 0; n < 10; ++n)
        QTest::mouseClick(form.Command1, Qt::LeftButton);
    bench::exportWindow(state, form);
}
BENCHMARK(BM_RhunelExportAfter10)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The statistics after a batch, as the open statistics window recomputes them, after
// 10 and 100 batches (range): it may grow only with the convergence plot's points.
void BM_RhunelStatisticsUpdate(benchmark::State &state)
{
    rhunel::Form1 form{benchTable};
    form.pacer().setPace(common::Pace::Fast);
    form.showForm();
    for (int n = 0; n < state.range(0); ++n)
        QTest::mouseClick(form.Command1, Qt::LeftButton);
    bench::statisticsRefresh(state, form.statistics());
}
BENCHMARK(BM_RhunelStatisticsUpdate)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

// Opening the statistics window (and closing it again) after 10 batches.
void BM_RhunelStatisticsOpen(benchmark::State &state)
{
    rhunel::Form1 form{benchTable};
    form.pacer().setPace(common::Pace::Fast);
    form.showForm();
    for (int n = 0; n < 10; ++n)
        QTest::mouseClick(form.Command1, Qt::LeftButton);
    bench::statisticsOpen(state, form.statistics());
}
BENCHMARK(BM_RhunelStatisticsOpen)->Unit(benchmark::kMillisecond);

// A hundred batches at once ("100 回") at Fast at 20 keV, from Clear: 50 000 tracks.
void BM_RhunelHundredBatches(benchmark::State &state)
{
    rhunel::Form1 form{benchTable};
    form.pacer().setPace(common::Pace::Fast);
    form.showForm();
    (void)QTest::qWaitForWindowExposed(&form);
    for (auto _ : state) {
        state.PauseTiming();
        QTest::mouseClick(form.Command3, Qt::LeftButton);
        form.Text1->setText(QStringLiteral("20"));
        QApplication::processEvents();
        state.ResumeTiming();
        form.runBatches(100);
        testutil::waitUntilIdle();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_RhunelHundredBatches)->Unit(benchmark::kMillisecond);

// Switching material from the menu: the whole shipped file read (run where the data
// files are), the results cleared, the frames drawn again; water and lead by turns.
void BM_RhunelMaterialSwitch(benchmark::State &state)
{
    rhunel::Form1 form{benchTable};
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
BENCHMARK(BM_RhunelMaterialSwitch)->Unit(benchmark::kMillisecond);

} // namespace
