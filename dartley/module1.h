// SPDX-License-Identifier: MIT
#pragma once

#include "common/core/randomgenerator.h"
#include "common/gui/palette.h"
#include "dartley/physics.h"

#include <cstdint>
#include <vector>

class QLineEdit;

namespace common {
class PictureBox;
}

namespace dartley {

// The controls the module draws on and writes; it never looks windows up.
struct Module1Controls {
    common::PictureBox *Picture1 = nullptr;
    QLineEdit *Text1 = nullptr; // the estimate
    QLineEdit *Text2 = nullptr; // points so far
    QLineEdit *Text3 = nullptr; // hits so far
};

// What the batches since start-up or Reset add up to, changed only when a batch is
// whole.
struct Module1Results {
    // 64-bit: a class that clicks for a whole lesson must not wrap the counts.
    std::int64_t HitCount = 0;
    std::int64_t BatchNumber = 1; // of the next batch
    double PiEstimate = 0.0;
    // Every batch's result since start-up or Reset, for the CSV.
    std::vector<BatchResult> History;
};

// Scatters points uniformly over a square of side 1000 centred on the origin and
// counts those inside the inscribed circle: 4 x hits / points tends to pi.
class Module1 {
public:
    static constexpr int HitColour = common::palette::LightRed;
    static constexpr int MissColour = common::palette::LightBlue;

    explicit Module1(const Module1Controls &controls) : controls_(controls) {}

    // Seeds the generator, draws the empty plot with its formula, zeroes the counters.
    void Initialize();
    // One batch of points, plotted over the earlier ones; writes the three results. It
    // runs whole inside one step of the event loop.
    void RunBatch();
    // Reset: the generator reseeded, the plot and the counters as after start-up.
    void clearResults();
    // The plot drawn again from the start, its texts in the language now in use.
    void redraw();
    common::CsvTable resultsCsv() const { return dartley::resultsCsv(Results.History); }

    common::RandomGenerator Random{common::RandomGenerator::Divisor::Modulus};
    Module1Results Results;

private:
    void drawFrame();
    void drawEmptyPlot();
    void drawBatch(common::RandomGenerator &random, std::int64_t *hits);
    Module1Controls controls_;
};

} // namespace dartley
