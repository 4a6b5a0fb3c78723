// SPDX-License-Identifier: MIT
#include "common/gui/pacer.h"

#include <QEventLoop>
#include <QStringList>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
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

// A run recorded part by part: "b" begin, photon numbers, "e" end, "done" at the end
// of the run, with the loop turns counted between the parts.
struct Recorder {
    QStringList parts;
    int turns = 0;
    common::Batch batch()
    {
        return {[this] { parts << QStringLiteral("b"); },
                [this](int n) { parts << QString::number(n); },
                [this] { parts << QStringLiteral("e"); }};
    }
    std::function<void()> done()
    {
        return [this] { parts << QStringLiteral("done"); };
    }
};

// Runs the event loop until the pacer stops or the turn hook says stop.
void runLoop(common::Pacer &pacer, Recorder &r, const std::function<bool(int)> &turn = {})
{
    QTimer ticker;
    ticker.setInterval(0);
    QEventLoop loop;
    QObject::connect(&ticker, &QTimer::timeout, &loop, [&] {
        ++r.turns;
        if (!pacer.running() || (turn && !turn(r.turns)))
            loop.quit();
    });
    ticker.start();
    loop.exec();
}

TEST(Stepping, ARunIsEachBatchsBeginPhotonsAndEndInOrderThenDone)
{
    common::Pacer pacer(3);
    pacer.setPace(Pace::Fast);
    Recorder r;
    pacer.start(2, r.batch(), r.done());
    // The first photon runs before start() returns; the rest from the loop.
    EXPECT_EQ(r.parts, QStringList({"b", "1"}));
    EXPECT_TRUE(pacer.running());
    EXPECT_TRUE(pacer.unpaced()) << "the batch before the last runs unpaced";
    runLoop(pacer, r);
    EXPECT_EQ(r.parts, QStringList({"b", "1", "2", "3", "e", "b", "1", "2", "3", "e", "done"}));
    EXPECT_FALSE(pacer.running());
    EXPECT_EQ(pacer.photonsDone(), 3);
}

TEST(Stepping, PausedNothingRunsAndEachStepRunsOnePhoton)
{
    common::Pacer pacer(4);
    pacer.setPace(Pace::Fast);
    Recorder r;
    pacer.start(1, r.batch(), r.done());
    pacer.togglePause();
    runLoop(pacer, r, [](int turn) { return turn < 50; });
    EXPECT_EQ(r.parts, QStringList({"b", "1"})) << "a photon ran while paused";
    pacer.step();
    EXPECT_EQ(r.parts, QStringList({"b", "1", "2"})) << "the step runs its photon at once";
    runLoop(pacer, r, [](int turn) { return turn < 100; });
    EXPECT_EQ(r.parts.size(), 3);
    pacer.step();
    pacer.step();
    EXPECT_EQ(r.parts, QStringList({"b", "1", "2", "3", "4"}));
    pacer.step(); // past the last photon: the batch's end
    EXPECT_EQ(r.parts.back(), QStringLiteral("done"));
    EXPECT_FALSE(pacer.running());
}

TEST(Stepping, CancelStopsWhereItIsWithoutTheEnd)
{
    common::Pacer pacer(400);
    pacer.setPace(Pace::Normal); // 5 ms a photon: many turns of the loop
    Recorder r;
    pacer.start(1, r.batch(), r.done());
    runLoop(pacer, r, [&](int) { return pacer.photonsDone() < 3; });
    pacer.cancel();
    const QStringList atCancel = r.parts;
    EXPECT_EQ(atCancel.back(), QStringLiteral("done"));
    EXPECT_FALSE(atCancel.contains(QStringLiteral("e")));
    EXPECT_FALSE(pacer.running());
    runLoop(pacer, r, [](int turn) { return turn < 20; });
    EXPECT_EQ(r.parts, atCancel) << "nothing runs after a cancel";
    // A cancelled pacer starts nothing more; the caller still hears that it is done.
    Recorder again;
    pacer.start(1, again.batch(), again.done());
    EXPECT_EQ(again.parts, QStringList({"done"}));
}

TEST(Stepping, AtNormalPaceTheLoopTurnsBetweenPhotons)
{
    common::Pacer pacer(400);
    pacer.setPace(Pace::Normal);
    Recorder r;
    pacer.start(1, r.batch(), r.done());
    int turnsWithNoPhoton = 0;
    int photonsBefore = pacer.photonsDone();
    runLoop(pacer, r, [&](int) {
        turnsWithNoPhoton += pacer.photonsDone() == photonsBefore;
        photonsBefore = pacer.photonsDone();
        return pacer.photonsDone() < 20;
    });
    pacer.cancel();
    // Idle turns while the next photon is not yet due: no burst of photons.
    EXPECT_GT(turnsWithNoPhoton, 0);
}

// A run started by the end of the one before (its done()) still runs: it begins at
// the loop's next turn rather than inside the step that ended the first.
TEST(Stepping, ARunStartedWhenTheLastEndsRunsToo)
{
    common::Pacer pacer(2);
    pacer.setPace(Pace::Fast);
    Recorder first, second;
    pacer.start(1, first.batch(), [&] { pacer.start(1, second.batch(), second.done()); });
    runLoop(pacer, second, [&](int turn) { return turn < 200 && !second.parts.contains("done"); });
    EXPECT_EQ(first.parts, QStringList({"b", "1", "2", "e"}));
    EXPECT_EQ(second.parts, QStringList({"b", "1", "2", "e", "done"}));
}

} // namespace
