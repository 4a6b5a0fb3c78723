// SPDX-License-Identifier: MIT
#include "stelmo/plot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

using namespace stelmo::plot;

TEST(TransmittanceScale, DecadesAndBottomLine)
{
    EXPECT_NEAR(transmittanceY(1.0), 35.53, 0.01);
    EXPECT_NEAR(transmittanceY(0.1), 173.69, 0.01);
    EXPECT_NEAR(transmittanceY(0.01), 311.84, 0.01);
    EXPECT_DOUBLE_EQ(transmittanceY(1.0 / 1000.0), 450.0);
    EXPECT_DOUBLE_EQ(transmittanceY(1.0 / 4000.0), 450.0);
    EXPECT_DOUBLE_EQ(lawLineEndX(0.2), 891.0);
    EXPECT_GT(lawLineEndX(0.17), 1000.0); // cut off at the box's right edge
}

// Bin k is drawn at x = 200 + 2k from bin 2 on; bins with nothing in them are left out.
TEST(TransmittancePoints, FromTheSecondBinSkippingEmptyOnes)
{
    stelmo::DepthTransmittance t{};
    t[1] = 1.0;
    t[2] = 0.5;
    t[3] = 0.0;
    t[4] = 0.1;
    t[stelmo::BinCount] = 0.001;
    const std::vector<QPointF> points = transmittancePoints(t);
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[0], QPointF(204, transmittanceY(0.5)));
    EXPECT_EQ(points[1], QPointF(208, transmittanceY(0.1)));
    EXPECT_EQ(points[2], QPointF(1000, BottomY));
}

TEST(TransmittancePoints, NoneBeforeAnyPhoton)
{
    stelmo::DepthTransmittance t;
    t.fill(std::numeric_limits<double>::quiet_NaN());
    EXPECT_TRUE(transmittancePoints(t).empty());
}

// Edges at 20 units per cm; below the floor (or below nothing at all) on the bottom
// line, above T = 1 on T = 1.
TEST(BandEdges, MappedAndKeptOnTheScale)
{
    const std::vector<stelmo::BandPoint> band = {
        {0.0, 0.9, 1.1}, {10.0, 0.1, 0.2}, {20.0, -0.01, 0.0005}};
    const BandEdges edges = bandEdges(band);
    ASSERT_EQ(edges.lower.size(), 3u);
    ASSERT_EQ(edges.upper.size(), 3u);
    EXPECT_EQ(edges.lower[0], QPointF(200, transmittanceY(0.9)));
    EXPECT_EQ(edges.upper[0], QPointF(200, transmittanceY(1.0)));
    EXPECT_EQ(edges.lower[1], QPointF(400, transmittanceY(0.1)));
    EXPECT_EQ(edges.upper[1], QPointF(400, transmittanceY(0.2)));
    EXPECT_EQ(edges.lower[2], QPointF(600, BottomY));
    EXPECT_EQ(edges.upper[2], QPointF(600, BottomY));
}

TEST(BandEdges, NoneWithoutABand) { EXPECT_TRUE(bandEdges({}).lower.empty()); }

} // namespace
