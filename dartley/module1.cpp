// SPDX-License-Identifier: MIT
#include "dartley/module1.h"

#include "common/core/numbertext.h"
#include "common/gui/palette.h"
#include "common/gui/picturebox.h"

#include <QCoreApplication>
#include <QLineEdit>

namespace dartley {

using common::palette::Black;

void Module1::drawFrame()
{
    common::PictureBox &p = *controls_.Picture1;
    p.setDrawWidth(2);
    p.line({-550, 0}, {550, 0}, Black);
    p.line({0, -550}, {0, 550}, Black);
    p.box({-HalfSide, -HalfSide}, {HalfSide, HalfSide}, Black);
    p.circle({0, 0}, HalfSide, Black);
}

void Module1::drawEmptyPlot()
{
    common::PictureBox &p = *controls_.Picture1;
    p.clear();
    drawFrame();
    // pi = 4 x (area of the circle) / (area of the square), under the square.
    p.line({-20, 610}, {400, 610}, Black);
    p.setDrawWidth(1);
    p.setCurrentPosition({-220, 580});
    p.print(QStringLiteral("π= 4×"));
    p.setCurrentPosition({70, 540});
    p.print(QCoreApplication::translate("dartley::Module1", "円の面積"));
    p.setCurrentPosition({10, 620});
    p.print(QCoreApplication::translate("dartley::Module1", "正方形の面積"));
}

void Module1::drawBatch(common::RandomGenerator &random, std::int64_t *hits)
{
    common::PictureBox &p = *controls_.Picture1;
    for (int n = 0; n < PointsPerBatch; ++n) {
        const DartPoint point = nextPoint(random);
        if (point.hit && hits)
            ++*hits;
        // The drawing operation takes the coordinates as 32-bit reals.
        p.circle({static_cast<float>(point.x), static_cast<float>(point.y)}, 1,
                 point.hit ? HitColour : MissColour);
    }
}

void Module1::redraw()
{
    // The points come again from the seed, exactly as they were drawn.
    common::RandomGenerator replay{Random};
    replay.RandomInit();
    drawEmptyPlot();
    for (std::int64_t b = 1; b < Results.BatchNumber; ++b) {
        drawBatch(replay, nullptr);
        drawFrame();
        controls_.Picture1->setDrawWidth(1);
    }
}

void Module1::Initialize()
{
    Random.RandomInit();
    drawEmptyPlot();
    Results = {};
}

void Module1::RunBatch()
{
    common::PictureBox &p = *controls_.Picture1;
    Module1Results &r = Results;
    drawBatch(Random, &r.HitCount);
    r.PiEstimate = piEstimate(r.HitCount, r.BatchNumber);
    const std::int64_t points = PointsPerBatch * r.BatchNumber;
    r.History.push_back(
        {r.BatchNumber, points, r.HitCount, r.PiEstimate, piStatistics(r.HitCount, points).sigma});
    controls_.Text1->setText(common::formatFixed5(r.PiEstimate));
    controls_.Text2->setText(QString::number(points));
    controls_.Text3->setText(QString::number(r.HitCount));
    // The points would hide the frame: draw it again on top (not the formula).
    drawFrame();
    p.setDrawWidth(1);
    ++r.BatchNumber;
}

void Module1::clearResults()
{
    // Dartley's Reset starts over: the same points come again.
    Initialize();
}

} // namespace dartley
