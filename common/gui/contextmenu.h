// SPDX-License-Identifier: MIT
#pragma once

#include <QAction>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QPushButton>

#include "common/gui/exports.h"

#include <functional>
#include <utility>
#include <vector>

class QMenu;
class QWidget;

namespace common {

class Pacer;
class PictureBox;
class StatisticsWindow;
struct Material;

// The menu of a main window: right-click anywhere on the window (a text box keeps its
// own edit menu), Shift+F10 or the Menu key. Each main window fills it with its
// entries; every entry's shortcuts work while the menu is closed too, anywhere in the
// window, and the menu shows the first of them. Every entry has a mnemonic (its
// underlined letter, unique within its menu), so the keyboard reaches it after
// Shift+F10.
class ContextMenu : public QObject {
    Q_OBJECT
public:
    explicit ContextMenu(QWidget *window);
    ~ContextMenu() override;

    // Runs that many batches back to back (the "10 回" and "100 回" entries).
    using RunBatches = std::function<void(int count)>;

    // The whole menu of a window whose batches a pacer runs: the next batch and the
    // runs of many, the pacing entries, the exports.
    static ContextMenu *forBatchWindow(QWidget *window, QPushButton *go, Pacer &pacer,
                                       RunBatches runMany, ExportSource exports);
    // A window of plots only (the statistics window): copy and save.
    static ContextMenu *forPlotsOf(QWidget *window, ExportSource exports);

    // An entry's text in the language in use: asked again after a language change.
    using Text = std::function<QString()>;

    QAction *addEntry(Text text, const QList<QKeySequence> &shortcuts,
                      std::function<void()> triggered, QMenu *into = nullptr);
    QMenu *addSubmenu(Text title);
    void addSeparator();

    // "Run the next batch": clicks GO when GO is enabled, with F5 and Page Down (a
    // presenter's remote sends Page Down) and any further keys given; then "10 回"
    // (Shift+F5) and "100 回" (Ctrl+F5), which hand runMany the count when GO is
    // enabled. All three are greyed out while GO is.
    QAction *addRunBatch(QPushButton *go, const QList<QKeySequence> &moreKeys, RunBatches runMany);
    // The material submenu, after the run entries: one entry per material, the default
    // checked. choose() switches and says whether it did; when it did not (the file
    // could not be read), the check stays on the material in use. Greyed out while a
    // batch runs.
    QMenu *addMaterials(Pacer &pacer, std::function<bool(const Material &)> choose);
    // Speed (Slow, Normal, Fast: Ctrl+1..3), Pause/Resume (P, Space, Pause) and one
    // photon (N) for a window whose batches a pacer runs.
    void addPacing(Pacer &pacer);
    // Copy and save: for the plot the menu was opened on, this plot (copy, save as a
    // picture) and the data; for the window, the window copied (Ctrl+Shift+C), saved
    // as a picture (Ctrl+Shift+S) and its results saved as CSV (Ctrl+S).
    void addExports(ExportSource source);
    // A choice that is on or off (shown with a check mark).
    QAction *addToggle(Text text, const QList<QKeySequence> &shortcuts,
                       std::function<void(bool)> toggled);
    // The statistics window, opened and closed with Ctrl+T; its plot gets the copy and
    // save entries of a menu of its own.
    QAction *addStatistics(StatisticsWindow &window, ExportSource exports);
    // 日本語 or English for every window of the program, at once and at the next start.
    void addLanguages();

    QMenu *menu() const { return menu_; }
    // Opens the menu at a point of the screen; by keyboard, at the focused control.
    void popup(const QPoint &globalPos);
    void popupAtFocus();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *window_;
    QMenu *menu_;
    QList<std::pair<QPointer<QAction>, Text>> texts_; // retranslated on a language change
    std::vector<std::function<void()>> refreshers_;   // texts that follow a state
    QList<QPointer<QAction>> runEntries_;             // greyed out with GO
    QPointer<QAction> pacingStart_;                   // where the pacing entries begin
    const QObject *goButton_ = nullptr;               // compared only: it may be under destruction
    QPointer<PictureBox> plot_;                       // the plot the menu was opened on
    QList<QPointer<QAction>> plotEntries_;            // shown only then
    void aimAt(QWidget *widget);
    // Enabled only while the pacer runs no batch.
    void greyWhileRunning(QAction *action, Pacer &pacer);
};

} // namespace common
