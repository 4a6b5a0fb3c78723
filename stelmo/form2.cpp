// SPDX-License-Identifier: MIT
#include "stelmo/form2.h"

#include "stelmo/form3.h"

#include <QPushButton>

namespace stelmo {

using namespace common;

namespace {
constexpr FontDef M{fonts::Meiryo, 14.25};
constexpr FontDef Mi{fonts::Meiryo, 14.25, false, true};
} // namespace

Form2::Form2(common::MaterialLoader loader)
    : Form(Border::Dialog, QT_TR_NOOP("Free Path Length"), 12330, 8550), loader_(std::move(loader))
{
    // clang-format off
    controls_.build(
        this,
        {
            {.name = "Label1", .kind = ControlKind::Label, .text = QT_TR_NOOP("自由行程長（free path length, fpl)"),
             .left = 360, .top = 240, .width = 4605, .height = 420, .font = M,
             .fore = colours::Blue, .flags = AutoSize},
            {.name = "Line1", .kind = ControlKind::Line, .left = 240, .top = 600, .width = 5160,
             .height = 600, .fore = colours::Red, .lineWidth = 2},
            {.name = "Label15", .kind = ControlKind::Label,
             .text = QT_TR_NOOP("光子が物質中で相互作用を起こさずに進む距離を自由行程長（free path length）という．"),
             .left = 360, .top = 840, .width = 11640, .height = 420, .font = M,
             .flags = AutoSize},
            {.name = "Label2", .kind = ControlKind::Label,
             .text = QT_TR_NOOP("物質 m に対する光子（エネルギー hν）の線減弱係数を μ とすると"), .left = 840,
             .top = 1440, .width = 8655, .height = 420, .font = M, .flags = AutoSize},
            {.name = "Label3", .kind = ControlKind::Label,
             .text = QT_TR_NOOP("この光子が物質 m に入射し，深さ x から x+dx の間で相互作用を起こす確率は"),
             .left = 840, .top = 1920, .width = 10260, .height = 420, .font = M,
             .flags = AutoSize},
            {.name = "Label4", .kind = ControlKind::Label, .text = QT_TR_NOOP("f(x)=exp(-μx)×μ×dx"),
             .left = 1200, .top = 2520, .width = 2850, .height = 420, .font = Mi,
             .flags = AutoSize},
            {.name = "Label6", .kind = ControlKind::Label,
             .text = QT_TR_NOOP("で表される．この x が自由行程長（fpl）である．"), .left = 4440, .top = 2520,
             .width = 6390, .height = 420, .font = M, .flags = AutoSize},
            {.name = "Label13", .kind = ControlKind::Label,
             .text = QT_TR_NOOP("平均自由行程（mean free path, mfp）は次式で算出できる．"), .left = 840,
             .top = 3120, .width = 7995, .height = 420, .font = M, .flags = AutoSize},
            {.name = "Label5", .kind = ControlKind::Label, .text = QT_TR_NOOP("mfp(m,hν) = １/μ"),
             .left = 1200, .top = 3600, .width = 2505, .height = 420, .font = Mi,
             .flags = AutoSize},
            {.name = "Label8", .kind = ControlKind::Label,
             .text = QT_TR_NOOP("モンテカルロ法による自由行程長サンプリング"), .left = 480, .top = 4440,
             .width = 5985, .height = 420, .font = M, .fore = colours::Blue,
             .flags = AutoSize},
            {.name = "Line2", .kind = ControlKind::Line, .left = 480, .top = 4800, .width = 6600,
             .height = 4800, .fore = colours::Red, .lineWidth = 2},
            {.name = "Label7", .kind = ControlKind::Label,
             .text = QT_TR_NOOP("r を区間 [0,1] の一様乱数とすると，fpl, x は"), .left = 1320, .top = 5040,
             .width = 5880, .height = 420, .font = M, .flags = AutoSize},
            {.name = "Label9", .kind = ControlKind::Label, .text = QT_TR_NOOP("x = - ln(r) / μ(hν)"),
             .left = 1320, .top = 5640, .width = 2460, .height = 420, .font = Mi,
             .flags = AutoSize},
            {.name = "Label10", .kind = ControlKind::Label,
             .text = QT_TR_NOOP("でサンプリングすることができる．"), .left = 4200, .top = 5640, .width = 4560,
             .height = 420, .font = M, .flags = AutoSize},
            {.name = "Label11", .kind = ControlKind::Label,
             .text = QT_TR_NOOP("被射体物質を ICRU-soft tissue とした時の，上式による乱数サンプリングを"),
             .left = 840, .top = 6360, .width = 9810, .height = 420, .font = M,
             .fore = colours::Blue, .flags = AutoSize},
            {.name = "Label12", .kind = ControlKind::Label,
             .text = QT_TR_NOOP("いろいろな光子エネルギーで試してみて，理計算値と比較してみましょう．"),
             .left = 840, .top = 6840, .width = 9690, .height = 420, .font = M,
             .fore = colours::Blue, .flags = AutoSize},
            {MCT_BOUND(Command1), .text = QT_TR_NOOP("Next"), .left = 5280,
             .top = 7440, .width = 1695, .height = 615, .font = {fonts::TimesNewRoman, 15.75}},
        });
    // clang-format on
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
}

Form2::~Form2() = default;

void Form2::Command1_Click() { handOver(form3_, loader_); }

} // namespace stelmo
