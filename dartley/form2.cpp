// SPDX-License-Identifier: MIT
#include "dartley/form2.h"

#include "common/gui/picturebox.h"
#include "dartley/diagram.h"
#include "dartley/form1.h"

#include <QPushButton>

namespace dartley {

using namespace common;

namespace {
constexpr FontDef Heading{fonts::PGothic, 18};
constexpr FontDef Body{fonts::PGothic, 14.25};
} // namespace

Form2::Form2() : Form(Border::Dialog, QT_TR_NOOP("円周率 π"), 10710, 8790)
{
    // clang-format off
    controls_.build(
        this,
        {
            {.name = "Label1", .kind = ControlKind::Label, .text = QT_TR_NOOP("円周率 π"), .left = 1200,
             .top = 360, .width = 1545, .height = 360, .font = Heading, .fore = colours::Blue,
             .flags = AutoSize},
            {.name = "Line1", .kind = ControlKind::Line, .left = 960, .top = 735, .width = 2880,
             .height = 735, .fore = colours::Red, .lineWidth = 2},
            {.name = "Label2", .kind = ControlKind::Label,
             .text = QT_TR_NOOP("右図は，半径 r の円と，その円に"), .left = 960, .top = 1080, .width = 4005,
             .height = 285, .font = Body, .flags = AutoSize},
            {.name = "Label3", .kind = ControlKind::Label, .text = QT_TR_NOOP("外接する正方形を示す．"),
             .left = 960, .top = 1560, .width = 2910, .height = 285, .font = Body,
             .flags = AutoSize},
            {.name = "Label4", .kind = ControlKind::Label, .text = QT_TR_NOOP("円の面積は π× r × r である．"),
             .left = 960, .top = 2040, .width = 3900, .height = 285, .font = Body,
             .flags = AutoSize},
            {.name = "Label5", .kind = ControlKind::Label,
             .text = QT_TR_NOOP("正方形の面積は 4 ×r × r である．"), .left = 960, .top = 2520, .width = 4335,
             .height = 285, .font = Body, .flags = AutoSize},
            {.name = "Label6", .kind = ControlKind::Label,
             .text = QT_TR_NOOP("円周率 π は，次式で計算できる．"), .left = 960, .top = 3000, .width = 4125,
             .height = 285, .font = Body, .flags = AutoSize},
            {.name = "Label8", .kind = ControlKind::Label, .text = QT_TR_NOOP("円の面積"), .left = 2880,
             .top = 3600, .width = 1140, .height = 285, .font = Body, .flags = AutoSize},
            {.name = "Label7", .kind = ControlKind::Label, .text = QT_TR_NOOP("π = 4 ×"), .left = 1320,
             .top = 3840, .width = 1140, .height = 285, .font = Body, .flags = AutoSize},
            {.name = "Line2", .kind = ControlKind::Line, .left = 2520, .top = 3960, .width = 4440,
             .height = 3960, .fore = colours::Black, .lineWidth = 1},
            {.name = "Label9", .kind = ControlKind::Label, .text = QT_TR_NOOP("正方形の面積"), .left = 2640,
             .top = 4080, .width = 1710, .height = 285, .font = Body, .flags = AutoSize},
            {.name = "Label13", .kind = ControlKind::Label, .text = QT_TR_NOOP("乱数による円周率の近似計算"),
             .left = 960, .top = 4680, .width = 4575, .height = 360, .font = Heading,
             .fore = colours::Blue, .flags = AutoSize},
            {.name = "Line3", .kind = ControlKind::Line, .left = 840, .top = 5055, .width = 5640,
             .height = 5055, .fore = colours::Red, .lineWidth = 2},
            {.name = "Label10", .kind = ControlKind::Label,
             .text = QT_TR_NOOP("一様乱数を２個（縦および横方向）発生させ，正方形の中にドット（点）を打つ．"),
             .left = 960, .top = 5280, .width = 9180, .height = 285, .font = Body,
             .flags = AutoSize},
            {.name = "Label11", .kind = ControlKind::Label,
             .text = QT_TR_NOOP("その点が，円の内側であれば赤点，外側であれば青点とする．"), .left = 960,
             .top = 5640, .width = 7485, .height = 285, .font = Body, .flags = AutoSize},
            {.name = "Label12", .kind = ControlKind::Label,
             .text = QT_TR_NOOP("円の面積は赤点の数に，正方形の面積は赤点＋青点の数に比例する。"),
             .left = 960, .top = 6120, .width = 8565, .height = 285, .font = Body,
             .flags = AutoSize},
            {.name = "Label14", .kind = ControlKind::Label,
             .text = QT_TR_NOOP("これを上式に代入することにより，円周率の近似値が計算できる．"), .left = 960,
             .top = 6600, .width = 7800, .height = 285, .font = Body, .flags = AutoSize},
            {.name = "Label15", .kind = ControlKind::Label,
             .text = QT_TR_NOOP("ドット数を増やしていくと，円周率は本来の値（3.141592・・・）に近づいていく．"),
             .left = 960, .top = 7080, .width = 9105, .height = 285, .font = Body,
             .flags = AutoSize},
            {MCT_BOUND(Command1), .text = QT_TR_NOOP("OK"), .left = 4440,
             .top = 7560, .width = 1935, .height = 615, .font = {fonts::TimesNewRoman, 15.75}},
            {MCT_BOUND(Picture1), .left = 5880, .top = 240,
             .width = 4095, .height = 3975, .back = colours::White,
             .accessibleName = QT_TR_NOOP("円と正方形の図"),
             .accessibleDescription = QT_TR_NOOP("半径 r の円と、それに外接する一辺 2r の正方形")},
        });
    // clang-format on
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
}

Form2::~Form2() = default;

bool Form2::Load()
{
    Picture1->drawDiagram(DiagramSize, paintDiagram);
    return true;
}

void Form2::Command1_Click() { handOver(form1_); }

} // namespace dartley
