// SPDX-License-Identifier: MIT
#include "common/gui/application.h"
#include "dartley/form1.h"
#include "tests/monkey.h"

#include <QLineEdit>
#include <QPushButton>

#include <memory>

namespace {

// After every event the texts agree with the counters they show.
void expectConsistent(dartley::Form1 &form)
{
    dartley::Module1 &m = form.module();
    const std::int64_t points = 1000 * (m.Results.BatchNumber - 1);
    ASSERT_GE(m.Results.HitCount, 0);
    ASSERT_LE(m.Results.HitCount, points);
    if (form.Text2->text().isEmpty()) {
        ASSERT_EQ(m.Results.BatchNumber, 1);
        return;
    }
    ASSERT_EQ(form.Text2->text(), QString::number(points));
    ASSERT_EQ(form.Text3->text(), QString::number(m.Results.HitCount));
    ASSERT_EQ(form.Text1->text(), QString::number(4.0 * m.Results.HitCount / points, 'f', 5));
}

TEST(DartleyMonkey, RandomClicksTypingAndClosesKeepTheCountsTrue)
{
    monkey::Monkey monkey(20261209, 5000);
    testutil::settleApplication();
    auto form = std::make_unique<dartley::Form1>();
    form->showForm();
    for (std::uint64_t i = 0; i < monkey.events; ++i) {
        SCOPED_TRACE(monkey.where(i));
        switch (monkey.pick(10)) {
        case 0:
        case 1:
        case 2:
        case 3: monkey.click(form->Command1, false); break;
        case 4: monkey.click(form->Command3, false); break;
        case 5: {
            QLineEdit *boxes[] = {form->Text1, form->Text2, form->Text3};
            monkey.type(boxes[monkey.pick(3)], monkey.hostileText());
            // Typing into a result box is allowed; the next batch writes over it.
            monkey.click(form->Command1, false);
            break;
        }
        case 6:
            if (monkey.chance(0.2)) {
                // EXIT or the close box: the program ends; start it afresh.
                monkey.chance(0.5) ? monkey.click(form->Command2, false) : (void)form->close();
                ASSERT_TRUE(testutil::quitRequested());
                testutil::settleApplication();
                form = std::make_unique<dartley::Form1>();
                form->showForm();
            }
            break;
        default: QApplication::processEvents(); break;
        }
        expectConsistent(*form);
        if (HasFatalFailure())
            return;
    }
}

} // namespace
