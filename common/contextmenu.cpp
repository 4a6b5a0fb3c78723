// SPDX-License-Identifier: MIT
#include "common/contextmenu.h"

#include "common/pacer.h"
#include "common/picturebox.h"
#include "common/statswindow.h"

#include <QAction>
#include <QActionGroup>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QWidget>

namespace common {

ContextMenu::ContextMenu(QWidget *window)
    : QObject(window), window_(window), menu_(new QMenu(window))
{
    window_->installEventFilter(this);
    // The keyboard's ways to the menu; not entries of it.
    for (const QKeySequence &key :
         {QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)}) {
        auto *open = new QAction(this);
        open->setShortcut(key);
        open->setShortcutContext(Qt::WindowShortcut);
        connect(open, &QAction::triggered, this, &ContextMenu::popupAtFocus);
        window_->addAction(open);
    }
}

ContextMenu::~ContextMenu() = default;

ContextMenu *ContextMenu::forPlotsOf(QWidget *window, ExportSource exports)
{
    auto *menu = new ContextMenu(window);
    menu->addExports(std::move(exports));
    return menu;
}

ContextMenu *ContextMenu::forBatchWindow(QWidget *window, QPushButton *go, Pacer &pacer,
                                         ExportSource exports)
{
    auto *menu = new ContextMenu(window);
    menu->addRunBatch(go);
    menu->addSeparator();
    menu->addPacing(pacer);
    menu->addExports(std::move(exports));
    // The counts of a batch are complete only at its end: no CSV while one runs.
    auto lock = [menu, &pacer] {
        for (const QPointer<QAction> &a : menu->resultEntries_)
            if (a)
                a->setEnabled(!pacer.running());
    };
    connect(&pacer, &Pacer::stateChanged, menu, lock);
    lock();
    return menu;
}

QAction *ContextMenu::addEntry(const QString &text, const QList<QKeySequence> &shortcuts,
                               std::function<void()> triggered, QMenu *into)
{
    auto *action = new QAction(text, this);
    action->setShortcuts(shortcuts);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [triggered = std::move(triggered)] { triggered(); });
    (into ? into : menu_)->addAction(action);
    // Also on the window, so that the keys work while the menu is closed.
    window_->addAction(action);
    return action;
}

QMenu *ContextMenu::addSubmenu(const QString &title) { return menu_->addMenu(title); }

void ContextMenu::addSeparator() { menu_->addSeparator(); }

QAction *ContextMenu::addRunBatch(QPushButton *go, const QList<QKeySequence> &moreKeys)
{
    QList<QKeySequence> keys{QKeySequence(Qt::Key_F5), QKeySequence(Qt::Key_PageDown)};
    keys += moreKeys;
    QPointer<QPushButton> button(go);
    QAction *run = addEntry(tr("次のバッチを実行"), keys, [button] {
        if (button && button->isEnabled() && button->isVisible())
            button->click();
    });
    // Greyed out while GO is, during a batch.
    go->installEventFilter(this);
    runBatch_ = run;
    goButton_ = go;
    return run;
}

void ContextMenu::addPacing(Pacer &pacer)
{
    QMenu *speed = addSubmenu(tr("速度"));
    auto *group = new QActionGroup(this);
    struct Choice {
        Pace pace;
        QString text;
        Qt::Key key;
    };
    const Choice choices[] = {{Pace::Slow, tr("低速（1 バッチ約 10 秒）"), Qt::Key_1},
                              {Pace::Normal, tr("標準（1 バッチ約 2 秒）"), Qt::Key_2},
                              {Pace::Fast, tr("高速（待ちなし）"), Qt::Key_3}};
    QList<QAction *> paces;
    for (const Choice &c : choices) {
        QAction *a = addEntry(
            c.text, {QKeySequence(Qt::CTRL | c.key)}, [&pacer, p = c.pace] { pacer.setPace(p); },
            speed);
        a->setCheckable(true);
        a->setChecked(pacer.pace() == c.pace);
        group->addAction(a);
        paces.append(a);
    }
    QAction *pause = addEntry(
        tr("一時停止"),
        {QKeySequence(Qt::Key_P), QKeySequence(Qt::Key_Space), QKeySequence(Qt::Key_Pause)},
        [&pacer] { pacer.togglePause(); });
    QAction *step = addEntry(tr("光子を 1 個だけ進める"), {QKeySequence(Qt::Key_N)},
                             [&pacer] { pacer.step(); });
    // Pause and the single step act during a batch only: at other times their keys
    // belong to the controls (Space presses a focused button).
    auto show = [&pacer, paces, pause, step, this] {
        for (int i = 0; i < paces.size(); ++i)
            paces[i]->setChecked(pacer.pace() == Pace(i));
        pause->setText(pacer.paused() ? tr("再開") : tr("一時停止"));
        pause->setEnabled(pacer.running());
        step->setEnabled(pacer.running() && pacer.paused());
    };
    connect(&pacer, &Pacer::stateChanged, this, show);
    show();
}

