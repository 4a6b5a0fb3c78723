// SPDX-License-Identifier: MIT
// Rhunel's results as they leave the window.
#include "common/gui/palette.h"
#include "common/gui/picturebox.h"
#include "common/gui/statswindow.h"
#include "rhunel/form1.h"
#include "tests/exportcheck.h"
#include "tests/rhunel/synthetictable.h"

#include <QLabel>
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <utility>
#include <vector>

namespace {

TEST(RhunelExports, CsvHoldsTheHistogramAndTheReferenceCurve)
{
    rhunel::Form1 form{synthetic::source};
    batchkeys::prepare(form);
    const auto empty = exportcheck::readCsv(form.module().resultsCsv().toUtf8());
    EXPECT_TRUE(empty.rows.empty());
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    const rhunel::Module2 &m = form.module();
    const auto csv = exportcheck::readCsv(form.module().resultsCsv().toUtf8());
    EXPECT_EQ(csv.comments.value(QStringLiteral("energy_keV")), QStringLiteral("20"));
    EXPECT_EQ(csv.comments.value(QStringLiteral("photons")), QStringLiteral("1000"));
    EXPECT_EQ(csv.header, QStringList({QStringLiteral("bin"), QStringLiteral("from_deg"),
                                       QStringLiteral("to_deg"), QStringLiteral("count"),
                                       QStringLiteral("relative"), QStringLiteral("reference"),
                                       QStringLiteral("expected")}));
    ASSERT_EQ(csv.rows.size(), 180u);
    const auto largest =
        *std::max_element(m.Results.AngleHistogram.begin() + 1, m.Results.AngleHistogram.end());
    long long total = 0;
    double expectedTotal = 0;
    for (int i = 1; i <= 180; ++i) {
        const QStringList &row = csv.rows[std::size_t(i - 1)];
        EXPECT_EQ(row[0].toInt(), i);
        EXPECT_EQ(row[1].toInt(), i - 1);
        EXPECT_EQ(row[2].toInt(), i);
        EXPECT_EQ(row[3].toLongLong(), m.Results.AngleHistogram[i]);
        EXPECT_DOUBLE_EQ(row[4].toDouble(), double(m.Results.AngleHistogram[i]) / double(largest));
        EXPECT_DOUBLE_EQ(row[5].toDouble(), m.ReferenceCurve[i]);
        total += row[3].toLongLong();
        expectedTotal += row[6].toDouble();
    }
    EXPECT_EQ(total, 1000);
    EXPECT_NEAR(expectedTotal, 1000, 1e-9);
    // χ² again from the CSV's own columns: groups from bin 1 up to an expected count of
    // at least 5, a short last group joined to the one before.
    std::vector<std::pair<double, double>> groups;
    double o = 0, e = 0;
    for (const QStringList &row : csv.rows) {
        o += row[3].toDouble();
        e += row[6].toDouble();
        if (e >= 5) {
            groups.push_back({o, e});
            o = e = 0;
        }
    }
    if (e > 0) {
        groups.back().first += o;
        groups.back().second += e;
    }
    double chi2 = 0;
    for (const auto &[observed, expected] : groups)
        chi2 += (observed - expected) * (observed - expected) / expected;
    EXPECT_NEAR(csv.comments.value(QStringLiteral("chi2")).toDouble(), chi2, 1e-9 * chi2);
    EXPECT_EQ(csv.comments.value(QStringLiteral("ndf")).toInt(), int(groups.size()) - 1);
    const double p = csv.comments.value(QStringLiteral("p_value")).toDouble();
    EXPECT_GT(p, 0.0);
    EXPECT_LE(p, 1.0);
    form.hide();
    testutil::settleApplication();
}

} // namespace

namespace {

TEST(RhunelStatisticsWindow, ShowsChiSquareAndTheMeanAngle)
{
    rhunel::Form1 form{synthetic::source};
    batchkeys::prepare(form);
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    form.Picture1->setFocus();
    batchkeys::press(&form, Qt::Key_T, Qt::ControlModifier);
    ASSERT_TRUE(form.statistics().isVisible());
    QString all;
    for (QLabel *l : form.statistics().lineLabels())
        if (l->isVisible())
            all += l->text() + QLatin1Char('\n');
    EXPECT_TRUE(all.contains(QStringLiteral("χ²"))) << all.toStdString();
    EXPECT_TRUE(all.contains(QStringLiteral("500"))) << all.toStdString();
    EXPECT_TRUE(all.contains(QStringLiteral("°"))) << all.toStdString();
    form.statistics().hide();
    form.hide();
    testutil::settleApplication();
}

} // namespace

namespace {

TEST(RhunelBands, CtrlBTogglesTheBandOfTheExpectedHistogram)
{
    rhunel::Form1 form{synthetic::source};
    batchkeys::prepare(form);
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    const QImage described = form.Picture2->image();
    const QColor band = common::PaletteColor(common::palette::Blue);
    EXPECT_EQ(testutil::pixelsOf(form.Picture2, band), 0);
    form.Picture1->setFocus();
    batchkeys::press(&form, Qt::Key_B, Qt::ControlModifier);
    EXPECT_GT(testutil::pixelsOf(form.Picture2, band), 200);
    batchkeys::press(&form, Qt::Key_B, Qt::ControlModifier);
    EXPECT_TRUE(form.Picture2->image() == described);
    form.hide();
    testutil::settleApplication();
}

} // namespace
