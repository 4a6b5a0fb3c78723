// SPDX-License-Identifier: MIT
#include "rhunel/form1.h"

#include "common/application.h"
#include "common/batchlock.h"
#include "common/numbertext.h"
#include "common/picturebox.h"

#include <QLineEdit>
#include <QPushButton>

namespace rhunel {

using namespace common;

namespace {
constexpr FontDef Caption{fonts::TimesNewRoman, 14.25};
constexpr FontDef Plot{fonts::TimesNewRoman, 15.75};
constexpr FontDef Small{fonts::TimesNewRoman, 12};

} // namespace

Form1::Form1(common::MaterialLoader loader)
    : Form(Border::Main, QStringLiteral("Coherent Scattering"), 9360, 11295),
      loader_(std::move(loader))
{
    // clang-format off
    controls_.build(
        this,
        {
            {MCT_BOUND(Picture1), .left = 240, .top = 120,
             .width = 8895, .height = 5175, .font = Plot, .fore = colours::Black,
             .back = colours::White, .flags = SunkenBorder, .scale = {5, 0, 594, 341}},
            {MCT_BOUND(Picture2), .left = 240, .top = 5400,
             .width = 8895, .height = 4815, .font = Plot, .fore = colours::Black,
             .back = colours::White, .flags = SunkenBorder, .scale = {25, 0, 1025, 700}},
            {.name = "Label1", .kind = ControlKind::Label, .text = "Photon energy", .left = 1440,
             .top = 10320, .width = 1815, .height = 375, .font = Caption},
            {MCT_BOUND(Text1), .text = "100", .left = 3360,
             .top = 10320, .width = 855, .height = 375, .font = Small, .fore = colours::Black,
             .back = colours::White},
            {.name = "Label2", .kind = ControlKind::Label, .text = "keV", .left = 4320,
             .top = 10320, .width = 615, .height = 375, .font = Caption},
            {MCT_BOUND(Command1), .text = "GO", .left = 5280,
             .top = 10320, .width = 2175, .height = 615, .font = Plot},
            {MCT_BOUND(Command3), .text = "Clear", .left = 7920,
             .top = 10320, .width = 1095, .height = 375, .font = Small},
            {.name = "Label3", .kind = ControlKind::Label, .text = "Number of Scattering",
             .left = 600, .top = 10680, .width = 2775, .height = 375, .font = Caption},
            {MCT_BOUND(Text2), .left = 3360, .top = 10680,
             .width = 1455, .height = 375, .font = Small, .fore = colours::Blue,
             .back = colours::PaleYellow},
            {MCT_BOUND(Command2), .text = "EXIT", .left = 7920,
             .top = 10800, .width = 1095, .height = 375, .font = Small},
            {.name = "Label4", .kind = ControlKind::Label, .text = "500 回散乱 / クリック",
             .left = 5520, .top = 11040, .width = 1785, .height = 195,
             .font = {fonts::PGothic, 9.75}, .flags = AutoSize},
        });
    // clang-format on
    Controls::setTabOrder({Picture1, Picture2, Command1, Command2, Text1, Command3, Text2});

    module_ = std::make_unique<Module2>(Module2Controls{Picture1, Picture2, Text2, &pacer_});

    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    // Return in the energy box runs a batch as GO does.
    connect(Text1, &QLineEdit::returnPressed, Command1, &QPushButton::click);

    menu_ = ContextMenu::forBatchWindow(
        this, Command1, pacer_,
        {this, QStringLiteral("rhunel"), [this] { return module_->results(); }});
}

Form1::~Form1() = default;

bool Form1::Load()
{
    module_->CurveReady = 0;
    MaterialTable table;
    const QString report = loader_(table);
    if (!report.isEmpty()) {
        failStartup(this, report);
        return false;
    }
    module_->Initialize(table);
    module_->DrawTrackFrame();
    Text1->setText(QStringLiteral("20"));
    return true;
}

void Form1::Command1_Click()
{
    const EnergyEntry entry = readEnergyEntry(Text1->text(), module_->MomentumTransfer);
    if (entry.verdict != EnergyEntry::Verdict::Run) {
        showWarning(this, entry.warning);
        return;
    }
    module_->PhotonEnergy = entry.energy;
    Text1->setEnabled(false);
    if (module_->CurveReady == 0) {
        module_->ComputeReferenceCurve();
        module_->CurveReady = 1;
    }
    module_->DrawTrackFrame();
    {
        const BatchLock lock{pacer_, {Command1, Command3, Command2, Picture1}};
        if (!module_->RunBatch())
            return; // the program is ending
    }
    Command1->setText(QStringLiteral("Continue"));
}

void Form1::Command2_Click() { quitProgram(); }

void Form1::Command3_Click()
{
    Picture2->clear();
    module_->DrawTrackFrame();
    module_->clearResults();
    Text1->setEnabled(true);
    for (QLineEdit *box : {Text1, Text2})
        box->clear();
    Command1->setText(QStringLiteral("GO"));
}

} // namespace rhunel
