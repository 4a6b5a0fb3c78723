// SPDX-License-Identifier: MIT
#include "dartley/form1.h"
#include "dartley/form2.h"

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

} // namespace
