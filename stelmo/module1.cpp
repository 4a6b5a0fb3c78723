// SPDX-License-Identifier: MIT
#include "stelmo/module1.h"

#include "common/core/numbertext.h"
#include "common/gui/palette.h"
#include "common/gui/picturebox.h"
#include "stelmo/plot.h"

#include <QLineEdit>

#include <cmath>

namespace stelmo {

using namespace plot;
using namespace common::palette;

namespace {
void printAt(common::PictureBox &p, QPointF at, const QString &text)
{
    p.setCurrentPosition(at);
    p.print(text);
}

void printDepthLabels(common::PictureBox &p, double y)
{
    printAt(p, {195, y}, QStringLiteral("0"));
    printAt(p, {385, y}, QStringLiteral("10"));
    printAt(p, {585, y}, QStringLiteral("20"));
    printAt(p, {785, y}, QStringLiteral("30 cm"));
    printAt(p, {900, y}, QStringLiteral("depth"));
}
} // namespace

void Module1::Initialize(const common::MaterialTable &table)
{
    Random.RandomInit();
    takeTable(table);
    Results = {};
}

void Module1::takeTable(const common::MaterialTable &table)
{
    RowCount = table.RowCount;
    AttenuationTable = table.AttenuationTable;
}

common::MaterialTable Module1::table() const
{
    common::MaterialTable t;
    t.RowCount = RowCount;
    t.AttenuationTable = AttenuationTable;
    return t;
}

common::CsvTable Module1::resultsCsv() const
{
    return stelmo::resultsCsv(common::materialName(*Material), PhotonEnergy,
                              attenuationCoefficient(table(), PhotonEnergy), Results.PhotonCount,
                              Results.PathSum, Results.PathSquareSum, Results.TransmittedCount);
}

void Module1::clearResults()
{
    Results = {};
    DrawTrackFrame();
}

void Module1::redrawResults()
{
    DrawTransmittancePlot(attenuationCoefficient(table(), PhotonEnergy));
}

common::Batch Module1::RunBatch()
{
    common::Batch batch;
    batch.begin = [this] {
        // The batch counts on from the results (the same sums, in the same order, as
        // one running total) and hands them back at its end.
        batch_ = {attenuationCoefficient(table(), PhotonEnergy), Results.PathSum,
                  Results.PathSquareSum, Results.TransmittedCount};
        // μ first, painted at once: the user reads it while the photons run.
        controls_.Text3->setText(common::formatScientific2(batch_.mu));
        controls_.Text3->repaint();
        controls_.Text5->setText(common::formatFixed3(1.0 / batch_.mu));
    };
    batch.photon = [this](int n) {
        const double x = freePath(nonZeroDraw(Random), batch_.mu);
        batch_.PathSum += x;
        batch_.PathSquareSum += x * x;
        const double row = n - 1;
        controls_.Picture1->line({SlabLeft, row}, {SlabLeft + UnitsPerCm * x, row}, LightRed);
        const int b = binsReached(x);
        for (int k = 1; k <= b; ++k)
            ++batch_.TransmittedCount[static_cast<size_t>(k)];
    };
    batch.end = [this] {
        Results.PhotonCount += PhotonsPerBatch;
        Results.PathSum = batch_.PathSum;
        Results.PathSquareSum = batch_.PathSquareSum;
        Results.TransmittedCount = batch_.TransmittedCount;
        const double mean = Results.PathSum / static_cast<double>(Results.PhotonCount);
        Results.MeanHistory.emplace_back(double(Results.PhotonCount), mean);
        DrawTransmittancePlot(batch_.mu);
        controls_.Text2->setText(QString::number(Results.PhotonCount));
        controls_.Text4->setText(common::formatFixed3(mean));
    };
    return batch;
}

void Module1::DrawTrackFrame()
{
    common::PictureBox &p = *controls_.Picture1;
    p.clear();
    p.fillBox({200, 0}, {1000, 400}, LightCyan); // 40 cm of tissue, 400 photon rows
    p.line({200, 400}, {1000, 400}, Black);
    for (int x = 200; x <= 1000; x += 100)
        p.line({double(x), 400}, {double(x), 390}, Black);
    printDepthLabels(p, 412);
    printAt(p, {800, 20}, QString::fromLatin1(Material->plotLabel));
    p.setDrawWidth(2);
    for (int y = 50; y <= 350; y += 50) {
        const double yy = y;
        p.line({50, yy}, {190, yy}, LightRed);
        p.line({150, yy - 10}, {190, yy}, LightRed);
        p.lineTo({150, yy + 10}, LightRed);
        printAt(p, {30, yy - 35}, QStringLiteral("Photons"));
    }
    p.setDrawWidth(1);
    printAt(p, {30, 365}, QStringLiteral("Photons"));

    controls_.Picture2->clear();
}

void Module1::DrawTransmittancePlot(double mu)
{
    common::PictureBox &p = *controls_.Picture2;
    p.clear();
    // The right side at 1010 lies outside the box: only three sides show.
    p.setDrawWidth(2);
    p.box({200, 35}, {1010, 450}, Black);
    p.setDrawWidth(1);
    for (int x = 200; x <= 1000; x += 100)
        p.line({double(x), 450}, {double(x), 35}, Black);
    printDepthLabels(p, 455);
    for (int i = 0; i <= 2; ++i) {
        for (int j = 1; j <= 10; ++j) {
            const double y = BottomY - UnitsPerNeper * std::log(j * std::pow(10.0, i));
            if (j == 10)
                p.line({200, y}, {1000, y}, Black); // T = 0.01, 0.1, 1
            else
                p.line({200, y}, {220, y}, Black);
        }
    }
    printAt(p, {90, 15}, QStringLiteral("1.0E+00"));
    printAt(p, {95, 160}, QStringLiteral("1.0E-01"));
    printAt(p, {95, 300}, QStringLiteral("1.0E-02"));
    printAt(p, {95, 425}, QStringLiteral("1.0E-03"));
    printAt(p, {15, 100}, QStringLiteral("Transmittance"));

    if (ShowBands) {
        auto drawEdge = [&p](const std::vector<QPointF> &edge) {
            for (std::size_t i = 1; i < edge.size(); ++i)
                p.line(edge[i - 1], edge[i], LightBlue);
        };
        const BandEdges band = bandEdges(lawBand(mu, Results.TransmittedCount[1]));
        drawEdge(band.lower);
        drawEdge(band.upper);
    }
    p.setDrawWidth(2);
    // exp(-μd) is straight on this scale: from T = 1 (drawn at y = 36) to T = 0.001.
    p.line({SlabLeft, TopY}, {lawLineEndX(mu), BottomY}, Blue);
    p.point({SlabLeft, TopY}, LightRed);
    for (const QPointF &at : transmittancePoints(sampledTransmittance(Results.TransmittedCount)))
        p.lineTo(at, LightRed);
    p.setDrawWidth(1);
}

} // namespace stelmo
