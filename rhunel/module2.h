// SPDX-License-Identifier: MIT
#pragma once

#include "materialfile.h"
#include "physics.h"
#include "randomgenerator.h"

#include <QPointF>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>

class QLineEdit;

namespace common {
class PictureBox;
}

namespace rhunel {

// The controls the module draws on and writes; it never looks windows up.
struct Module2Controls {
    common::PictureBox *Picture1 = nullptr; // tracks on the half-circle scale
    common::PictureBox *Picture2 = nullptr; // histogram against the reference curve
    QLineEdit *Text2 = nullptr;             // photons scattered so far
};

// Where Initialize gets the material table: the shared reader by default; tests
// hand in a table of their own. Returns "" or the reader's report.

// Coherent scattering of 500 photons a batch at one interaction point: samples the
// angles, animates the tracks, accumulates the histogram and compares it with the
// distribution the form factor predicts.
class Module2 {
public:
    static constexpr int PhotonsPerBatch = 500;
    static constexpr QPointF InteractionPoint{300, 300}; // Picture1 units
    static constexpr double TrackLength = 200;           // Picture1 units

    explicit Module2(const Module2Controls &controls, common::MaterialLoader source = {});

    // Pi, the generator, the table, the empty histogram. "" or the reader's report.
    QString Initialize();
    void DrawTrackFrame();
    void DrawTrack(double cosTheta, double sinTheta);
    void DrawAngularPlot();
    void ComputeReferenceCurve();
    // 500 photons. False when the program was asked to end during the batch: the
    // caller returns at once and nothing more is drawn.
    bool RunBatch();

    // Where a track ends: forward (cos 1) to the left, straight back to the right.
    static QPointF trackEnd(double cosTheta, double sinTheta);

    double Pi = 0;
    double PhotonEnergy = 0; // keV
    // 64-bit: a whole lesson of clicks must not wrap the counts.
    std::int64_t PhotonCount = 0;
    int CurveReady = 0;
    double CumulativeTotal = 0;
    std::array<std::array<double, 5>, 38> AttenuationTable{};
    Column MomentumTransfer{}; // 1/angstrom
    Column CumulativeWeight{};
    Column FormFactor{};
    Histogram AngleHistogram{};
    Curve ReferenceCurve{};
    common::RandomGenerator Random{common::RandomGenerator::Divisor::Tenth};

private:
    Module2Controls controls_;
    common::MaterialLoader source_;
};

} // namespace rhunel
