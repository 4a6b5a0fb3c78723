// SPDX-License-Identifier: MIT
#pragma once

#include "common/gui/contextmenu.h"
#include "common/gui/form.h"
#include "common/gui/pacer.h"
#include "common/gui/statswindow.h"
#include "stelmo/module1.h"

#include <functional>
#include <memory>

class QLineEdit;
class QPushButton;

namespace stelmo {

// The main window: the track and transmittance plots, the energy, the results and
// the three buttons.
class Form1 : public common::Form {
    Q_OBJECT
public:
    explicit Form1(common::MaterialLoader loader = dataFileLoader());
    ~Form1() override;

    common::PictureBox *Picture1 = nullptr; // tracks
    common::PictureBox *Picture2 = nullptr; // transmittance
    QPushButton *Command1 = nullptr;        // "GO", then "Continue"
    QPushButton *Command2 = nullptr;        // "EXIT"
    QPushButton *Command3 = nullptr;        // "Reset"
    QLineEdit *Text1 = nullptr;             // photon energy, keV
    QLineEdit *Text2 = nullptr;             // photons so far
    QLineEdit *Text3 = nullptr;             // μ
    QLineEdit *Text4 = nullptr;             // mean sampled path
    QLineEdit *Text5 = nullptr;             // 1/μ

    Module1 &module() { return *module_; }
    common::Pacer &pacer() { return pacer_; }
    common::ContextMenu &contextMenu() { return *menu_; }
    common::StatisticsWindow &statistics() { return *stats_; }
    common::Controls &controls() { return controls_; }
    // How another material's file is read; tests hand in their own.
    void setMaterialFileReader(common::MaterialFileReader reader) { reader_ = std::move(reader); }
    // Switches to a material while no batch runs: reads its file, clears the results
    // as Reset does but keeps the typed energy. False, with a warning, when the file
    // cannot be read; the material in use stays.
    bool useMaterial(const common::Material &material);
    // count batches back to back, as GO pressed count times.
    void runBatches(int count);

protected:
    bool Load() override;
    void retranslate() override;
    void programEnding() override { pacer_.cancel(); }

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    common::MaterialLoader loader_;
    common::MaterialFileReader reader_ =
        common::materialFileReader(common::MaterialBlocks::Attenuation);
    common::Pacer pacer_{PhotonsPerBatch};
    common::ContextMenu *menu_ = nullptr;
    common::StatisticsWindow *stats_ = nullptr;
    // The statistics window's numbers and plot from the results so far.
    void updateStatistics();
    // After a batch, Reset or a new material: what follows the results besides the
    // text boxes.
    void resultsChanged();
    // What the plots show now, for a screen reader.
    void describePlots();
    // After Reset/Clear or a new material, the plots drawn empty: the result boxes
    // emptied, the energy box open again, GO.
    void showClearedResults();
    std::unique_ptr<Module1> module_;
};

} // namespace stelmo
