// SPDX-License-Identifier: MIT
#include "rhunel/form3.h"

#include "common/gui/picturebox.h"
#include "rhunel/form1.h"

#include "common/gui/language.h"

#include <QImage>
#include <QPushButton>

namespace rhunel {

using namespace common;

namespace {
constexpr FontDef M{fonts::Meiryo, 14.25};
}

Form3::Form3(common::MaterialLoader loader)
    : Form(Border::Dialog, QT_TR_NOOP("Coherent Scattering"), 13890, 9390),
      loader_(std::move(loader))
{
    // clang-format off
    controls_.build(
        this,
        {
            {MCT_BOUND(Picture1), .left = 0, .top = 0,
             .width = 7560, .height = 9420, .back = colours::White, .flags = SunkenBorder,
             .accessibleName = QT_TR_NOOP("メインウィンドウの画面例"),
             .accessibleDescription = QT_TR_NOOP("操作方法の説明つきのメインウィンドウ")},
            {.name = "Line1", .kind = ControlKind::Line, .left = 7680, .top = 960, .width = 8400,
             .height = 960, .fore = colours::Blue, .lineWidth = 2},
            {.name = "Line2", .kind = ControlKind::Line, .left = 7680, .top = 960, .width = 7920,
             .height = 840, .fore = colours::Blue, .lineWidth = 2},
            {.name = "Label2", .kind = ControlKind::Label, .text = QT_TR_NOOP("Next Screen"), .left = 8520,
             .top = 720, .width = 1770, .height = 405, .font = {fonts::TimesNewRoman, 18},
             .fore = colours::Blue, .flags = AutoSize},
            {.name = "Label1", .kind = ControlKind::Label, .text = QT_TR_NOOP("操作方法"), .left = 7800,
             .top = 1800, .width = 1140, .height = 420, .font = M, .flags = AutoSize},
            {.name = "Label3", .kind = ControlKind::Label, .text = QT_TR_NOOP("① 光子エネルギーを入力する．"),
             .left = 8040, .top = 2400, .width = 4080, .height = 420, .font = M,
             .flags = AutoSize},
            {.name = "Label4", .kind = ControlKind::Label,
             .text = QT_TR_NOOP("② OK（Continue）ボタンをクリック"), .left = 8040, .top = 2880,
             .width = 4875, .height = 420, .font = M, .flags = AutoSize},
            {.name = "Label5", .kind = ControlKind::Label, .text = QT_TR_NOOP("１回クリックすると500個の光子が"),
             .left = 8040, .top = 3480, .width = 4530, .height = 420, .font = M,
             .flags = AutoSize},
            {.name = "Label6", .kind = ControlKind::Label, .text = QT_TR_NOOP("上画面で被射体の右から飛来し，"),
             .left = 8040, .top = 3960, .width = 4275, .height = 420, .font = M,
             .flags = AutoSize},
            {.name = "Label7", .kind = ControlKind::Label,
             .text = QT_TR_NOOP("それぞれ被射体中心 (Interaction point) で "), .left = 8040, .top = 4440,
             .width = 5685, .height = 420, .font = M, .flags = AutoSize},
            {.name = "Label8", .kind = ControlKind::Label,
             .text = QT_TR_NOOP("干渉性散乱を起こし，乱数サンプリング"), .left = 8040, .top = 4920,
             .width = 5130, .height = 420, .font = M, .flags = AutoSize},
            {.name = "Label9", .kind = ControlKind::Label, .text = QT_TR_NOOP("された角度へ散乱する．"),
             .left = 8040, .top = 5400, .width = 3135, .height = 420, .font = M,
             .flags = AutoSize},
            {.name = "Label10", .kind = ControlKind::Label,
             .text = QT_TR_NOOP("各散乱角度（１° ごと）へ散乱された"), .left = 8040, .top = 6000,
             .width = 4800, .height = 420, .font = M, .flags = AutoSize},
            {.name = "Label11", .kind = ControlKind::Label,
             .text = QT_TR_NOOP("相対確率および理論計算による確率分布が"), .left = 8040, .top = 6480,
             .width = 5415, .height = 420, .font = M, .flags = AutoSize},
            {.name = "Label12", .kind = ControlKind::Label, .text = QT_TR_NOOP("画面下のグラフに表示される．"),
             .left = 8040, .top = 6960, .width = 3990, .height = 420, .font = M,
             .flags = AutoSize},
            {MCT_BOUND(Command1), .text = QT_TR_NOOP("OK"), .left = 9840,
             .top = 7920, .width = 1695, .height = 615, .font = {fonts::TimesNewRoman, 18}},
        });
    // clang-format on
    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
}

Form3::~Form3() = default;

bool Form3::Load()
{
    retranslate();
    return true;
}

void Form3::retranslate()
{
    // The screenshot's notes are words: the picture of the language in use.
    Picture1->clear();
    Picture1->drawPicture(QImage(localizedAsset(QStringLiteral(":/rhunel/screenshot.jpg"))));
}

void Form3::Command1_Click() { handOver(form1_, loader_); }

} // namespace rhunel
