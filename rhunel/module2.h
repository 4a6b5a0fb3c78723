// SPDX-License-Identifier: MIT
#pragma once

#include "common/core/materialfile.h"
#include "common/core/randomgenerator.h"
#include "rhunel/physics.h"
#include "rhunel/statistics.h"

#include <QPointF>
#include <QString>

#include <cstdint>
#include <vector>

class QLineEdit;

namespace common {
class Pacer;
class PictureBox;
} // namespace common

namespace rhunel {

// The controls the module draws on and writes; it never looks windows up.
struct Module2Controls {
    common::PictureBox *Picture1 = nullptr; // tracks on the half-circle scale
    common::PictureBox *Picture2 = nullptr; // histogram against the reference curve
    QLineEdit *Text2 = nullptr;             // photons scattered so far
    common::Pacer *pacer = nullptr;         // lets the event loop run between photons
};

// The whole material file, from the working directory or the installed data folder.
inline common::MaterialLoader dataFileLoader()
{
    return common::materialFileLoader(common::MaterialBlocks::All);
}

// Coherent scattering of 500 photons a batch at one interaction point: samples the
// angles, animates the tracks, accumulates the histogram and compares it with the
// distribution the form factor predicts.
class Module2 {
public:
    explicit Module2(const Module2Controls &controls) : controls_(controls) {}

    // Pi, the generator, the form-factor table, the empty histogram.
    void Initialize(const common::MaterialTable &table);
    // Another material: its form-factor table and name; the results are cleared (the
    // reference curve too), the generator runs on where it was.
    void useMaterial(const common::Material &material, const common::MaterialTable &table);
    void DrawTrackFrame();
    void DrawTrack(double cosTheta, double sinTheta);
    void DrawAngularPlot();
    void ComputeReferenceCurve();
    // 500 photons. False when the program was asked to end during the batch: the
    // caller returns at once and nothing more is drawn.
    bool RunBatch();
    // Clear: no photons, an empty histogram, and the curve computed afresh at the next
    // energy; the generator and the table stay as they are.
    void clearResults();
    common::CsvTable results() const
    {
        return resultsCsv({common::materialName(*Material), PhotonEnergy, PhotonCount,
                           &AngleHistogram, &ReferenceCurve, &MomentumTransfer, &FormFactor,
                           AngleSum, AngleSquareSum});
    }

    double Pi = 0;
    double PhotonEnergy = 0; // keV
    // 64-bit: a whole lesson of clicks must not wrap the counts.
    std::int64_t PhotonCount = 0;
    int CurveReady = 0;
    double CumulativeTotal = 0;
    Column MomentumTransfer{}; // 1/angstrom
    Column CumulativeWeight{};
    Column FormFactor{};
    const common::Material *Material = &common::defaultMaterial();
    Histogram AngleHistogram{};
    // The photons' angles summed, and their squares, in degrees: the mean and its error.
    double AngleSum = 0;
    double AngleSquareSum = 0;
    // The ±2σ band of the expected histogram in the angular plot; off as described.
    bool ShowBands = false;
    // (photons, mean angle) after each batch since Clear: the convergence plot.
    std::vector<QPointF> MeanHistory;
    Curve ReferenceCurve{};
    common::RandomGenerator Random{common::RandomGenerator::Divisor::Tenth};

private:
    // The form-factor blocks of a material file: at start-up and for another material.
    void takeTable(const common::MaterialTable &table);
    Module2Controls controls_;
};

} // namespace rhunel
