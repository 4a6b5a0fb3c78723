// SPDX-License-Identifier: MIT
#include "common/gui/contextmenu.h"

#include "common/core/materials.h"
#include "common/gui/language.h"
#include "common/gui/pacer.h"
#include "common/gui/picturebox.h"
#include "common/gui/statswindow.h"

#include <QAction>
#include <QActionGroup>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QWidget>

#include <memory>

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
                                         RunBatches runMany, ExportSource exports)
{
    auto *menu = new ContextMenu(window);
    menu->addRunBatch(go, {}, std::move(runMany));
    menu->addSeparator();
    menu->addPacing(pacer);
    menu->addExports(std::move(exports));
    menu->lockResultsWhileRunning(pacer);
    return menu;
}

void ContextMenu::lockResultsWhileRunning(Pacer &pacer)
{
    pacer_ = &pacer;
    for (const QPointer<QAction> &a : resultEntries_)
        greyWhileRunning(a);
}

void ContextMenu::greyWhileRunning(QAction *action)
{
    auto lock = [action = QPointer<QAction>(action), pacer = pacer_] {
        if (action)
            action->setEnabled(!pacer->running());
    };
    connect(pacer_, &Pacer::stateChanged, this, lock);
    lock();
}

QAction *ContextMenu::addEntry(Text text, const QList<QKeySequence> &shortcuts,
                               std::function<void()> triggered, QMenu *into)
{
    auto *action = new QAction(text(), this);
    texts_.append({action, std::move(text)});
    action->setShortcuts(shortcuts);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [triggered = std::move(triggered)] { triggered(); });
    (into ? into : menu_)->addAction(action);
    // Also on the window, so that the keys work while the menu is closed.
    window_->addAction(action);
    return action;
}

QMenu *ContextMenu::addSubmenu(Text title)
{
    QMenu *sub = menu_->addMenu(title());
    texts_.append({sub->menuAction(), std::move(title)});
    return sub;
}

void ContextMenu::addSeparator() { menu_->addSeparator(); }

QAction *ContextMenu::addRunBatch(QPushButton *go, const QList<QKeySequence> &moreKeys,
                                  RunBatches runMany)
{
    QList<QKeySequence> keys{QKeySequence(Qt::Key_F5), QKeySequence(Qt::Key_PageDown)};
    keys += moreKeys;
    QPointer<QPushButton> button(go);
    auto live = [button] { return button && button->isEnabled() && button->isVisible(); };
    QAction *run = addEntry([] { return tr("次のバッチを実行(&G)"); }, keys,
                            [button, live] {
                                if (live())
                                    button->click();
                            });
    runEntries_ = {run};
    struct Many {
        int count;
        Text text;
        QKeySequence key;
    };
    for (const Many &m :
         {Many{10, [] { return tr("10 回(&T)"); }, QKeySequence(Qt::SHIFT | Qt::Key_F5)},
          Many{100, [] { return tr("100 回(&H)"); }, QKeySequence(Qt::CTRL | Qt::Key_F5)}})
        runEntries_.append(addEntry(m.text, {m.key}, [live, runMany, count = m.count] {
            if (live())
                runMany(count);
        }));
    // Greyed out while GO is, during a batch.
    go->installEventFilter(this);
    goButton_ = go;
    return run;
}

QMenu *ContextMenu::addMaterials(Pacer &pacer, std::function<bool(const Material &)> choose)
{
    const Text title = [] { return tr("材質(&M)"); };
    auto *sub = new QMenu(title(), menu_);
    menu_->insertMenu(pacingStart_, sub);
    texts_.append({sub->menuAction(), title});
    menu_->insertSeparator(pacingStart_);
    auto *group = new QActionGroup(this);
    auto current = std::make_shared<QPointer<QAction>>();
    for (const Material &m : materials()) {
        QAction *a = addEntry([&m] { return menuText(m); }, {}, [] {}, sub);
        a->setCheckable(true);
        group->addAction(a);
        if (&m == &defaultMaterial()) {
            a->setChecked(true);
            *current = a;
        }
        connect(a, &QAction::triggered, this, [a, &m, choose, current] {
            if (a == *current)
                return;
            if (choose(m))
                *current = a;
            else if (*current)
                (*current)->setChecked(true);
        });
    }
    pacer_ = &pacer;
    greyWhileRunning(sub->menuAction());
    return sub;
}

