// SPDX-License-Identifier: MIT
// Dartley's main window (Form1): the plot, the running estimate and the three buttons.
#pragma once

#include "common/gui/contextmenu.h"
#include "common/gui/form.h"
#include "common/gui/pacer.h"
#include "common/gui/statswindow.h"
#include "dartley/module1.h"

#include <memory>

class QLineEdit;
class QPushButton;

namespace dartley {

class Form1 : public common::Form {
    Q_OBJECT
public:
    Form1();
    ~Form1() override;

    common::PictureBox *Picture1 = nullptr;
    QPushButton *Command1 = nullptr; // "GO", then "Continue"
    QPushButton *Command2 = nullptr; // "EXIT"
    QPushButton *Command3 = nullptr; // "Reset"
    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLineEdit *Text3 = nullptr;

    Module1 &module() { return *module_; }
    common::ContextMenu &contextMenu() { return *menu_; }
    common::StatisticsWindow &statistics() { return *stats_; }
    common::Controls &controls() { return controls_; }
    common::Pacer &pacer() { return pacer_; }
    // count batches back to back, as GO pressed count times; between them the window
    // shows the results and EXIT or the close box end the program at once.
    void runBatches(int count);

protected:
    bool Load() override;
    void retranslate() override;
    void programEnding() override { pacer_.cancel(); }

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    std::unique_ptr<Module1> module_;
    bool continued_ = false; // a batch has run: GO reads Continue
    // A single batch runs whole in the click (it is instantaneous); runs of many go
    // through the pacer, a batch of dots a step, the window repainted between steps.
    common::Pacer pacer_{1, this};
    common::ContextMenu *menu_ = nullptr;
    common::StatisticsWindow *stats_ = nullptr;
    // The statistics window's numbers and plot from the results so far.
    void updateStatistics();
    // After a batch or Reset: what follows the results besides the text boxes.
    void resultsChanged();
    // The plot's counts for a screen reader.
    void describePlot();
};

} // namespace dartley
