// SPDX-License-Identifier: MIT
#pragma once

#include "common/core/materialfile.h"
#include "common/core/materials.h"
#include "common/core/randomgenerator.h"
#include "common/gui/photonmodule.h"
#include "stelmo/physics.h"

#include <array>
#include <cstdint>
#include <vector>

#include <QPointF>

class QLineEdit;

namespace common {
class PictureBox;
} // namespace common

namespace stelmo {

// The header and attenuation rows of the material file, from the working directory or
// the installed data folder.
inline common::MaterialLoader dataFileLoader()
{
    return common::materialFileLoader(common::MaterialBlocks::Attenuation);
}

// The controls the module draws on and writes; it never looks windows up.
struct Module1Controls {
    common::PictureBox *Picture1 = nullptr; // tracks in the slab
    common::PictureBox *Picture2 = nullptr; // transmittance against depth
    QLineEdit *Text2 = nullptr;             // photons so far
    QLineEdit *Text3 = nullptr;             // μ
    QLineEdit *Text4 = nullptr;             // mean sampled path
    QLineEdit *Text5 = nullptr;             // 1/μ
};

// What the batches since start-up or Reset add up to. A running batch counts into a
// tally of its own and commits it here at its end, so that whatever reads the results
// while a batch runs (the statistics window, the CSV, the descriptions, a language
// switch) finds whole batches only.
struct Module1Results {
    // 64-bit: a lesson of clicking must not wrap the counts.
    std::int64_t PhotonCount = 0;
    double PathSum = 0.0;         // cm
    double PathSquareSum = 0.0;   // cm², for the mean's standard error
    DepthBins TransmittedCount{}; // [1..400]
    // (photons, mean path) after each batch since Reset: the convergence plot.
    std::vector<QPointF> MeanHistory;
};

// Follows photons into a slab of soft tissue: each free path is sampled from the
// exponential law, drawn as a track and counted into depth bins, which are then
// compared with exp(-μx) on a logarithmic scale.
class Module1 : public common::PhotonModule {
public:
    explicit Module1(const Module1Controls &controls) : controls_(controls) {}

    // Seeds the generator, takes the attenuation rows and empties counts and bins.
    void Initialize(const common::MaterialTable &table) override;
    // One batch at PhotonEnergy with μ already checked finite and positive, for the
    // pacer to run: its tracks drawn one by one, its counts added to Results at its end.
    // Cancelled on the way, it adds nothing.
    common::Batch RunBatch() override;
    void DrawTrackFrame() override;
    void DrawTransmittancePlot(double mu);
    // Reset: counts, sums and bins to 0 and the plots drawn empty; the generator and the
    // table stay as they are.
    void clearResults() override;
    // The transmittance plot drawn again from the results (the band switched).
    void redrawResults() override;
    // The attenuation rows as the shared table type, for the energy checks.
    common::MaterialTable table() const;
    common::CsvTable resultsCsv() const override;
    std::int64_t photonCount() const override { return Results.PhotonCount; }

    common::RandomGenerator Random{common::RandomGenerator::Divisor::Tenth};
    double PhotonEnergy = 0.0; // keV
    Module1Results Results;
    int RowCount = 0;
    common::AttenuationRows AttenuationTable{}; // [1..37][1..3 1/cm, 4 keV]

private:
    void takeTable(const common::MaterialTable &table) override;
    Module1Controls controls_;
    // The running batch's μ and its own copy of the sums and bins, counted on from the
    // results and handed back to them at the batch's end.
    struct Tally {
        double mu = 0.0;
        double PathSum = 0.0;
        double PathSquareSum = 0.0;
        DepthBins TransmittedCount{};
    } batch_;
};

} // namespace stelmo
