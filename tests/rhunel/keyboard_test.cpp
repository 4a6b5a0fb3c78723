// SPDX-License-Identifier: MIT
// Pace, pause, single steps and the keyboard of the main window.
#include "rhunel/form1.h"
#include "tests/batchkeys.h"
#include "tests/rhunel/synthetictable.h"

#include <gtest/gtest.h>

namespace {

class RhunelKeys : public ::testing::Test {
protected:
    void SetUp() override { batchkeys::prepare(form); }
    void TearDown() override
    {
        form.hide();
        testutil::settleApplication();
    }
    rhunel::Form1 form{synthetic::source};
};

class RhunelPause : public RhunelKeys,
                    public ::testing::WithParamInterface<batchkeys::PauseKeys> {};

// Pausing changes when photons are drawn, never what is sampled.
TEST_P(RhunelPause, HoldsStepsOneAndResumesToTheUnpacedResult)
{
    batchkeys::pauseStepResume(form, GetParam());

    const auto reference = batchkeys::unpacedBatch<rhunel::Form1>(synthetic::source);
    rhunel::Form1 &unpaced = *reference;
    EXPECT_EQ(form.Text2->text(), unpaced.Text2->text());
    EXPECT_EQ(form.module().Results.AngleHistogram, unpaced.module().Results.AngleHistogram);
    EXPECT_TRUE(form.Picture1->image() == unpaced.Picture1->image());
    EXPECT_TRUE(form.Picture2->image() == unpaced.Picture2->image());
}

INSTANTIATE_TEST_SUITE_P(Keys, RhunelPause, ::testing::ValuesIn(batchkeys::pauseKeyTable),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(RhunelKeys, ExitWhilePausedEndsAtOnce) { batchkeys::exitWhilePaused(form); }

TEST_F(RhunelKeys, ReturnF5AndPageDownRunBatches)
{
    batchkeys::keysRunBatches(form, rhunel::PhotonsPerBatch);
}

TEST_F(RhunelKeys, CtrlDigitsChooseThePace) { batchkeys::speedKeys(form); }

TEST_F(RhunelKeys, ContextMenuHoldsTheEntriesWithTheirShortcuts)
{
    batchkeys::contextMenuEntries(form, QStringLiteral("角度分布に ±2σ の帯(&B)"));
}

// The default pace spreads a batch over time, but draws what the unpaced one draws.
TEST_F(RhunelKeys, NormalPaceSamplesWhatFastDoes)
{
    form.pacer().setPace(common::Pace::Normal);
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    const auto reference = batchkeys::unpacedBatch<rhunel::Form1>(synthetic::source);
    rhunel::Form1 &unpaced = *reference;
    EXPECT_EQ(form.module().Results.AngleHistogram, unpaced.module().Results.AngleHistogram);
}

} // namespace
