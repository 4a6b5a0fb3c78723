// SPDX-License-Identifier: MIT
#pragma once

#include "common/core/materialfile.h"
#include "common/core/materials.h"
#include "common/core/randomgenerator.h"
#include "stelmo/physics.h"

#include <array>
#include <cstdint>
#include <vector>

#include <QPointF>

class QLineEdit;

namespace common {
class Pacer;
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
    common::Pacer *pacer = nullptr;         // lets the event loop run between photons
};

// Follows photons into a slab of soft tissue: each free path is sampled from the
// exponential law, drawn as a track and counted into depth bins, which are then
// compared with exp(-μx) on a logarithmic scale.
class Module1 {
public:
    explicit Module1(const Module1Controls &controls) : controls_(controls) {}

    // Seeds the generator, takes the attenuation rows and empties counts and bins.
    void Initialize(const common::MaterialTable &table);
    // Another material: its attenuation rows and name; the results are cleared, the
    // generator runs on where it was.
    void useMaterial(const common::Material &material, const common::MaterialTable &table);
    // One batch at PhotonEnergy with μ already checked finite and positive, at the
    // pacer's pace. False when the program was asked to end during the batch: nothing
    // more was drawn or counted after that.
    bool RunBatch();
    void DrawTrackFrame();
    void DrawTransmittancePlot(double mu);
    // Reset: counts and bins to 0; the generator and the table stay as they are.
    void clearResults();
    // The attenuation rows as the shared table type, for the energy checks.
    common::MaterialTable table() const;
    common::CsvTable results() const;

    common::RandomGenerator Random{common::RandomGenerator::Divisor::Tenth};
    double PhotonEnergy = 0.0; // keV
    // 64-bit: a lesson of clicking must not wrap the counts.
    std::int64_t PhotonCount = 0;
    double PathSum = 0.0;       // cm
    double PathSquareSum = 0.0; // cm², for the mean's standard error
    int RowCount = 0;
    common::AttenuationRows AttenuationTable{}; // [1..37][1..3 1/cm, 4 keV]
    const common::Material *Material = &common::defaultMaterial();
    DepthBins TransmittedCount{}; // [1..400]
    // The ±2σ band about the law in the transmittance plot; off as described.
    bool ShowBands = false;
    // (photons, mean path) after each batch since Reset: the convergence plot.
    std::vector<QPointF> MeanHistory;

private:
    // The attenuation rows of a material file: at start-up and for another material.
    void takeTable(const common::MaterialTable &table);
    Module1Controls controls_;
};

} // namespace stelmo
