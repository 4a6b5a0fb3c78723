// SPDX-License-Identifier: MIT
#include "common/gui/pacer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

namespace {

using common::Pace;
using common::PaceAnchor;
using common::PaceSlot;

struct ScheduleCase {
    const char *name;
    Pace pace;
    int perBatch;
    PaceAnchor anchor;
    int done;
    qint64 now;
    PaceSlot expected;
    friend std::ostream &operator<<(std::ostream &os, const ScheduleCase &c)
    {
        return os << c.name;
    }
};

class Schedule : public ::testing::TestWithParam<ScheduleCase> {};

TEST_P(Schedule, NextPhotonSlot)
{
    const ScheduleCase &c = GetParam();
    const PaceSlot slot = common::nextPhotonSlot(c.pace, c.perBatch, c.anchor, c.done, c.now);
    EXPECT_EQ(slot.dueMs, c.expected.dueMs);
    EXPECT_EQ(slot.anchor, c.expected.anchor);
}

// A batch that starts at t = 1000 ms; Normal is 2 s a batch (5 ms a photon of 400,
// 4 ms of 500), Slow 10 s.
INSTANTIATE_TEST_SUITE_P(
    Cases, Schedule,
    ::testing::Values(
        ScheduleCase{"FirstPhotonAtOnce", Pace::Normal, 400, {1000, 0}, 0, 1000, {1000, {1000, 0}}},
        ScheduleCase{
            "SecondAfterOneInterval", Pace::Normal, 400, {1000, 0}, 1, 1001, {1005, {1000, 0}}},
        ScheduleCase{
            "AheadWaitsForItsTime", Pace::Normal, 400, {1000, 0}, 200, 1500, {2000, {1000, 0}}},
        ScheduleCase{"LastSlotEndsTheBatchAtTwoSeconds",
                     Pace::Normal,
                     400,
                     {1000, 0},
                     400,
                     2999,
                     {3000, {1000, 0}}},
        ScheduleCase{"FiveHundredTracksSpreadTheSame",
                     Pace::Normal,
                     500,
                     {1000, 0},
                     250,
                     1100,
                     {2000, {1000, 0}}},
        ScheduleCase{
            "SlowIsTenSecondsABatch", Pace::Slow, 400, {1000, 0}, 1, 1000, {1025, {1000, 0}}},
        ScheduleCase{"SlowLastSlot", Pace::Slow, 500, {1000, 0}, 500, 5000, {11000, {1000, 0}}},
        // A timer that fired a little late: run at once and keep the schedule.
        ScheduleCase{"LateByLessThanAnIntervalKeepsTheSchedule",
                     Pace::Normal,
                     400,
                     {1000, 0},
                     10,
                     1054,
                     {1050, {1000, 0}}},
        // Fallen behind: start again from now, no burst of catch-up photons.
        ScheduleCase{"FallenBehindStartsAgainFromNow",
                     Pace::Normal,
                     400,
                     {1000, 0},
                     10,
                     1100,
                     {1100, {1100, 10}}},
        ScheduleCase{"AfterStartingAgainOneIntervalApart",
                     Pace::Normal,
                     400,
                     {1100, 10},
                     11,
                     1100,
                     {1105, {1100, 10}}},
        // After a pause the anchor is where it resumed.
        ScheduleCase{"ResumedScheduleCountsFromResume",
                     Pace::Normal,
                     400,
                     {9000, 120},
                     130,
                     9010,
                     {9050, {9000, 120}}},
        ScheduleCase{"FastNeverWaits", Pace::Fast, 400, {1000, 0}, 399, 1001, {1001, {1001, 399}}},
        ScheduleCase{"NoPhotonsNoWait", Pace::Normal, 0, {1000, 0}, 0, 1200, {1200, {1200, 0}}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Schedule, DurationsOfThePaces)
{
    EXPECT_EQ(common::batchDurationMs(Pace::Slow), 10000);
    EXPECT_EQ(common::batchDurationMs(Pace::Normal), 2000);
    EXPECT_EQ(common::batchDurationMs(Pace::Fast), 0);
}

// Photons run at the schedule's times never run back to back, however late the
// machine is on some of them: a catch-up would.
TEST(Schedule, NoBurstsWhenTheMachineIsSlow)
{
    PaceAnchor anchor{0, 0};
    qint64 now = 0;
    qint64 previousRun = -1000;
    int closePairs = 0;
    for (int done = 0; done < 400; ++done) {
        // Every tenth photon takes 30 ms to draw (a slow repaint), the rest 1 ms.
        now += done % 10 == 9 ? 30 : 1;
        const PaceSlot slot = common::nextPhotonSlot(Pace::Normal, 400, anchor, done, now);
        anchor = slot.anchor;
        const qint64 runAt = std::max(now, slot.dueMs);
        // Back to back: nothing between two photons but the drawing of one.
        closePairs += runAt - previousRun <= 1;
        previousRun = runAt;
        now = runAt;
    }
    EXPECT_EQ(closePairs, 0);
}

} // namespace