void ContextMenu::addPacing(Pacer &pacer)
{
    QMenu *speed = addSubmenu([] { return tr("速度(&S)"); });
    pacingStart_ = speed->menuAction();
    auto *group = new QActionGroup(this);
    struct Choice {
        Pace pace;
        Text text;
        Qt::Key key;
    };
    const Choice choices[] = {
        {Pace::Slow, [] { return tr("低速（1 バッチ約 10 秒）(&L)"); }, Qt::Key_1},
        {Pace::Normal, [] { return tr("標準（1 バッチ約 2 秒）(&N)"); }, Qt::Key_2},
        {Pace::Fast, [] { return tr("高速（待ちなし）(&F)"); }, Qt::Key_3}};
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
        [] { return tr("一時停止(&P)"); },
        {QKeySequence(Qt::Key_P), QKeySequence(Qt::Key_Space), QKeySequence(Qt::Key_Pause)},
        [&pacer] { pacer.togglePause(); });
    QAction *step = addEntry([] { return tr("光子を 1 個だけ進める(&O)"); },
                             {QKeySequence(Qt::Key_N)}, [&pacer] { pacer.step(); });
    // Pause and the single step act during a batch only: at other times their keys
    // belong to the controls (Space presses a focused button).
    auto show = [&pacer, paces, pause, step] {
        for (int i = 0; i < paces.size(); ++i)
            paces[i]->setChecked(pacer.pace() == Pace(i));
        pause->setText(pacer.paused() ? tr("再開(&P)") : tr("一時停止(&P)"));
        pause->setEnabled(pacer.running());
        step->setEnabled(pacer.running() && pacer.paused());
    };
    connect(&pacer, &Pacer::stateChanged, this, show);
    refreshers_.push_back(show); // Pause or Resume, in the new language
    show();
}

void ContextMenu::addExports(ExportSource source)
{
    addSeparator();
    auto plotEntry = [this](Text text, std::function<void(PictureBox &)> act) {
        QAction *a = addEntry(std::move(text), {}, [this, act = std::move(act)] {
            if (plot_)
                act(*plot_);
        });
        plotEntries_.append(a);
    };
    plotEntry([] { return tr("この図をコピー(&C)"); },
              [](PictureBox &box) { copyImageToClipboard(plotImage(box, 2)); });
    plotEntry([] { return tr("この図を画像として保存…(&I)"); },
              [source](PictureBox &box) { savePlotPictureAs(source, box); });
    plotEntry([] { return tr("データを CSV で保存…(&D)"); },
              [source](PictureBox &) { saveResultsAs(source); });
    resultEntries_.append(plotEntries_.back());
    addSeparator();
    addEntry([] { return tr("ウィンドウをコピー(&W)"); },
             {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
             [source] { copyImageToClipboard(windowImage(*source.window, 2)); });
    addEntry([] { return tr("ウィンドウを画像として保存…(&E)"); },
             {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
             [source] { saveWindowPictureAs(source); });
    resultEntries_.append(addEntry([] { return tr("結果を CSV で保存…(&R)"); },
                                   {QKeySequence(Qt::CTRL | Qt::Key_S)},
                                   [source] { saveResultsAs(source); }));
    aimAt(nullptr);
}

QAction *ContextMenu::addToggle(Text text, const QList<QKeySequence> &shortcuts,
                                std::function<void(bool)> toggled)
{
    QAction *action = addEntry(std::move(text), shortcuts, [] {});
    action->setCheckable(true);
    connect(action, &QAction::toggled, this,
            [toggled = std::move(toggled)](bool on) { toggled(on); });
    return action;
}

QAction *ContextMenu::addStatistics(StatisticsWindow &window, ExportSource exports)
{
    ContextMenu *plots = forPlotsOf(&window, std::move(exports));
    // Its CSV is the main window's: complete only between batches.
    if (pacer_)
        plots->lockResultsWhileRunning(*pacer_);
    addSeparator();
    return addEntry([] { return tr("統計ウィンドウ(&K)"); }, {QKeySequence(Qt::CTRL | Qt::Key_T)},
                    [&window] { window.toggle(); });
}

void ContextMenu::addLanguages()
{
    addSeparator();
    QMenu *sub = addSubmenu([] { return tr("言語(&L)"); });
    auto *group = new QActionGroup(this);
    // Each language by its own name, the same in both.
    const std::pair<Language, const char *> choices[] = {{Language::Japanese, "日本語(&J)"},
                                                         {Language::English, "English(&E)"}};
    QList<std::pair<QAction *, Language>> entries;
    for (const auto &[language, name] : choices) {
        QAction *a = addEntry([name = name] { return QString::fromUtf8(name); }, {},
                              [language = language] { setLanguage(language, true); }, sub);
        a->setCheckable(true);
        group->addAction(a);
        entries.append({a, language});
    }
    auto check = [entries] {
        for (const auto &[action, language] : entries)
            action->setChecked(language == currentLanguage());
    };
    refreshers_.push_back(check);
    check();
    // A switch recomputes what the windows show from the results; inside a batch they
    // are half counted.
    if (pacer_)
        greyWhileRunning(sub->menuAction());
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
    if (watched == window_ && event->type() == QEvent::LanguageChange) {
        for (const auto &[action, text] : texts_)
            if (action)
                action->setText(text());
        for (const auto &refresh : refreshers_)
            refresh();
    }
    if (watched == window_ && event->type() == QEvent::ContextMenu) {
        popup(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    }
    if (watched == goButton_ && event->type() == QEvent::EnabledChange)
        for (const QPointer<QAction> &a : runEntries_)
            if (a)
                a->setEnabled(static_cast<QWidget *>(watched)->isEnabled());
    return QObject::eventFilter(watched, event);
}

} // namespace common
