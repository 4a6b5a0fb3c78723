// SPDX-License-Identifier: MIT
// Rhunel's results as they leave the window.
#include "rhunel/form1.h"
#include "tests/exportcheck.h"
#include "tests/rhunel/synthetictable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace {

TEST(RhunelExports, CsvHoldsTheHistogramAndTheReferenceCurve)
{
    rhunel::Form1 form{synthetic::source};
    batchkeys::prepare(form);
    const auto empty = exportcheck::readCsv(form.module().results().toUtf8());
    EXPECT_TRUE(empty.rows.empty());
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    const rhunel::Module2 &m = form.module();
    const auto csv = exportcheck::readCsv(form.module().results().toUtf8());
    EXPECT_EQ(csv.comments.value(QStringLiteral("energy_keV")), QStringLiteral("20"));
    EXPECT_EQ(csv.comments.value(QStringLiteral("photons")), QStringLiteral("1000"));
    EXPECT_EQ(csv.header, QStringList({QStringLiteral("bin"), QStringLiteral("from_deg"),
                                       QStringLiteral("to_deg"), QStringLiteral("count"),
                                       QStringLiteral("relative"), QStringLiteral("reference")}));
    ASSERT_EQ(csv.rows.size(), 180u);
    const auto largest = *std::max_element(m.AngleHistogram.begin() + 1, m.AngleHistogram.end());
    long long total = 0;
    for (int i = 1; i <= 180; ++i) {
        const QStringList &row = csv.rows[std::size_t(i - 1)];
        EXPECT_EQ(row[0].toInt(), i);
        EXPECT_EQ(row[1].toInt(), i - 1);
        EXPECT_EQ(row[2].toInt(), i);
        EXPECT_EQ(row[3].toLongLong(), m.AngleHistogram[i]);
        EXPECT_DOUBLE_EQ(row[4].toDouble(), double(m.AngleHistogram[i]) / double(largest));
        EXPECT_DOUBLE_EQ(row[5].toDouble(), m.ReferenceCurve[i]);
        total += row[3].toLongLong();
    }
    EXPECT_EQ(total, 1000);
    form.hide();
    testutil::settleApplication();
}

} // namespace
