// SPDX-License-Identifier: MIT
#include "common/core/numbertext.h"
#include "common/gui/application.h"
#include "stelmo/form1.h"
#include "tests/monkey.h"
#include "tests/stelmo/tissuetable.h"

#include <QLineEdit>
#include <QPushButton>

#include <memory>

namespace {

// After every event the bins, the count and the texts tell the same story.
void expectConsistent(stelmo::Form1 &form)
{
    const stelmo::Module1 &m = form.module();
    ASSERT_EQ(m.Results.TransmittedCount[1], m.Results.PhotonCount) << "bin 1 counts every photon";
    for (int k = 2; k <= 400; ++k)
        ASSERT_LE(m.Results.TransmittedCount[k], m.Results.TransmittedCount[k - 1]) << "bin " << k;
    ASSERT_EQ(m.Results.PhotonCount % 400, 0);
    if (m.Results.PhotonCount == 0) {
        ASSERT_TRUE(form.Text2->text().isEmpty());
        ASSERT_EQ(form.Command1->text(), QStringLiteral("GO"));
        return;
    }
    ASSERT_EQ(form.Text2->text(), QString::number(m.Results.PhotonCount));
    ASSERT_EQ(form.Text4->text(), common::formatFixed3(m.Results.PathSum / m.Results.PhotonCount));
    ASSERT_FALSE(form.Text1->isEnabled());
    ASSERT_EQ(form.Command1->text(), QStringLiteral("Continue"));
    ASSERT_TRUE(form.Command1->isEnabled()) << "no batch runs between events";
}

TEST(StelmoMonkey, RandomClicksTypingAndClosesKeepBinsAndTextsTrue)
{
    monkey::Monkey monkey(20261209, 2000);
    monkey::runBatchWindow<stelmo::Form1>(
        monkey,
        [] {
            auto form = std::make_unique<stelmo::Form1>(stelmotest::loadTissueTable);
            form->pacer().setPace(common::Pace::Fast);
            form->showForm();
            return form;
        },
        expectConsistent);
}

} // namespace
