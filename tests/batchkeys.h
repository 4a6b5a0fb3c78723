// SPDX-License-Identifier: MIT
// The keyboard and the pace of a main window whose batches a pacer runs (Stelmo,
// Rhunel): the same checks for both, each program's test calls them on its window.
#pragma once

#include "common/core/csv.h"
#include "common/core/materialfile.h"
#include "common/core/materials.h"
#include "common/gui/contextmenu.h"
#include "common/gui/exports.h"
#include "common/gui/pacer.h"
#include "common/gui/picturebox.h"
#include "common/gui/statswindow.h"
#include "tests/testutil.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
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
// at every turn of the event loop, between the pacer's steps and while it is paused. A step returns
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

// Pause after the first photon, many turns held, N for one photon, many turns held, then
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
    EXPECT_EQ(form.module().Results.PhotonCount, 0);
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
    EXPECT_EQ(form.module().Results.PhotonCount, photonsPerBatch) << "Return in the energy box";
    EXPECT_EQ(form.Command1->text(), QStringLiteral("Continue"));

    for (Qt::Key key : {Qt::Key_F5, Qt::Key_PageDown}) {
        const auto before = form.module().Results.PhotonCount;
        form.Picture2->setFocus();
        press(&form, key);
        EXPECT_EQ(form.module().Results.PhotonCount, before + photonsPerBatch)
            << QTest::toString(key);
    }

    // Pressed again and again inside a batch: still one batch.
    const auto before = form.module().Results.PhotonCount;
    Script script([&](int turn) {
        if (!form.pacer().running())
            return false;
        press(&form, turn % 2 ? Qt::Key_F5 : Qt::Key_PageDown);
        return turn < 20;
    });
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    EXPECT_EQ(form.module().Results.PhotonCount, before + photonsPerBatch);

    QTest::mouseClick(form.Command3, Qt::LeftButton); // Reset / Clear empties the box
    testutil::MessageCatcher seen;
    seen.arm();
    form.Text1->setFocus();
    press(&form, Qt::Key_Enter);
    EXPECT_EQ(seen.count, 1);
    EXPECT_TRUE(seen.text.contains(QStringLiteral("Input Photon energy")));
    EXPECT_EQ(form.module().Results.PhotonCount, 0);
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
// Every entry of a menu and its submenus has one mnemonic, a letter or digit no other
// entry of the same menu has: after Shift+F10 the keyboard reaches each.
inline void expectMnemonics(QMenu *menu)
{
    QSet<QChar> taken;
    for (QAction *a : menu->actions()) {
        if (a->isSeparator())
            continue;
        const QString text = a->text();
        const qsizetype at = text.indexOf(QLatin1Char('&'));
        ASSERT_GE(at, 0) << "no mnemonic: " << text.toStdString();
        ASSERT_LT(at + 1, text.size()) << text.toStdString();
        EXPECT_EQ(text.indexOf(QLatin1Char('&'), at + 1), -1) << text.toStdString();
        const QChar letter = text[at + 1].toUpper();
        EXPECT_TRUE(letter.isLetterOrNumber()) << text.toStdString();
        EXPECT_FALSE(taken.contains(letter)) << "mnemonic taken twice: " << text.toStdString();
        taken.insert(letter);
        if (a->menu())
            expectMnemonics(a->menu());
    }
}

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
        {QStringLiteral("次のバッチを実行(&G)"), QKeySequence(Qt::Key_F5)},
        {QStringLiteral("10 回(&T)"), QKeySequence(Qt::SHIFT | Qt::Key_F5)},
        {QStringLiteral("100 回(&H)"), QKeySequence(Qt::CTRL | Qt::Key_F5)},
        {QStringLiteral("ICRU 軟部組織(&T)"), QKeySequence()},
        {QStringLiteral("水(&W)"), QKeySequence()},
        {QStringLiteral("皮質骨(&B)"), QKeySequence()},
        {QStringLiteral("脂肪組織(&F)"), QKeySequence()},
        {QStringLiteral("筋肉(&M)"), QKeySequence()},
        {QStringLiteral("肺(&L)"), QKeySequence()},
        {QStringLiteral("PMMA(&A)"), QKeySequence()},
        {QStringLiteral("アルミニウム(&U)"), QKeySequence()},
        {QStringLiteral("銅(&C)"), QKeySequence()},
        {QStringLiteral("鉛(&P)"), QKeySequence()},
        {QStringLiteral("低速（1 バッチ約 10 秒）(&L)"), QKeySequence(Qt::CTRL | Qt::Key_1)},
        {QStringLiteral("標準（1 バッチ約 2 秒）(&N)"), QKeySequence(Qt::CTRL | Qt::Key_2)},
        {QStringLiteral("高速（待ちなし）(&F)"), QKeySequence(Qt::CTRL | Qt::Key_3)},
        {QStringLiteral("一時停止(&P)"), QKeySequence(Qt::Key_P)},
        {QStringLiteral("光子を 1 個だけ進める(&O)"), QKeySequence(Qt::Key_N)},
        {QStringLiteral("この図をコピー(&C)"), QKeySequence()},
        {QStringLiteral("この図を画像として保存…(&I)"), QKeySequence()},
        {QStringLiteral("データを CSV で保存…(&D)"), QKeySequence()},
        {QStringLiteral("ウィンドウをコピー(&W)"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
        {QStringLiteral("ウィンドウを画像として保存…(&E)"),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {QStringLiteral("結果を CSV で保存…(&R)"), QKeySequence(Qt::CTRL | Qt::Key_S)},
        {bandEntry, QKeySequence(Qt::CTRL | Qt::Key_B)},
        {QStringLiteral("統計ウィンドウ(&K)"), QKeySequence(Qt::CTRL | Qt::Key_T)},
        {QStringLiteral("日本語(&J)"), QKeySequence()},
        {QStringLiteral("English(&E)"), QKeySequence()},
    };
    ASSERT_EQ(entries.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(entries[i].text, expected[i].text) << i;
        EXPECT_EQ(entries[i].key, expected[i].key) << i;
    }
    expectMnemonics(menu);

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

// "10 回" (Shift+F5) at the default pace: the nine batches before the last run
// unpaced, the last at the chosen pace (here switched to Fast once it starts, to keep
// the test short); GO and Reset/Clear stay locked from the first photon to the end;
// the photon count is shown after every batch; ten batches' photons in all.
template <class Form> void tenBatchesAtOnce(Form &form, int photonsPerBatch)
{
    form.pacer().setPace(common::Pace::Normal);
    form.Picture1->setFocus();
    bool unlocked = false, lastPaced = false, wrongPace = false;
    QSet<QString> shownCounts;
    QObject::connect(form.Text2, &QLineEdit::textChanged, form.Text2,
                     [&](const QString &text) { shownCounts.insert(text); });
    Script script([&](int) {
        if (!form.pacer().running())
            return false;
        const auto finished = form.module().Results.PhotonCount / photonsPerBatch;
        unlocked = unlocked || form.Command1->isEnabled() || form.Command3->isEnabled();
        wrongPace = wrongPace || form.pacer().unpaced() != (finished < 9);
        if (finished == 9 && !lastPaced) {
            lastPaced = !form.pacer().unpaced();
            form.pacer().setPace(common::Pace::Fast);
        }
        return true;
    });
    press(&form, Qt::Key_F5, Qt::ShiftModifier);
    EXPECT_EQ(form.module().Results.PhotonCount, 10 * photonsPerBatch);
    EXPECT_TRUE(lastPaced) << "the last batch runs at the chosen pace";
    EXPECT_FALSE(wrongPace) << "only the batches before the last run unpaced";
    EXPECT_FALSE(unlocked) << "GO or Reset/Clear came free inside the run";
    QObject::disconnect(form.Text2, &QLineEdit::textChanged, form.Text2, nullptr);
    for (int b = 1; b <= 9; ++b)
        EXPECT_TRUE(shownCounts.contains(QString::number(b * photonsPerBatch)))
            << "the count follows every batch: " << b;
    EXPECT_EQ(form.Text2->text(), QString::number(10 * photonsPerBatch));
    EXPECT_EQ(form.Command1->text(), QStringLiteral("Continue"));
    EXPECT_FALSE(form.pacer().running());
    EXPECT_EQ(form.pacer().pace(), common::Pace::Fast) << "the chosen pace is kept";
    EXPECT_EQ(QApplication::focusWidget(), static_cast<QWidget *>(form.Command1));
}

// Inside "100 回" Pause holds at once, across the batches, and EXIT ends the program at
// once: no further batch is counted.
template <class Form> void pauseAndExitInsideManyBatches(Form &form, int photonsPerBatch)
{
    std::vector<std::int64_t> whilePaused;
    std::int64_t atExit = -1;
    int turnPaused = 0;
    Script script([&](int turn) {
        if (turnPaused == 0 && form.module().Results.PhotonCount >= 3 * photonsPerBatch) {
            press(&form, Qt::Key_P);
            turnPaused = turn;
        } else if (turnPaused > 0 && turn < turnPaused + 40) {
            whilePaused.push_back(form.module().Results.PhotonCount * 1000 +
                                  form.pacer().photonsDone());
        } else if (turnPaused > 0) {
            atExit = form.module().Results.PhotonCount;
            QTest::mouseClick(form.Command2, Qt::LeftButton);
            return false;
        }
        return true;
    });
    press(&form, Qt::Key_F5, Qt::ControlModifier);
    ASSERT_FALSE(whilePaused.empty());
    for (std::int64_t v : whilePaused)
        EXPECT_EQ(v, whilePaused.front()) << "a photon ran while paused";
    EXPECT_TRUE(testutil::quitRequested());
    EXPECT_EQ(form.module().Results.PhotonCount, atExit) << "a batch was counted after EXIT";
    EXPECT_LT(form.module().Results.PhotonCount, 100 * photonsPerBatch);
    testutil::settleApplication();
}

#ifdef MCT_DATA_DIR
// The shipped material files, read as the programs read theirs.
inline common::MaterialFileReader shippedMaterials(common::MaterialBlocks blocks)
{
    return [blocks](const QString &fileName, common::MaterialTable &table) {
        return common::readMaterialFile(QStringLiteral(MCT_DATA_DIR "/") + fileName, blocks, table);
    };
}
#endif

inline const common::Material &materialByFile(const char *fileName)
{
    for (const common::Material &m : common::materials())
        if (QLatin1String(m.fileName) == QLatin1String(fileName))
            return m;
    ADD_FAILURE() << "no material " << fileName;
    return common::defaultMaterial();
}

// The material's entry, reached as the keyboard does: Shift+F10, the submenu's letter
// (M), the material's letter.
template <class Form> void chooseMaterialByKeys(Form &form, Qt::Key letter)
{
    // Shortcuts reach the active window only (a warning box just closed may still hold it).
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.Picture1->setFocus();
    press(&form, Qt::Key_F10, Qt::ShiftModifier);
    QWidget *menu = QApplication::activePopupWidget();
    ASSERT_NE(menu, nullptr) << "Shift+F10 opens the menu";
    QTest::keyClick(menu, Qt::Key_M);
    QWidget *submenu = QApplication::activePopupWidget();
    ASSERT_NE(submenu, menu) << "M opens the material submenu";
    QTest::keyClick(submenu, letter);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "the choice closes the menu";
}

// The plot's picture as SVG text: what it draws, texts included.
inline QByteArray plotSvg(const common::PictureBox &box)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plot.svg"));
    EXPECT_EQ(common::savePlotPicture(box, path), QString());
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// A comment of a results table by its name.
inline QString comment(const common::CsvTable &csv, const QString &name)
{
    for (const auto &[key, value] : csv.comments)
        if (key == name)
            return value;
    ADD_FAILURE() << "no comment " << name.toStdString();
    return {};
}

// The material submenu's entry in the menu.
template <class Form> QAction *materialMenu(Form &form)
{
    for (QAction *a : form.contextMenu().menu()->actions())
        if (a->menu() && a->text() == QStringLiteral("材質(&M)"))
            return a;
    ADD_FAILURE() << "no material submenu";
    return nullptr;
}

// The submenu's checked entry.
template <class Form> QString checkedMaterial(Form &form)
{
    if (QAction *sub = materialMenu(form))
        for (QAction *m : sub->menu()->actions())
            if (m->isChecked())
                return m->text();
    return {};
}

// After batches, water by the keyboard: the results cleared as Reset/Clear clears them,
// the typed energy kept (and editable), the track plot naming water, the generator
// running on where it was (not seeded again); the check mark on water.
template <class Form>
void switchClearsResultsKeepsEnergy(Form &form, const QString &defaultLabel,
                                    const QString &waterLabel)
{
    EXPECT_EQ(checkedMaterial(form), QStringLiteral("ICRU 軟部組織(&T)"));
    EXPECT_TRUE(plotSvg(*form.Picture1).contains(defaultLabel.toUtf8()));
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    const QString typed = form.Text1->text();
    ASSERT_FALSE(form.Text1->isEnabled());
    auto generator = form.module().Random;

    testutil::MessageCatcher seen;
    seen.arm();
    chooseMaterialByKeys(form, Qt::Key_W);
    EXPECT_EQ(seen.count, 0) << seen.text.toStdString();
    EXPECT_EQ(form.module().Material, &materialByFile("water.dat"));
    EXPECT_EQ(checkedMaterial(form), QStringLiteral("水(&W)"));
    EXPECT_EQ(form.module().Results.PhotonCount, 0);
    EXPECT_TRUE(form.module().Results.MeanHistory.empty());
    EXPECT_TRUE(form.Text2->text().isEmpty());
    EXPECT_EQ(form.Text1->text(), typed) << "the typed energy stays";
    EXPECT_TRUE(form.Text1->isEnabled());
    EXPECT_EQ(form.Command1->text(), QStringLiteral("GO"));
    const QByteArray svg = plotSvg(*form.Picture1);
    EXPECT_TRUE(svg.contains(waterLabel.toUtf8())) << "the plot names the material";
    EXPECT_FALSE(svg.contains(defaultLabel.toUtf8()));
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(form.module().Random.Next(), generator.Next()) << "seeded again";
}

// A file that cannot be read: a warning naming the file and the material kept, the
// material, its check mark and the results all as they were.
template <class Form> void unreadableMaterialKeepsTheCurrentOne(Form &form)
{
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    const auto photons = form.module().Results.PhotonCount;
    const QString count = form.Text2->text();
    form.setMaterialFileReader([](const QString &fileName, common::MaterialTable &table) {
        table = {};
        return fileName + QStringLiteral(", item 7 (line 3): expected a number");
    });
    testutil::MessageCatcher seen;
    seen.arm();
    chooseMaterialByKeys(form, Qt::Key_P);
    EXPECT_EQ(seen.count, 1);
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_TRUE(seen.text.contains(QStringLiteral("lead.dat, item 7 (line 3)")))
        << seen.text.toStdString();
    EXPECT_TRUE(seen.text.contains(QStringLiteral("ICRU 軟部組織"))) << seen.text.toStdString();
    EXPECT_EQ(form.module().Material, &common::defaultMaterial());
    EXPECT_EQ(checkedMaterial(form), QStringLiteral("ICRU 軟部組織(&T)"));
    EXPECT_EQ(form.module().Results.PhotonCount, photons);
    EXPECT_EQ(form.Text2->text(), count);
}

// While a batch runs the material cannot change.
template <class Form> void noMaterialSwitchDuringABatch(Form &form)
{
    bool menuLive = false, switched = false;
    Script script([&](int) {
        if (!form.pacer().running())
            return false;
        menuLive = menuLive || materialMenu(form)->isEnabled();
        switched = switched || form.useMaterial(materialByFile("water.dat"));
        return true;
    });
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    EXPECT_FALSE(menuLive);
    EXPECT_FALSE(switched);
    EXPECT_EQ(form.module().Material, &common::defaultMaterial());
    EXPECT_TRUE(materialMenu(form)->isEnabled()) << "live again after the batch";
}

// What the statistics window shows: its lines and its plot.
struct StatisticsShown {
    QStringList lines;
    QImage plot;
    bool operator==(const StatisticsShown &) const = default;
};
inline StatisticsShown statisticsShown(common::StatisticsWindow &window)
{
    StatisticsShown shown;
    for (QLabel *l : window.lineLabels())
        shown.lines << l->text();
    shown.plot = window.plot()->image();
    return shown;
}

// Inside a batch the results are those of the batches before it, whole: the statistics
// window opened half-way through a paced batch (Ctrl+T) shows exactly what it showed
// after the batch before; its CSV and the main window's save the same; the language
// can be switched and back, and the window still shows the same.
template <class Form> void committedResultsDuringABatch(Form &form, int photonsPerBatch)
{
    QAction *japanese = nullptr, *english = nullptr;
    for (QAction *a : form.contextMenu().menu()->actions())
        if (a->menu() && a->text() == QStringLiteral("言語(&L)"))
            for (QAction *l : a->menu()->actions())
                (l->text().startsWith(QStringLiteral("日本語")) ? japanese : english) = l;
    ASSERT_NE(japanese, nullptr);
    ASSERT_NE(english, nullptr);

    QTest::mouseClick(form.Command1, Qt::LeftButton);
    form.statistics().toggle();
    ASSERT_TRUE(form.statistics().isVisible());
    const StatisticsShown afterFirst = statisticsShown(form.statistics());
    const QString csvAfterFirst = form.module().resultsCsv().toUtf8();
    form.statistics().hide();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    form.pacer().setPace(common::Pace::Normal);
    bool languageLive = false, opened = false;
    StatisticsShown midBatch, afterSwitch;
    QString csvMidBatch;
    int photonsAtOpening = 0;
    Script script([&](int) {
        if (!form.pacer().running())
            return false;
        languageLive = languageLive || japanese->isEnabled();
        if (!opened && form.pacer().photonsDone() >= photonsPerBatch / 2) {
            opened = true;
            photonsAtOpening = form.pacer().photonsDone();
            press(&form, Qt::Key_T, Qt::ControlModifier);
            midBatch = statisticsShown(form.statistics());
            csvMidBatch = form.module().resultsCsv().toUtf8();
            english->trigger();
            japanese->trigger();
            afterSwitch = statisticsShown(form.statistics());
        }
        return true;
    });
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    ASSERT_TRUE(opened) << "the batch ended before half of it ran";
    EXPECT_GT(photonsAtOpening, 1);
    EXPECT_LT(photonsAtOpening, photonsPerBatch);
    EXPECT_TRUE(languageLive) << "a language switch is offered during a batch";
    EXPECT_TRUE(midBatch == afterFirst) << "half-counted results in the statistics window";
    EXPECT_TRUE(afterSwitch == afterFirst) << "a language switch read half-counted results";
    EXPECT_EQ(csvMidBatch, csvAfterFirst);
    // Its own refresh at the batch's end shows the second batch.
    EXPECT_TRUE(form.statistics().isVisible());
    EXPECT_FALSE(statisticsShown(form.statistics()) == afterFirst);
    EXPECT_EQ(form.module().Results.PhotonCount, 2 * photonsPerBatch);
    form.statistics().hide();
    form.pacer().setPace(common::Pace::Fast);
}

} // namespace batchkeys
