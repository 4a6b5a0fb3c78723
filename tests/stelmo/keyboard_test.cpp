// SPDX-License-Identifier: MIT
// Pace, pause, single steps and the keyboard of the main window.
#include "stelmo/form1.h"
#include "tests/batchkeys.h"
#include "tests/stelmo/tissuetable.h"

#include <gtest/gtest.h>

namespace {

class StelmoKeys : public ::testing::Test {
protected:
    void SetUp() override { batchkeys::prepare(form); }
    void TearDown() override
    {
        form.hide();
        testutil::settleApplication();
    }
    stelmo::Form1 form{stelmotest::loadTissueTable};
};

class StelmoPause : public StelmoKeys,
                    public ::testing::WithParamInterface<batchkeys::PauseKeys> {};

// Pausing changes when photons are drawn, never what is sampled.
TEST_P(StelmoPause, HoldsStepsOneAndResumesToTheUnpacedResult)
{
    batchkeys::pauseStepResume(form, GetParam());

    const auto reference = batchkeys::unpacedBatch<stelmo::Form1>(stelmotest::loadTissueTable);
    stelmo::Form1 &unpaced = *reference;
    using Box = QLineEdit *stelmo::Form1::*;
    for (Box box : std::initializer_list<Box>{&stelmo::Form1::Text2, &stelmo::Form1::Text3,
                                              &stelmo::Form1::Text4, &stelmo::Form1::Text5})
        EXPECT_EQ((form.*box)->text(), (unpaced.*box)->text());
    EXPECT_EQ(form.module().Results.TransmittedCount, unpaced.module().Results.TransmittedCount);
    EXPECT_EQ(form.module().Results.PathSum, unpaced.module().Results.PathSum);
    EXPECT_TRUE(form.Picture1->image() == unpaced.Picture1->image());
    EXPECT_TRUE(form.Picture2->image() == unpaced.Picture2->image());
}

INSTANTIATE_TEST_SUITE_P(Keys, StelmoPause, ::testing::ValuesIn(batchkeys::pauseKeyTable),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(StelmoKeys, ExitWhilePausedEndsAtOnce) { batchkeys::exitWhilePaused(form); }

TEST_F(StelmoKeys, ReturnF5AndPageDownRunBatches)
{
    batchkeys::keysRunBatches(form, stelmo::PhotonsPerBatch);
}

TEST_F(StelmoKeys, CtrlDigitsChooseThePace) { batchkeys::speedKeys(form); }

TEST_F(StelmoKeys, ContextMenuHoldsTheEntriesWithTheirShortcuts)
{
    batchkeys::contextMenuEntries(form, QStringLiteral("透過率に ±2σ の帯(&B)"));
}

// The default pace spreads a batch over time, but draws what the unpaced one draws.
TEST_F(StelmoKeys, NormalPaceSamplesWhatFastDoes)
{
    form.pacer().setPace(common::Pace::Normal);
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    const auto reference = batchkeys::unpacedBatch<stelmo::Form1>(stelmotest::loadTissueTable);
    stelmo::Form1 &unpaced = *reference;
    EXPECT_EQ(form.Text4->text(), unpaced.Text4->text());
    EXPECT_EQ(form.module().Results.TransmittedCount, unpaced.module().Results.TransmittedCount);
}

} // namespace
