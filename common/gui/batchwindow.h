// SPDX-License-Identifier: MIT
// The main window of a program that sends batches of photons into a material (Stelmo,
// Rhunel): what the two have in common around their own layout, module and texts.
#pragma once

#include "common/core/csv.h"
#include "common/core/materialfile.h"
#include "common/core/materials.h"
#include "common/gui/contextmenu.h"
#include "common/gui/form.h"
#include "common/gui/pacer.h"
#include "common/gui/photonmodule.h"
#include "common/gui/statswindow.h"

#include <functional>
#include <initializer_list>
#include <vector>

class QLineEdit;
class QPushButton;

namespace common {

class PictureBox;

// The main window of a photon program: the buttons, the energy box, the pacer, the menu
// and the statistics window; the program adds its layout, its energy check and its
// texts.
class BatchWindow : public Form {
    Q_OBJECT
public:
    BatchWindow(const char *caption, int clientWidthTwips, int clientHeightTwips,
                int photonsPerBatch, MaterialLoader loader, MaterialFileReader reader);
    ~BatchWindow() override;

    PictureBox *Picture1 = nullptr;  // tracks
    PictureBox *Picture2 = nullptr;  // the results against theory
    QPushButton *Command1 = nullptr; // "GO", then "Continue"
    QPushButton *Command2 = nullptr; // "EXIT"
    QPushButton *Command3 = nullptr; // "Reset" / "Clear"
    QLineEdit *Text1 = nullptr;      // photon energy, keV
    QLineEdit *Text2 = nullptr;      // photons so far

    Pacer &pacer() { return pacer_; }
    ContextMenu &contextMenu() { return *menu_; }
    StatisticsWindow &statistics() { return *stats_; }
    Controls &controls() { return controls_; }
    // How another material's file is read; tests hand in their own.
    void setMaterialFileReader(MaterialFileReader reader) { reader_ = std::move(reader); }
    // Switches to a material while no batch runs: reads its file, clears the results
    // as Reset does but keeps the typed energy. False, with a warning, when the file
    // cannot be read; the material in use stays.
    bool useMaterial(const Material &material);
    // count batches back to back, as GO pressed count times; returns at once.
    void runBatches(int count);

protected:
    // Once the layout is built: the module, the boxes that show results (emptied by
    // Reset), the energy typed at start-up, the file-name stem of exports, the
    // statistics window's title, and the ±2σ band's menu text. Wires the buttons and
    // fills the menu; the program adds its own entries after it.
    struct Setup {
        PhotonModule *module = nullptr;
        std::vector<QLineEdit *> resultBoxes;
        QString startEnergy;
        QString exportStem;
        std::function<QString()> statisticsTitle;
        std::function<QString()> bandsText;
    };
    void setUp(const Setup &setup);

    // The typed energy checked and handed to the module; false (after a warning, if
    // any) when no batch may run.
    virtual bool takeEnergy() = 0;
    // The statistics window's content from the results so far.
    virtual void updateStatistics() = 0;
    // What the plots show now, for a screen reader.
    virtual void describePlots() = 0;

    // After a batch, Reset or a new material: what follows the results besides the
    // text boxes.
    void resultsChanged();

    bool Load() override;
    void retranslate() override;
    void programEnding() override { pacer_.cancel(); }

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    // After Reset/Clear or a new material: the result boxes emptied, the energy box
    // open again, GO.
    void showClearedResults();

    MaterialLoader loader_;
    MaterialFileReader reader_;
    Pacer pacer_;
    ContextMenu *menu_ = nullptr;
    StatisticsWindow *stats_ = nullptr;
    PhotonModule *module_ = nullptr;
    std::vector<QLineEdit *> resultBoxes_;
    QString startEnergy_;
};

} // namespace common
