// SPDX-License-Identifier: MIT
// A seeded monkey: random clicks, hostile typing and close events on real windows.
// The seed comes from MONKEY_SEED (default fixed) and the count from MONKEY_EVENTS,
// so a failure can be replayed exactly from the seed and event index it prints.
#pragma once

#include "common/gui/application.h"
#include "tests/testutil.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <random>
#include <vector>

namespace monkey {

inline std::uint64_t envNumber(const char *name, std::uint64_t fallback)
{
    const QByteArray v = qgetenv(name);
    bool ok = false;
    const qulonglong n = v.toULongLong(&ok);
    return ok ? n : fallback;
}

class Monkey {
public:
    explicit Monkey(std::uint64_t defaultSeed, std::uint64_t defaultEvents)
        : seed(envNumber("MONKEY_SEED", defaultSeed)),
          events(envNumber("MONKEY_EVENTS", defaultEvents)), rng_(seed)
    {
        // Accepts every message box that opens, nested ones too, so a warning cannot
        // stall the run: a modal loop still runs timers.
        dismisser_.setInterval(5);
        QObject::connect(&dismisser_, &QTimer::timeout, [] {
            if (QWidget *modal = QApplication::activeModalWidget())
                modal->close();
        });
        dismisser_.start();
        std::printf("monkey: seed %llu, %llu events\n", static_cast<unsigned long long>(seed),
                    static_cast<unsigned long long>(events));
    }

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }

    // Texts a student, a cat on the keyboard or a malicious file might produce.
    QString hostileText()
    {
        static const std::vector<QString> texts = {
            QString(),
            QStringLiteral("   "),
            QStringLiteral("-5"),
            QStringLiteral("0"),
            QStringLiteral("1e400"),
            QStringLiteral("-1e400"),
            QStringLiteral("ｘ"),
            QString(10000, QLatin1Char('9')),
            QStringLiteral("\x01\x02\t\n\r"),
            QStringLiteral("NaN"),
            QStringLiteral("inf"),
            QStringLiteral("1e-400"),
            QStringLiteral("１００"),
            QStringLiteral("30keV"),
            QStringLiteral("2 5"),
            QStringLiteral("999.5"),
            QStringLiteral("1500"),
            QStringLiteral("0.0001"),
            QStringLiteral("5"),
            QStringLiteral("20"),
            QStringLiteral("100"),
            QStringLiteral("60"),
            QStringLiteral("1"),
            QStringLiteral("12.4"),
            QStringLiteral("-0"),
            QStringLiteral("0x10"),
            QStringLiteral("E5"),
            QStringLiteral("."),
            QStringLiteral("+"),
            QStringLiteral("\u202e42"),
        };
        if (chance(0.1)) {
            QString random;
            const int n = pick(12);
            for (int i = 0; i < n; ++i)
                random += QChar(static_cast<char16_t>(0x20 + pick(0x7F - 0x20)));
            return random;
        }
        return texts[static_cast<size_t>(pick(static_cast<int>(texts.size())))];
    }

    // Clicks the button now, or schedules the click to land inside whatever handler
    // runs next (a batch that lets the event loop run).
    void click(QPushButton *button, bool duringNextHandler)
    {
        if (duringNextHandler)
            QTimer::singleShot(0, button, [button] {
                if (button->isVisible())
                    QTest::mouseClick(button, Qt::LeftButton);
            });
        else if (button->isVisible())
            QTest::mouseClick(button, Qt::LeftButton);
    }

    void type(QLineEdit *box, const QString &text)
    {
        if (!box->isEnabled() || !box->isVisible())
            return; // a disabled box takes no input, as for a user
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        box->insert(text);
    }

    std::string where(std::uint64_t index) const
    {
        return "replay with MONKEY_SEED=" + std::to_string(seed) + ", event " +
               std::to_string(index);
    }

    const std::uint64_t seed;
    const std::uint64_t events;

private:
    std::mt19937_64 rng_;
    QTimer dismisser_;
};

// The event mix for a main window that runs animated batches: GO (often with another
// click landing inside the batch), Reset or Clear, hostile typing into the energy box,
// EXIT or the close box (after which the program starts afresh), idle turns. The
// check runs after every event.
template <class Form>
void runBatchWindow(Monkey &monkey, const std::function<std::unique_ptr<Form>()> &start,
                    const std::function<void(Form &)> &check)
{
    testutil::settleApplication();
    std::unique_ptr<Form> form = start();
    for (std::uint64_t i = 0; i < monkey.events; ++i) {
        SCOPED_TRACE(monkey.where(i));
        QPushButton *buttons[] = {form->Command1, form->Command2, form->Command3};
        switch (monkey.pick(8)) {
        case 0:
        case 1:
        case 2:
            if (monkey.chance(0.5)) {
                const int which = monkey.pick(10) == 0 ? 1 : (monkey.chance(0.5) ? 0 : 2);
                monkey.click(buttons[which], true);
            }
            monkey.click(form->Command1, false);
            break;
        case 3: monkey.click(form->Command3, false); break;
        case 4:
        case 5: monkey.type(form->Text1, monkey.hostileText()); break;
        case 6:
            if (monkey.chance(0.1)) {
                if (monkey.chance(0.5))
                    monkey.click(form->Command2, false);
                else
                    form->close();
            }
            break;
        default: QApplication::processEvents(); break;
        }
        if (testutil::quitRequested()) {
            testutil::settleApplication();
            form = start();
            continue;
        }
        check(*form);
        if (::testing::Test::HasFatalFailure())
            return;
    }
}

} // namespace monkey
