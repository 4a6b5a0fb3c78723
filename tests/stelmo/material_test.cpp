// SPDX-License-Identifier: MIT
// Other materials and runs of many batches in the main window.
#include "common/core/numbertext.h"
#include "stelmo/form1.h"
#include "tests/batchkeys.h"
#include "tests/stelmo/tissuetable.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace {

class StelmoMaterials : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.setMaterialFileReader(
            batchkeys::shippedMaterials(common::MaterialBlocks::Attenuation));
        batchkeys::prepare(form);
    }
    void TearDown() override
    {
        form.hide();
        testutil::settleApplication();
    }
    stelmo::Form1 form{stelmotest::loadTissueTable};
};

TEST_F(StelmoMaterials, SwitchClearsResultsKeepsEnergyAndNamesTheMaterial)
{
    batchkeys::switchClearsResultsKeepsEnergy(form, QStringLiteral("ICRU-soft"),
                                              QStringLiteral("water"));
    for (QLineEdit *box : {form.Text3, form.Text4, form.Text5})
        EXPECT_TRUE(box->text().isEmpty());
    EXPECT_EQ(form.module().Results.TransmittedCount, stelmo::DepthBins{});

    // The first batch in water shows water's μ at 100 keV: 0.1707 cm²/g at 1 g/cm³
    // (the coherent, incoherent and photoelectric cross sections summed).
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    EXPECT_EQ(form.Text3->text(), QStringLiteral("1.71E-01"));
    EXPECT_EQ(form.Text2->text(), QStringLiteral("400"));
    const common::CsvTable csv = form.module().resultsCsv();
    EXPECT_EQ(batchkeys::comment(csv, QStringLiteral("material")), QStringLiteral("water, liquid"));
    EXPECT_EQ(batchkeys::comment(csv, QStringLiteral("material_file")),
              QStringLiteral("water.dat"));
    form.statistics().toggle();
    EXPECT_TRUE(form.statistics().lineLabels().front()->text().contains(QStringLiteral("水")));
    form.statistics().hide();
}

TEST_F(StelmoMaterials, LeadStopsThePhotonsWithinTheFirstMillimetres)
{
    batchkeys::chooseMaterialByKeys(form, Qt::Key_P);
    ASSERT_EQ(form.module().Material, &batchkeys::materialByFile("lead.dat"));
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    const double mu = stelmo::attenuationCoefficient(form.module().table(), 100);
    EXPECT_EQ(form.Text3->text(), common::formatScientific2(mu));
    EXPECT_GT(mu, 50) << "lead's μ at 100 keV is about 60 per cm";
    // Hardly a photon passes 1 mm: bin 2 holds the paths of at least 0.1 cm.
    EXPECT_LT(form.module().Results.TransmittedCount[2], 40);
}

TEST_F(StelmoMaterials, UnreadableFileKeepsTheCurrentMaterial)
{
    batchkeys::unreadableMaterialKeepsTheCurrentOne(form);
}

TEST_F(StelmoMaterials, NoSwitchWhileABatchRuns) { batchkeys::noMaterialSwitchDuringABatch(form); }

TEST_F(StelmoMaterials, HalfWayThroughABatchEverythingReadsTheBatchesBefore)
{
    batchkeys::committedResultsDuringABatch(form, stelmo::PhotonsPerBatch);
}

TEST_F(StelmoMaterials, TenBatchesAtOnceRunUnpacedButTheLast)
{
    batchkeys::tenBatchesAtOnce(form, stelmo::PhotonsPerBatch);
}

TEST_F(StelmoMaterials, PauseAndExitActAtOnceInsideAHundred)
{
    batchkeys::pauseAndExitInsideManyBatches(form, stelmo::PhotonsPerBatch);
}

// "100 回" leaves exactly what a hundred presses of GO leave.
TEST_F(StelmoMaterials, HundredAtOnceEqualsHundredPresses)
{
    batchkeys::press(&form, Qt::Key_F5, Qt::ControlModifier);
    EXPECT_EQ(form.module().Results.PhotonCount, 100 * stelmo::PhotonsPerBatch);

    stelmo::Form1 pressed{stelmotest::loadTissueTable};
    pressed.pacer().setPace(common::Pace::Fast);
    ASSERT_TRUE(pressed.showForm());
    for (int i = 0; i < 100; ++i)
        QTest::mouseClick(pressed.Command1, Qt::LeftButton);
    using Box = QLineEdit *stelmo::Form1::*;
    for (Box box : std::initializer_list<Box>{&stelmo::Form1::Text2, &stelmo::Form1::Text3,
                                              &stelmo::Form1::Text4, &stelmo::Form1::Text5})
        EXPECT_EQ((form.*box)->text(), (pressed.*box)->text());
    EXPECT_EQ(form.module().Results.TransmittedCount, pressed.module().Results.TransmittedCount);
    EXPECT_EQ(form.module().Results.PathSum, pressed.module().Results.PathSum);
    EXPECT_EQ(form.module().Results.MeanHistory, pressed.module().Results.MeanHistory);
    EXPECT_TRUE(form.Picture1->image() == pressed.Picture1->image());
    EXPECT_TRUE(form.Picture2->image() == pressed.Picture2->image());
    pressed.hide();
}

} // namespace
