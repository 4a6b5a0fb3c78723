// SPDX-License-Identifier: MIT
// The keyboard and the pace of a main window whose batches a pacer runs (Stelmo,
// Rhunel): the same checks for both, each program's test calls them on its window.
#pragma once

#include "common/contextmenu.h"
#include "common/pacer.h"
#include "tests/testutil.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace batchkeys {

// Shown and active (window shortcuts act in the active window only), at Fast.
template <class Form> void prepare(Form &form)
{
    testutil::settleApplication();
    form.pacer().setPace(common::Pace::Fast);
    ASSERT_TRUE(form.showForm());
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
}

// The same window after one unpaced batch: the reference that pacing must not change.
template <class Form, class Loader> std::unique_ptr<Form> unpacedBatch(Loader loader)
{
    auto form = std::make_unique<Form>(loader);
    form->pacer().setPace(common::Pace::Fast);
    EXPECT_TRUE(form->showForm());
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    form->hide();
    return form;
}

// A key as the user types it: to the control that has the focus.
inline void press(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QWidget *to = QApplication::focusWidget() ? QApplication::focusWidget() : window;
    QTest::keyClick(to, key, modifiers);
}

// Runs steps on successive event-loop turns while a batch runs: a zero timer fires
// at every turn, the pacer's yields and its paused waits included. A step returns
// false when the script is done.
class Script {
public:
    explicit Script(std::function<bool(int turn)> step) : step_(std::move(step))
    {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
            if (!step_(++turn_))
                timer_.stop();
        });
        timer_.start();
    }
    int turns() const { return turn_; }

private:
    std::function<bool(int)> step_;
    QTimer timer_;
    int turn_ = 0;
};

struct PauseKeys {
    const char *name;
    Qt::Key pause;
    Qt::Key resume;
};
inline const PauseKeys pauseKeyTable[] = {{"PThenSpace", Qt::Key_P, Qt::Key_Space},
                                          {"SpaceThenP", Qt::Key_Space, Qt::Key_P},
                                          {"PauseKeyTwice", Qt::Key_Pause, Qt::Key_Pause}};

// Pause at the first yield, many turns held, N for one photon, many turns held, then
// resume: the batch ends as an unpaced one does. Returns the photons of the batch at
// which it paused.
template <class Form> int pauseStepResume(Form &form, const PauseKeys &keys)
{
    constexpr int held = 40;
    std::vector<int> whilePaused, afterStep;
    QWidget *focusDuring = nullptr;
    bool pausedAtEnd = false;
    Script script([&](int turn) {
        if (turn == 1) {
            focusDuring = QApplication::focusWidget();
            press(&form, keys.pause);
        } else if (turn <= held) {
            whilePaused.push_back(form.pacer().photonsDone());
        } else if (turn == held + 1) {
            press(&form, Qt::Key_N);
        } else if (turn <= 2 * held) {
            afterStep.push_back(form.pacer().photonsDone());
        } else {
            pausedAtEnd = form.pacer().paused();
            press(&form, keys.resume);
            return false;
        }
        return true;
    });
    QTest::mouseClick(form.Command1, Qt::LeftButton);

    EXPECT_EQ(script.turns(), 2 * held + 1) << "the batch ended before the script did";
    EXPECT_TRUE(pausedAtEnd);
    EXPECT_EQ(focusDuring, static_cast<QWidget *>(form.Picture1)) << "Space must pause, not EXIT";
    const int first = whilePaused.empty() ? -1 : whilePaused.front();
    EXPECT_GE(first, 1);
    for (int done : whilePaused)
        EXPECT_EQ(done, first) << "a photon ran while paused";
    for (int done : afterStep)
        EXPECT_EQ(done, first + 1) << "N runs exactly one photon";
    EXPECT_FALSE(form.pacer().running());
    EXPECT_EQ(QApplication::focusWidget(), static_cast<QWidget *>(form.Command1));
    EXPECT_FALSE(testutil::quitRequested());
    return first;
}

// EXIT clicked while paused ends the program at once: nothing more is drawn or counted.
template <class Form> void exitWhilePaused(Form &form)
{
    int pausedAt = -1;
    Script script([&](int turn) {
        if (turn == 1) {
            press(&form, Qt::Key_P);
        } else if (turn == 30) {
            pausedAt = form.pacer().photonsDone();
            QTest::mouseClick(form.Command2, Qt::LeftButton);
            return false;
        }
        return true;
    });
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    EXPECT_TRUE(testutil::quitRequested());
    EXPECT_TRUE(form.pacer().cancelled());
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.pacer().photonsDone(), pausedAt);
    EXPECT_EQ(form.module().PhotonCount, 0);
    EXPECT_TRUE(form.Text2->text().isEmpty());
    testutil::settleApplication();
}

