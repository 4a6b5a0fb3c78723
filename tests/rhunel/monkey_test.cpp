// SPDX-License-Identifier: MIT
#include "common/gui/application.h"
#include "rhunel/form1.h"
#include "tests/monkey.h"
#include "tests/rhunel/synthetictable.h"

#include <QLineEdit>
#include <QPushButton>

#include <memory>
#include <numeric>

namespace {

// After every event the histogram, the count and the texts tell the same story.
void expectConsistent(rhunel::Form1 &form)
{
    const rhunel::Module2 &m = form.module();
    const std::int64_t total = std::accumulate(m.Results.AngleHistogram.begin() + 1,
                                               m.Results.AngleHistogram.end(), std::int64_t{0});
    ASSERT_EQ(total, m.Results.PhotonCount) << "every photon counted once";
    ASSERT_EQ(m.Results.PhotonCount % 500, 0);
    for (std::int64_t bin : m.Results.AngleHistogram)
        ASSERT_GE(bin, 0);
    if (m.Results.PhotonCount == 0) {
        ASSERT_TRUE(form.Text2->text().isEmpty());
        return;
    }
    ASSERT_EQ(form.Text2->text(), QString::number(m.Results.PhotonCount));
    ASSERT_FALSE(form.Text1->isEnabled());
    ASSERT_EQ(m.CurveReady, 1);
    ASSERT_EQ(form.Command1->text(), QStringLiteral("Continue"));
    ASSERT_TRUE(form.Command1->isEnabled()) << "no batch runs between events";
}

TEST(RhunelMonkey, RandomClicksTypingAndClosesKeepTheHistogramTrue)
{
    monkey::Monkey monkey(20261209, 2000);
    monkey::runBatchWindow<rhunel::Form1>(
        monkey,
        [] {
            auto form = std::make_unique<rhunel::Form1>(synthetic::source);
            form->pacer().setPace(common::Pace::Fast);
            form->showForm();
            return form;
        },
        expectConsistent);
}

} // namespace
