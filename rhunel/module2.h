// SPDX-License-Identifier: MIT
#pragma once

#include "common/core/materialfile.h"
#include "common/core/randomgenerator.h"
#include "common/gui/photonmodule.h"
#include "rhunel/physics.h"
#include "rhunel/statistics.h"

#include <QPointF>
#include <QString>

#include <cstdint>
#include <vector>

class QLineEdit;

namespace common {
class PictureBox;
} // namespace common

namespace rhunel {

// The controls the module draws on and writes; it never looks windows up.
struct Module2Controls {
    common::PictureBox *Picture1 = nullptr; // tracks on the half-circle scale
    common::PictureBox *Picture2 = nullptr; // histogram against the reference curve
    QLineEdit *Text2 = nullptr;             // photons scattered so far
};

// The whole material file, from the working directory or the installed data folder.
inline common::MaterialLoader dataFileLoader()
{
    return common::materialFileLoader(common::MaterialBlocks::All);
}

// What the batches since start-up or Clear add up to. A running batch counts into a
// tally of its own and commits it here at its end, so that whatever reads the results
// while a batch runs (the statistics window, the CSV, the descriptions, a language
// switch) finds whole batches only.
struct Module2Results {
    // 64-bit: a whole lesson of clicks must not wrap the counts.
    std::int64_t PhotonCount = 0;
    Histogram AngleHistogram{};
    // The photons' angles summed, and their squares, in degrees: the mean and its error.
    double AngleSum = 0;
    double AngleSquareSum = 0;
    // (photons, mean angle) after each batch since Clear: the convergence plot.
    std::vector<QPointF> MeanHistory;
};

// Coherent scattering of 500 photons a batch at one interaction point: samples the
// angles, animates the tracks, accumulates the histogram and compares it with the
// distribution the form factor predicts.
class Module2 : public common::PhotonModule {
public:
    explicit Module2(const Module2Controls &controls) : controls_(controls) {}

    // Pi, the generator, the form-factor table, the empty histogram.
    void Initialize(const common::MaterialTable &table) override;
    void DrawTrackFrame() override;
    void DrawTrack(double cosTheta, double sinTheta);
    void DrawAngularPlot();
    void ComputeReferenceCurve();
    // 500 photons for the pacer to run: each track drawn as it is sampled, the counts
    // added to Results at the batch's end. Cancelled on the way, it adds nothing.
    common::Batch RunBatch() override;
    // Clear: no photons, an empty histogram and both plots drawn empty, and the curve
    // computed afresh at the next energy; the generator and the table stay as they are.
    void clearResults() override;
    // The angular plot drawn again from the results (the band switched).
    void redrawResults() override { DrawAngularPlot(); }
    common::CsvTable resultsCsv() const override
    {
        return rhunel::resultsCsv({common::materialName(*Material), PhotonEnergy,
                                   Results.PhotonCount, &Results.AngleHistogram, &ReferenceCurve,
                                   &MomentumTransfer, &FormFactor, Results.AngleSum,
                                   Results.AngleSquareSum});
    }
    std::int64_t photonCount() const override { return Results.PhotonCount; }

    double Pi = 0;
    double PhotonEnergy = 0; // keV
    Module2Results Results;
    int CurveReady = 0;
    double CumulativeTotal = 0;
    Column MomentumTransfer{}; // 1/angstrom
    Column CumulativeWeight{};
    Column FormFactor{};
    Curve ReferenceCurve{};
    common::RandomGenerator Random{common::RandomGenerator::Divisor::Tenth};

private:
    void takeTable(const common::MaterialTable &table) override;
    Module2Controls controls_;
    // The running batch's own copy of the histogram and sums, counted on from the
    // results and handed back to them at the batch's end.
    struct Tally {
        Histogram AngleHistogram{};
        double AngleSum = 0;
        double AngleSquareSum = 0;
    } batch_;
};

} // namespace rhunel
