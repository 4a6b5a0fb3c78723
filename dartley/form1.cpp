// SPDX-License-Identifier: MIT
#include "form1.h"

#include "application.h"
#include "picturebox.h"

#include <QLineEdit>
#include <QPushButton>

namespace dartley {

using namespace common;

Form1::Form1()
    : Form(Border::Main, QStringLiteral("  π = 3.141592653589793238462643383279502884197169399"),
           8475, 9735)
{
    // clang-format off
    controls_.build(
        this,
        {
            {.name = "Picture1", .kind = ControlKind::Picture, .left = 240, .top = 120,
             .width = 8000, .height = 8000, .font = {fonts::Gothic, 18}, .fore = colours::Black,
             .back = colours::White, .flags = SunkenBorder, .scale = {-625, -560, 625, 690}},
            {.name = "Command1", .kind = ControlKind::Button, .text = "GO", .left = 240,
             .top = 8280, .width = 2055, .height = 975, .font = {fonts::TimesNewRoman, 15.75}},
            {.name = "Label4", .kind = ControlKind::Label, .text = "(1000 ドット/push)",
             .left = 480, .top = 9360, .width = 1755, .height = 225,
             .font = {fonts::PGothic, 11.25}, .flags = AutoSize},
            {.name = "Label1", .kind = ControlKind::Label, .text = "π＝4×", .left = 2400,
             .top = 8640, .width = 945, .height = 240, .font = {fonts::Gothic, 12, true},
             .flags = Centred | Opaque},
            {.name = "Text3", .kind = ControlKind::TextBox, .left = 3480, .top = 8280,
             .width = 1455, .height = 375, .font = {fonts::TimesNewRoman, 14.25},
             .fore = colours::Red, .back = colours::PaleCyan},
            {.name = "Line1", .kind = ControlKind::Line, .left = 3360, .top = 8760,
             .width = 5040, .height = 8760, .fore = colours::Black, .lineWidth = 2},
            {.name = "Text2", .kind = ControlKind::TextBox, .left = 3480, .top = 8880,
             .width = 1455, .height = 375, .font = {fonts::TimesNewRoman, 14.25},
             .fore = colours::Black, .back = colours::PaleCyan},
            {.name = "Label3", .kind = ControlKind::Label, .text = "(ドット数)", .left = 3720,
             .top = 9360, .width = 855, .height = 225, .font = {fonts::PGothic, 11.25},
             .flags = AutoSize},
            {.name = "Label2", .kind = ControlKind::Label, .text = "＝", .left = 5160,
             .top = 8640, .width = 285, .height = 240, .font = {fonts::Gothic, 12, true},
             .flags = Centred | Opaque},
            {.name = "Text1", .kind = ControlKind::TextBox, .left = 5520, .top = 8520,
             .width = 1335, .height = 495, .font = {fonts::TimesNewRoman, 14.25},
             .fore = colours::Black, .back = colours::PaleCyan},
            {.name = "Command3", .kind = ControlKind::Button, .text = "Reset", .left = 7200,
             .top = 8400, .width = 1095, .height = 495, .font = {fonts::TimesNewRoman, 12}},
            {.name = "Command2", .kind = ControlKind::Button, .text = "EXIT", .left = 7200,
             .top = 9000, .width = 1095, .height = 495, .font = {fonts::TimesNewRoman, 12},
             .toolTip = "  bye  "},
        });
    // clang-format on
    controls_.setTabOrder(
        {"Picture1", "Command1", "Command2", "Text1", "Text2", "Text3", "Command3"});

    Picture1 = controls_.picture("Picture1");
    Command1 = controls_.button("Command1");
    Command2 = controls_.button("Command2");
    Command3 = controls_.button("Command3");
    Text1 = controls_.textBox("Text1");
    Text2 = controls_.textBox("Text2");
    Text3 = controls_.textBox("Text3");
    module_ = std::make_unique<Module1>(Module1Controls{Picture1, Text1, Text2, Text3});

    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
}

Form1::~Form1() = default;

bool Form1::Load()
{
    module_->Initialize();
    return true;
}

void Form1::Command1_Click()
{
    module_->RunBatch();
    Command1->setText(QStringLiteral("Continue"));
}

void Form1::Command2_Click() { endProgram(); }

void Form1::Command3_Click()
{
    Text1->clear();
    Text2->clear();
    Text3->clear();
    module_->Initialize();
}

} // namespace dartley
