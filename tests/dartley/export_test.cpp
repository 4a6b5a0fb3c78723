// SPDX-License-Identifier: MIT
// Dartley's results and plot as they leave the window.
#include "common/gui/exports.h"
#include "common/gui/picturebox.h"
#include "common/gui/statswindow.h"
#include "dartley/form1.h"
#include "tests/exportcheck.h"

#include <QLabel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>

namespace {

class DartleyExports : public ::testing::Test {
protected:
    void SetUp() override
    {
        testutil::settleApplication();
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(form.showForm());
    }
    void TearDown() override
    {
        form.hide();
        testutil::settleApplication();
    }
    void batch() { QTest::mouseClick(form.Command1, Qt::LeftButton); }
    QTemporaryDir dir;
    dartley::Form1 form;
};

// One row per batch since start-up or Reset, as the three boxes showed it after each.
TEST_F(DartleyExports, CsvHoldsOneRowPerBatchSinceReset)
{
    batch();
    QTest::mouseClick(form.Command3, Qt::LeftButton); // Reset starts the rows again
    std::vector<QStringList> shown;
    for (int n = 0; n < 3; ++n) {
        batch();
        shown.push_back({form.Text2->text(), form.Text3->text(), form.Text1->text()});
    }
    const auto csv = exportcheck::readCsv(form.module().resultsCsv().toUtf8());
    EXPECT_EQ(csv.header, QStringList({QStringLiteral("batch"), QStringLiteral("points"),
                                       QStringLiteral("hits"), QStringLiteral("pi_estimate"),
                                       QStringLiteral("sigma")}));
    ASSERT_EQ(csv.rows.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(csv.rows[i][0], QString::number(i + 1));
        EXPECT_EQ(csv.rows[i][1], shown[i][0]);
        EXPECT_EQ(csv.rows[i][2], shown[i][1]);
        EXPECT_EQ(QString::asprintf("%.5f", csv.rows[i][3].toDouble()), shown[i][2]);
        // The binomial σ of 4 hits/N, p = hits/N.
        const double n = csv.rows[i][1].toDouble(), p = csv.rows[i][2].toDouble() / n;
        EXPECT_NEAR(csv.rows[i][4].toDouble(), 4 * std::sqrt(p * (1 - p) / n), 1e-15);
    }
    // The values worked out from the fixed seed: 755, 1552 and 2337 hits.
    EXPECT_EQ(csv.rows[2][2], QStringLiteral("2337"));
    EXPECT_EQ(csv.rows[2][3].toDouble(), 4.0 * 2337 / 3000);
}

// The plot as SVG is vector: every dot a shape (the dots of one colour share a path, so
// that 100 000 dots stay a few megabytes), the formula as text, no bitmap.
TEST_F(DartleyExports, PlotSvgHoldsEveryDotAsAShape)
{
    batch();
    const QString path = dir.filePath(QStringLiteral("dots.svg"));
    ASSERT_EQ(common::savePlotPicture(*form.Picture1, path), QString());
    const QByteArray svg = exportcheck::fileBytes(path);
    const auto elements = exportcheck::svgElements(svg);
    ASSERT_FALSE(elements.isEmpty()) << "the SVG does not parse";
    EXPECT_EQ(elements.value(QStringLiteral("image")), 0);
    EXPECT_GE(exportcheck::svgSubpaths(svg), 1000);
    EXPECT_GE(elements.value(QStringLiteral("text")), 3);
}

// A thousand batches: a million dots kept to replay, in well under 32 MB.
TEST_F(DartleyExports, DisplayListOfAMillionDotsStaysCompact)
{
    for (int n = 0; n < 1000; ++n)
        form.module().RunBatch();
    EXPECT_GE(form.Picture1->operationCount(), 1'000'000u);
    EXPECT_LE(form.Picture1->displayListBytes(), 32u * 1024 * 1024);
    EXPECT_EQ(form.Text2->text(), QStringLiteral("1000000"));
}

} // namespace

namespace {

// Ctrl+T opens the statistics window beside the main one and closes it again; it follows
// every batch while open: the estimate with its σ and a reading, and one point a batch.
TEST(DartleyStatisticsWindow, CtrlTShowsTheEstimateWithItsSigma)
{
    testutil::settleApplication();
    dartley::Form1 form;
    ASSERT_TRUE(form.showForm());
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    for (int n = 0; n < 3; ++n)
        QTest::mouseClick(form.Command1, Qt::LeftButton);
    form.Picture1->setFocus();
    batchkeys::press(&form, Qt::Key_T, Qt::ControlModifier);
    common::StatisticsWindow &stats = form.statistics();
    ASSERT_TRUE(stats.isVisible());
    QString all;
    for (QLabel *l : stats.lineLabels())
        if (l->isVisible())
            all += l->text() + QLatin1Char('\n');
    const dartley::PiStatistics s = dartley::piStatistics(2337, 3000);
    EXPECT_TRUE(all.contains(QStringLiteral("3.11600"))) << all.toStdString();
    EXPECT_TRUE(all.contains(QString::number(s.sigma, 'f', 5))) << all.toStdString();
    EXPECT_TRUE(all.contains(QStringLiteral("偶然の範囲"))) << all.toStdString();
    const auto drawn = stats.plot()->operationCount();
    QTest::mouseClick(form.Command1, Qt::LeftButton); // one more batch: one more point
    EXPECT_GT(stats.plot()->operationCount(), drawn);
    form.activateWindow();
    form.Picture1->setFocus();
    batchkeys::press(&form, Qt::Key_T, Qt::ControlModifier);
    EXPECT_FALSE(stats.isVisible());
    form.hide();
}

} // namespace
