// SPDX-License-Identifier: MIT
#include "form1.h"

#include "application.h"
#include "batchlock.h"
#include "numbertext.h"
#include "picturebox.h"

#include <QLineEdit>
#include <QPushButton>

namespace rhunel {

using namespace common;

namespace {
constexpr FontDef Caption{fonts::TimesNewRoman, 14.25};
constexpr FontDef Plot{fonts::TimesNewRoman, 15.75};
constexpr FontDef Small{fonts::TimesNewRoman, 12};

QString usableRangeWarning(const EnergyRange &range)
{
    return QStringLiteral("  Photon energy: above %1 keV and below %2 keV  ")
        .arg(QString::number(range.lowKeV, 'g', 6), QString::number(range.highKeV, 'g', 6));
}
} // namespace

Form1::Form1(common::MaterialLoader source)
    : Form(Border::Main, QStringLiteral("Coherent Scattering"), 9360, 11295)
{
    // clang-format off
    controls_.build(
        this,
        {
            {.name = "Picture1", .kind = ControlKind::Picture, .left = 240, .top = 120,
             .width = 8895, .height = 5175, .font = Plot, .fore = colours::Black,
             .back = colours::White, .flags = SunkenBorder, .scale = {5, 0, 594, 341}},
            {.name = "Picture2", .kind = ControlKind::Picture, .left = 240, .top = 5400,
             .width = 8895, .height = 4815, .font = Plot, .fore = colours::Black,
             .back = colours::White, .flags = SunkenBorder, .scale = {25, 0, 1025, 700}},
            {.name = "Label1", .kind = ControlKind::Label, .text = "Photon energy", .left = 1440,
             .top = 10320, .width = 1815, .height = 375, .font = Caption},
            {.name = "Text1", .kind = ControlKind::TextBox, .text = "100", .left = 3360,
             .top = 10320, .width = 855, .height = 375, .font = Small, .fore = colours::Black,
             .back = colours::White},
            {.name = "Label2", .kind = ControlKind::Label, .text = "keV", .left = 4320,
             .top = 10320, .width = 615, .height = 375, .font = Caption},
            {.name = "Command1", .kind = ControlKind::Button, .text = "GO", .left = 5280,
             .top = 10320, .width = 2175, .height = 615, .font = Plot},
            {.name = "Command3", .kind = ControlKind::Button, .text = "Clear", .left = 7920,
             .top = 10320, .width = 1095, .height = 375, .font = Small},
            {.name = "Label3", .kind = ControlKind::Label, .text = "Number of Scattering",
             .left = 600, .top = 10680, .width = 2775, .height = 375, .font = Caption},
            {.name = "Text2", .kind = ControlKind::TextBox, .left = 3360, .top = 10680,
             .width = 1455, .height = 375, .font = Small, .fore = colours::Blue,
             .back = colours::PaleYellow},
            {.name = "Command2", .kind = ControlKind::Button, .text = "EXIT", .left = 7920,
             .top = 10800, .width = 1095, .height = 375, .font = Small},
            {.name = "Label4", .kind = ControlKind::Label, .text = "500 回散乱 / クリック",
             .left = 5520, .top = 11040, .width = 1785, .height = 195,
             .font = {fonts::PGothic, 9.75}, .flags = AutoSize},
        });
    // clang-format on
    controls_.setTabOrder(
        {"Picture1", "Picture2", "Command1", "Command2", "Text1", "Command3", "Text2"});

    Picture1 = controls_.picture("Picture1");
    Picture2 = controls_.picture("Picture2");
    Text1 = controls_.textBox("Text1");
    Text2 = controls_.textBox("Text2");
    Command1 = controls_.button("Command1");
    Command2 = controls_.button("Command2");
    Command3 = controls_.button("Command3");
    module_ =
        std::make_unique<Module2>(Module2Controls{Picture1, Picture2, Text2}, std::move(source));

    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
}

Form1::~Form1() = default;

bool Form1::Load()
{
    module_->CurveReady = 0;
    const QString report = module_->Initialize();
    if (!report.isEmpty()) {
        failStartup(this, report);
        return false;
    }
    module_->DrawTrackFrame();
    Text1->setText(QStringLiteral("20"));
    return true;
}

void Form1::Command1_Click()
{
    const QString text = Text1->text();
    if (text.isEmpty()) {
        showWarning(this, QStringLiteral("  Input Photon energy  "));
        return;
    }
    const double energy = leadingNumber(text);
    // Outside these bounds a batch would never end or the curve would read past the
    // grid: refuse, and leave everything as it was.
    const EnergyRange usable = usableEnergies(module_->MomentumTransfer);
    if (!usable.contains(energy)) {
        showWarning(this, usableRangeWarning(usable));
        return;
    }
    module_->PhotonEnergy = energy;
    Text1->setEnabled(false);
    if (module_->CurveReady == 0) {
        module_->ComputeReferenceCurve();
        module_->CurveReady = 1;
    }
    module_->DrawTrackFrame();
    {
        const BatchLock lock{Command1, Command3};
        if (!module_->RunBatch())
            return; // the program is ending
    }
    Command1->setText(QStringLiteral("Continue"));
}

void Form1::Command2_Click() { endProgram(); }

void Form1::Command3_Click()
{
    Picture2->clear();
    module_->DrawTrackFrame();
    module_->PhotonCount = 0;
    module_->AngleHistogram.fill(0);
    Text1->setEnabled(true);
    Text1->clear();
    Text2->clear();
    module_->CurveReady = 0;
    Command1->setText(QStringLiteral("GO"));
}

} // namespace rhunel