void ContextMenu::addExports(ExportSource source)
{
    addSeparator();
    auto plotEntry = [this](const QString &text, std::function<void(PictureBox &)> act) {
        QAction *a = addEntry(text, {}, [this, act = std::move(act)] {
            if (plot_)
                act(*plot_);
        });
        plotEntries_.append(a);
    };
    plotEntry(tr("この図をコピー"),
              [](PictureBox &box) { copyImageToClipboard(plotImage(box, 2)); });
    plotEntry(tr("この図を画像として保存…"),
              [source](PictureBox &box) { savePlotPictureAs(source, box); });
    plotEntry(tr("データを CSV で保存…"), [source](PictureBox &) { saveResultsAs(source); });
    resultEntries_.append(plotEntries_.back());
    addSeparator();
    addEntry(tr("ウィンドウをコピー"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
             [source] { copyImageToClipboard(windowImage(*source.window, 2)); });
    addEntry(tr("ウィンドウを画像として保存…"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
             [source] { saveWindowPictureAs(source); });
    resultEntries_.append(addEntry(tr("結果を CSV で保存…"), {QKeySequence(Qt::CTRL | Qt::Key_S)},
                                   [source] { saveResultsAs(source); }));
    aimAt(nullptr);
}

QAction *ContextMenu::addToggle(const QString &text, const QList<QKeySequence> &shortcuts,
                                std::function<void(bool)> toggled)
{
    QAction *action = addEntry(text, shortcuts, [] {});
    action->setCheckable(true);
    connect(action, &QAction::toggled, this,
            [toggled = std::move(toggled)](bool on) { toggled(on); });
    return action;
}

QAction *ContextMenu::addStatistics(StatisticsWindow &window, ExportSource exports)
{
    forPlotsOf(&window, std::move(exports));
    addSeparator();
    return addEntry(tr("統計ウィンドウ"), {QKeySequence(Qt::CTRL | Qt::Key_T)},
                    [&window] { window.toggle(); });
}

void ContextMenu::aimAt(QWidget *widget)
{
    // The plot entries belong to the plot under the pointer (or with the focus).
    plot_ = qobject_cast<PictureBox *>(widget);
    for (const QPointer<QAction> &a : plotEntries_)
        if (a)
            a->setVisible(plot_ != nullptr);
}

void ContextMenu::popup(const QPoint &globalPos)
{
    aimAt(window_->childAt(window_->mapFromGlobal(globalPos)));
    menu_->popup(globalPos);
}

void ContextMenu::popupAtFocus()
{
    QWidget *at = window_->focusWidget() ? window_->focusWidget() : window_;
    const QPoint pos = at->mapToGlobal(at->rect().center());
    aimAt(at);
    menu_->popup(pos);
}

bool ContextMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window_ && event->type() == QEvent::ContextMenu) {
        popup(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    }
    if (watched == goButton_ && event->type() == QEvent::EnabledChange && runBatch_)
        runBatch_->setEnabled(static_cast<QWidget *>(watched)->isEnabled());
    return QObject::eventFilter(watched, event);
}

} // namespace common
