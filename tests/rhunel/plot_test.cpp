// SPDX-License-Identifier: MIT
#include "rhunel/plot.h"

#include <gtest/gtest.h>

namespace {

TEST(TrackPlot, TracksEndTwoHundredUnitsFromTheInteractionPoint)
{
    EXPECT_EQ(rhunel::plot::trackEnd(1, 0), QPointF(100, 300));  // forward: left
    EXPECT_EQ(rhunel::plot::trackEnd(0, 1), QPointF(300, 100));  // 90 degrees: up
    EXPECT_EQ(rhunel::plot::trackEnd(-1, 0), QPointF(500, 300)); // back: right
}

} // namespace
