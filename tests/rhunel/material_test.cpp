// SPDX-License-Identifier: MIT
// Other materials and runs of many batches in the main window.
#include "rhunel/form1.h"
#include "tests/batchkeys.h"
#include "tests/rhunel/synthetictable.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace {

class RhunelMaterials : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.setMaterialFileReader(batchkeys::shippedMaterials(common::MaterialBlocks::All));
        batchkeys::prepare(form);
    }
    void TearDown() override
    {
        form.hide();
        testutil::settleApplication();
    }
    rhunel::Form1 form{synthetic::source};
};

TEST_F(RhunelMaterials, SwitchClearsResultsKeepsEnergyAndNamesTheMaterial)
{
    batchkeys::switchClearsResultsKeepsEnergy(form, QStringLiteral("in ICRU-soft"),
                                              QStringLiteral("in water"));
    EXPECT_EQ(form.module().Results.AngleHistogram, rhunel::Histogram{});
    EXPECT_EQ(form.module().CurveReady, 0) << "the reference curve is computed afresh";

    // The table read is water's, and the batch samples from it.
    common::MaterialTable water;
    ASSERT_EQ(batchkeys::shippedMaterials(common::MaterialBlocks::All)(QStringLiteral("water.dat"),
                                                                       water),
              QString());
    EXPECT_EQ(form.module().FormFactor, water.FormFactor);
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    EXPECT_EQ(form.module().Results.PhotonCount, rhunel::PhotonsPerBatch);
    const common::CsvTable csv = form.module().resultsCsv();
    EXPECT_EQ(batchkeys::comment(csv, QStringLiteral("material")), QStringLiteral("water, liquid"));
    EXPECT_EQ(batchkeys::comment(csv, QStringLiteral("material_file")),
              QStringLiteral("water.dat"));
}

// The energy limits come from the chosen file's grid: the stand-in table ends at
// 124 keV, the shipped lead table reaches past 1 MeV.
TEST_F(RhunelMaterials, EnergyLimitsFollowTheChosenGrid)
{
    testutil::MessageCatcher seen;
    seen.arm();
    form.Text1->setText(QStringLiteral("500"));
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    EXPECT_EQ(seen.count, 1);
    EXPECT_TRUE(seen.text.contains(QStringLiteral("below 124 keV"))) << seen.text.toStdString();
    EXPECT_EQ(form.module().Results.PhotonCount, 0);

    batchkeys::chooseMaterialByKeys(form, Qt::Key_P);
    ASSERT_EQ(form.module().Material, &batchkeys::materialByFile("lead.dat"));
    EXPECT_EQ(form.Text1->text(), QStringLiteral("500"));
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    EXPECT_EQ(seen.count, 1) << seen.text.toStdString();
    EXPECT_EQ(form.module().Results.PhotonCount, rhunel::PhotonsPerBatch);
}

TEST_F(RhunelMaterials, UnreadableFileKeepsTheCurrentMaterial)
{
    batchkeys::unreadableMaterialKeepsTheCurrentOne(form);
}

TEST_F(RhunelMaterials, NoSwitchWhileABatchRuns) { batchkeys::noMaterialSwitchDuringABatch(form); }

TEST_F(RhunelMaterials, HalfWayThroughABatchEverythingReadsTheBatchesBefore)
{
    batchkeys::committedResultsDuringABatch(form, rhunel::PhotonsPerBatch);
}

TEST_F(RhunelMaterials, TenBatchesAtOnceRunUnpacedButTheLast)
{
    batchkeys::tenBatchesAtOnce(form, rhunel::PhotonsPerBatch);
}

TEST_F(RhunelMaterials, PauseAndExitActAtOnceInsideAHundred)
{
    batchkeys::pauseAndExitInsideManyBatches(form, rhunel::PhotonsPerBatch);
}

// "100 回" leaves exactly what a hundred presses of GO leave.
TEST_F(RhunelMaterials, HundredAtOnceEqualsHundredPresses)
{
    batchkeys::press(&form, Qt::Key_F5, Qt::ControlModifier);
    EXPECT_EQ(form.module().Results.PhotonCount, 100 * rhunel::PhotonsPerBatch);

    rhunel::Form1 pressed{synthetic::source};
    pressed.pacer().setPace(common::Pace::Fast);
    ASSERT_TRUE(pressed.showForm());
    for (int i = 0; i < 100; ++i)
        QTest::mouseClick(pressed.Command1, Qt::LeftButton);
    EXPECT_EQ(form.Text2->text(), pressed.Text2->text());
    EXPECT_EQ(form.module().Results.AngleHistogram, pressed.module().Results.AngleHistogram);
    EXPECT_EQ(form.module().Results.AngleSum, pressed.module().Results.AngleSum);
    EXPECT_EQ(form.module().Results.MeanHistory, pressed.module().Results.MeanHistory);
    EXPECT_TRUE(form.Picture1->image() == pressed.Picture1->image());
    EXPECT_TRUE(form.Picture2->image() == pressed.Picture2->image());
    pressed.hide();
}

} // namespace