// Return in the energy box runs a batch as GO does, the warning for an empty box
// included; F5 and Page Down run one from anywhere in the window, and not while a
// batch runs (GO is locked then).
template <class Form> void keysRunBatches(Form &form, int photonsPerBatch)
{
    form.Text1->setFocus();
    press(&form, Qt::Key_Return);
    EXPECT_EQ(form.module().PhotonCount, photonsPerBatch) << "Return in the energy box";
    EXPECT_EQ(form.Command1->text(), QStringLiteral("Continue"));

    for (Qt::Key key : {Qt::Key_F5, Qt::Key_PageDown}) {
        const auto before = form.module().PhotonCount;
        form.Picture2->setFocus();
        press(&form, key);
        EXPECT_EQ(form.module().PhotonCount, before + photonsPerBatch) << QTest::toString(key);
    }

    // Pressed again and again inside a batch: still one batch.
    const auto before = form.module().PhotonCount;
    Script script([&](int turn) {
        press(&form, turn % 2 ? Qt::Key_F5 : Qt::Key_PageDown);
        return turn < 20;
    });
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    EXPECT_EQ(form.module().PhotonCount, before + photonsPerBatch);

    QTest::mouseClick(form.Command3, Qt::LeftButton); // Reset / Clear empties the box
    testutil::MessageCatcher seen;
    seen.arm();
    form.Text1->setFocus();
    press(&form, Qt::Key_Enter);
    EXPECT_EQ(seen.count, 1);
    EXPECT_TRUE(seen.text.contains(QStringLiteral("Input Photon energy")));
    EXPECT_EQ(form.module().PhotonCount, 0);
}

// Ctrl+1, Ctrl+2 and Ctrl+3 choose the pace, from any control but a text box's text.
template <class Form> void speedKeys(Form &form)
{
    form.Picture1->setFocus();
    press(&form, Qt::Key_1, Qt::ControlModifier);
    EXPECT_EQ(form.pacer().pace(), common::Pace::Slow);
    press(&form, Qt::Key_2, Qt::ControlModifier);
    EXPECT_EQ(form.pacer().pace(), common::Pace::Normal);
    press(&form, Qt::Key_3, Qt::ControlModifier);
    EXPECT_EQ(form.pacer().pace(), common::Pace::Fast);
    // A letter typed into a text box is text, not a shortcut.
    form.Text1->setFocus();
    form.Text1->clear();
    press(&form, Qt::Key_P);
    press(&form, Qt::Key_N);
    EXPECT_EQ(form.Text1->text(), QStringLiteral("pn"));
}

// The menu: its entries with their shortcuts, opened by a right-click on a plot and
// by Shift+F10.
template <class Form> void contextMenuEntries(Form &form, const QString &bandEntry)
{
    QMenu *menu = form.contextMenu().menu();
    struct Entry {
        QString text;
        QKeySequence key;
    };
    std::vector<Entry> entries;
    for (QAction *a : menu->actions()) {
        if (a->isSeparator())
            continue;
        if (a->menu())
            for (QAction *sub : a->menu()->actions())
                entries.push_back({sub->text(), sub->shortcut()});
        else
            entries.push_back({a->text(), a->shortcut()});
    }
    const std::vector<Entry> expected = {
        {QStringLiteral("次のバッチを実行"), QKeySequence(Qt::Key_F5)},
        {QStringLiteral("低速（1 バッチ約 10 秒）"), QKeySequence(Qt::CTRL | Qt::Key_1)},
        {QStringLiteral("標準（1 バッチ約 2 秒）"), QKeySequence(Qt::CTRL | Qt::Key_2)},
        {QStringLiteral("高速（待ちなし）"), QKeySequence(Qt::CTRL | Qt::Key_3)},
        {QStringLiteral("一時停止"), QKeySequence(Qt::Key_P)},
        {QStringLiteral("光子を 1 個だけ進める"), QKeySequence(Qt::Key_N)},
        {QStringLiteral("この図をコピー"), QKeySequence()},
        {QStringLiteral("この図を画像として保存…"), QKeySequence()},
        {QStringLiteral("データを CSV で保存…"), QKeySequence()},
        {QStringLiteral("ウィンドウをコピー"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
        {QStringLiteral("ウィンドウを画像として保存…"),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {QStringLiteral("結果を CSV で保存…"), QKeySequence(Qt::CTRL | Qt::Key_S)},
        {bandEntry, QKeySequence(Qt::CTRL | Qt::Key_B)},
        {QStringLiteral("統計ウィンドウ"), QKeySequence(Qt::CTRL | Qt::Key_T)},
    };
    ASSERT_EQ(entries.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(entries[i].text, expected[i].text) << i;
        EXPECT_EQ(entries[i].key, expected[i].key) << i;
    }

    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(20, 20),
                                 form.Picture1->mapToGlobal(QPoint(20, 20)));
    QApplication::sendEvent(form.Picture1, &rightClick);
    EXPECT_TRUE(menu->isVisible()) << "right-click on a plot";
    menu->hide();
    form.Picture1->setFocus();
    press(&form, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(menu->isVisible()) << "Shift+F10";
    menu->hide();
}

} // namespace batchkeys
