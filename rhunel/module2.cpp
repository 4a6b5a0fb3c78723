// SPDX-License-Identifier: MIT
#include "rhunel/module2.h"

#include "common/gui/palette.h"
#include "common/gui/picturebox.h"
#include "rhunel/plot.h"

#include <QLineEdit>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

namespace rhunel {

using namespace plot;
using namespace common::palette;

namespace {
// Angular plot frame in Picture2 units: 0..180 degrees over x 200..920, zero at y 650.
constexpr double FrameLeft = 200, FrameRight = 920, FrameTop = 50, FrameBottom = 650;
constexpr double FrameHeight = FrameBottom - FrameTop;
constexpr double ReferenceTop = 0.9; // the curve's maximum sits on the top grid line

struct PlacedText {
    const char *text;
    QPointF at;
};
} // namespace

void Module2::Initialize(const common::MaterialTable &table)
{
    Pi = ModulePi;
    Random.RandomInit();
    takeTable(table);
    Results = {};
    CurveReady = 0;
}

void Module2::takeTable(const common::MaterialTable &table)
{
    MomentumTransfer = table.MomentumTransfer;
    CumulativeWeight = table.CumulativeWeight;
    FormFactor = table.FormFactor;
    CumulativeTotal = CumulativeWeight[GridRows];
}

void Module2::clearResults()
{
    Results = {};
    CurveReady = 0;
    controls_.Picture2->clear();
    DrawTrackFrame();
}

void Module2::DrawTrackFrame()
{
    common::PictureBox &p = *controls_.Picture1;
    p.clear();
    p.fillBox({0, 0}, {605, 341}, LightCyan);
    p.line(InteractionPoint, {10, 300}, Blue);
    for (int a = 30; a <= 150; a += 30) {
        const double b = (a / 180.0) * Pi;
        p.line(InteractionPoint, {std::cos(b) * 250 + 300, 300 - std::sin(b) * 250}, Blue);
    }
    p.arc(InteractionPoint, 250, Blue, 0, Pi);
    // The primary beam comes in from the right, its arrowhead pointing left.
    p.fillBox({600, 300}, {300, 301}, LightRed);
    p.line({500, 290}, {480, 300}, LightRed);
    p.line({480, 301}, {500, 311}, LightRed);
    p.line({500, 290}, {483, 300}, LightRed);
    p.line({483, 301}, {500, 311}, LightRed);
    static constexpr PlacedText labels[] = {
        {"180", {555, 280}},
        {"150", {520, 160}},
        {"120", {425, 65}},
        {"90", {290, 30}},
        {"60", {150, 65}},
        {"30", {55, 160}},
        {"0", {30, 280}},
        {"Primary Photon", {450, 310}},
        {"Interaction point", {250, 310}},
    };
    for (const PlacedText &t : labels) {
        p.setCurrentPosition(t.at);
        p.print(QString::fromLatin1(t.text));
    }
    p.setCurrentPosition({50, 25});
    p.print(QStringLiteral("in ") + QString::fromLatin1(Material->plotLabel));
    for (int r = 1; r <= 3; ++r)
        p.circle(InteractionPoint, r, LightRed);
}

void Module2::DrawTrack(double cosTheta, double sinTheta)
{
    controls_.Picture1->line(InteractionPoint, trackEnd(cosTheta, sinTheta), LightRed);
}

void Module2::DrawAngularPlot()
{
    common::PictureBox &p1 = *controls_.Picture1;
    // The interaction point turns blue in the middle: the batch is done.
    p1.circle(InteractionPoint, 1, Blue);
    p1.circle(InteractionPoint, 2, Blue);

    common::PictureBox &p = *controls_.Picture2;
    p.clear();
    p.setDrawWidth(2);
    p.box({FrameLeft, FrameTop}, {FrameRight, FrameBottom}, Black);
    p.setDrawWidth(1);
    for (int x = 240; x <= 880; x += 40)
        p.line({double(x), FrameBottom}, {double(x), FrameTop}, Black);
    for (int y = 110; y <= 590; y += 60)
        p.line({FrameLeft, double(y)}, {FrameRight, double(y)}, Black);
    static constexpr PlacedText labels[] = {
        {"0", {195, 655}},       {"90", {550, 655}},
        {"180", {900, 655}},     {"Scattering angle", {625, 650}},
        {"Relative", {30, 200}}, {"Probability", {30, 240}},
    };
    for (const PlacedText &t : labels) {
        p.setCurrentPosition(t.at);
        p.print(QString::fromLatin1(t.text));
    }

    std::int64_t M = 0;
    for (int i = 1; i <= AngleBins; ++i)
        if (Results.AngleHistogram[i] > M)
            M = Results.AngleHistogram[i];

    if (ShowBands && M > 0) {
        // Poisson ±2σ about each bin's expected count, on the histogram's own scale.
        const std::int64_t n = std::accumulate(Results.AngleHistogram.begin() + 1,
                                               Results.AngleHistogram.end(), std::int64_t{0});
        const Expected e = expectedCounts(MomentumTransfer, FormFactor, PhotonEnergy, n);
        for (int side : {-1, 1}) {
            for (int i = 1; i <= AngleBins; ++i) {
                const double count = std::max(0.0, e[i] + side * 2 * std::sqrt(e[i]));
                const QPointF at{4.0 * i + 198,
                                 std::max(FrameTop, FrameBottom - count * FrameHeight / double(M))};
                if (i == 1)
                    p.setCurrentPosition(at);
                else
                    p.lineTo(at, Blue);
            }
        }
    }
    p.setDrawWidth(2);
    p.point({FrameLeft, FrameBottom}, LightBlue);
    for (int i = 1; i <= AngleBins; ++i)
        p.lineTo({4.0 * i + 198, FrameBottom - ReferenceTop * (ReferenceCurve[i] * FrameHeight)},
                 LightBlue);
    p.point({FrameLeft, FrameBottom}, LightRed);
    for (int i = 1; i <= AngleBins; ++i) {
        // An empty histogram (Clear between the last photon and the plot) lies flat.
        const double height =
            M > 0 ? (double(Results.AngleHistogram[i]) * FrameHeight) / double(M) : 0.0;
        p.lineTo({4.0 * i + 198, FrameBottom - height}, LightRed);
    }
    p.setDrawWidth(1);
}

void Module2::ComputeReferenceCurve()
{
    ReferenceCurve = referenceCurve(MomentumTransfer, FormFactor, PhotonEnergy, Pi);
}

common::Batch Module2::RunBatch()
{
    common::Batch batch;
    batch.begin = [this] {
        // Counted on from the results, in the same order as one running total.
        batch_ = {Results.AngleHistogram, Results.AngleSum, Results.AngleSquareSum};
    };
    batch.photon = [this](int) {
        const ScatteredPhoton photon = sampleScattering(Random, MomentumTransfer, CumulativeWeight,
                                                        CumulativeTotal, PhotonEnergy, Pi);
        ++batch_.AngleHistogram[photon.bin];
        const double degrees =
            std::atan2(photon.sinTheta, photon.cosTheta) * 180 / std::numbers::pi;
        batch_.AngleSum += degrees;
        batch_.AngleSquareSum += degrees * degrees;
        DrawTrack(photon.cosTheta, photon.sinTheta);
    };
    batch.end = [this] {
        Results.AngleHistogram = batch_.AngleHistogram;
        Results.AngleSum = batch_.AngleSum;
        Results.AngleSquareSum = batch_.AngleSquareSum;
        Results.PhotonCount += PhotonsPerBatch;
        Results.MeanHistory.emplace_back(double(Results.PhotonCount),
                                         Results.AngleSum / double(Results.PhotonCount));
        DrawAngularPlot();
        controls_.Text2->setText(QString::number(Results.PhotonCount));
    };
    return batch;
}

} // namespace rhunel
