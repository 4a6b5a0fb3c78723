// SPDX-License-Identifier: MIT
#include "common/gui/batchwindow.h"

#include "common/gui/application.h"
#include "common/gui/batchlock.h"
#include "common/gui/picturebox.h"

#include <QLineEdit>
#include <QPushButton>

namespace common {

BatchWindow::BatchWindow(const char *caption, int clientWidthTwips, int clientHeightTwips,
                         int photonsPerBatch, MaterialLoader loader, MaterialFileReader reader)
    : Form(Border::Main, caption, clientWidthTwips, clientHeightTwips), loader_(std::move(loader)),
      reader_(std::move(reader)), pacer_(photonsPerBatch, this)
{
}

BatchWindow::~BatchWindow() = default;

void BatchWindow::setUp(const Setup &setup)
{
    module_ = setup.module;
    resultBoxes_ = setup.resultBoxes;
    startEnergy_ = setup.startEnergy;

    connect(Command1, &QPushButton::clicked, this, &BatchWindow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &BatchWindow::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &BatchWindow::Command3_Click);
    // Return in the energy box runs a batch as GO does.
    connect(Text1, &QLineEdit::returnPressed, Command1, &QPushButton::click);

    const ExportSource exports{this, setup.exportStem, [this] { return module_->resultsCsv(); }};
    menu_ = ContextMenu::forBatchWindow(
        this, Command1, pacer_, [this](int count) { runBatches(count); }, exports);
    menu_->addMaterials(pacer_, [this](const Material &m) { return useMaterial(m); });
    stats_ = new StatisticsWindow(this, setup.statisticsTitle, [this] { updateStatistics(); });
    menu_->addToggle(setup.bandsText, {QKeySequence(Qt::CTRL | Qt::Key_B)}, [this](bool on) {
        module_->ShowBands = on;
        // Redrawn at once from the finished batches; during a batch at its end.
        if (module_->photonCount() > 0 && !pacer_.running())
            module_->redrawResults();
    });
    // The statistics window's plot exports under its own name, with the same results.
    ExportSource statistics = exports;
    statistics.window = stats_;
    statistics.stem += QStringLiteral("-statistics");
    menu_->addStatistics(*stats_, statistics);
    menu_->addLanguages();
}

bool BatchWindow::Load()
{
    MaterialTable table;
    const QString report = loader_(table);
    if (!report.isEmpty()) {
        failStartup(this, report);
        return false;
    }
    module_->Initialize(table);
    module_->DrawTrackFrame();
    Text1->setText(startEnergy_);
    resultsChanged();
    return true;
}

void BatchWindow::retranslate()
{
    Command1->setText(module_->photonCount() > 0 ? tr("Continue") : tr("GO"));
    describePlots();
}

void BatchWindow::resultsChanged()
{
    stats_->refreshIfShown();
    describePlots();
}

void BatchWindow::Command1_Click() { runBatches(1); }

void BatchWindow::runBatches(int count)
{
    if (pacer_.running() || !takeEnergy())
        return;
    Text1->setEnabled(false);
    Batch batch = module_->RunBatch();
    batch.begin = [this, begin = std::move(batch.begin)] {
        module_->DrawTrackFrame();
        begin();
    };
    batch.end = [this, end = std::move(batch.end)] {
        end();
        Command1->setText(tr("Continue"));
        resultsChanged();
    };
    // GO and Reset stay locked until the run is over: a click inside it would start
    // another or clear the results under it.
    common::runBatches(pacer_, {Command1, Command3, Command2, Picture1}, count, std::move(batch));
}

bool BatchWindow::useMaterial(const Material &material)
{
    if (pacer_.running())
        return false;
    MaterialTable table;
    if (!readMaterialFor(this, reader_, material, module_->material(), table))
        return false;
    module_->useMaterial(material, table);
    // As Reset, but the typed energy stays for the next batch.
    showClearedResults();
    return true;
}

void BatchWindow::showClearedResults()
{
    Text1->setEnabled(true);
    for (QLineEdit *box : resultBoxes_)
        box->clear();
    Command1->setText(tr("GO"));
    resultsChanged();
}

void BatchWindow::Command2_Click() { quitProgram(); }

void BatchWindow::Command3_Click()
{
    module_->clearResults();
    Text1->clear();
    showClearedResults();
}

} // namespace common
