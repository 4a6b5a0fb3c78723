// SPDX-License-Identifier: MIT
#include "stelmo/form3.h"

#include "common/gui/picturebox.h"

#include "common/gui/language.h"

#include <QImage>
#include <QPushButton>

namespace stelmo {

using namespace common;

namespace {
constexpr FontDef M{fonts::Meiryo, 14.25};
// Notes on this window sit on their own background, as the layout asks.
constexpr unsigned Note = Opaque | AutoSize;
} // namespace

Form3::Form3(common::MaterialLoader loader)
    : Form(Border::Dialog, QT_TR_NOOP("Free Path Length"), 15885, 10380), loader_(std::move(loader))
{
    // clang-format off
    controls_.build(
        this,
        {
            {MCT_BOUND(Picture1), .left = 0, .top = 0,
             .width = 8925, .height = 10365, .flags = SunkenBorder,
             .accessibleName = QT_TR_NOOP("メインウィンドウの画面例"),
             .accessibleDescription = QT_TR_NOOP("操作方法の説明つきのメインウィンドウ")},
            {.name = "Label11", .kind = ControlKind::Label, .text = QT_TR_NOOP("Next Screen"), .left = 9960,
             .top = 600, .width = 1995, .height = 465, .font = {fonts::TimesNewRoman, 20.25},
             .fore = colours::Blue, .flags = AutoSize},
            {.name = "Line1", .kind = ControlKind::Line, .left = 9840, .top = 840, .width = 9000,
             .height = 840, .fore = colours::Blue, .lineWidth = 2},
            {.name = "Line2", .kind = ControlKind::Line, .left = 9000, .top = 840, .width = 9240,
             .height = 720, .fore = colours::Blue, .lineWidth = 2},
            {.name = "Label1", .kind = ControlKind::Label, .text = QT_TR_NOOP("操作方法"), .left = 9240,
             .top = 1560, .width = 1140, .height = 420, .font = M, .flags = Note},
            {.name = "Label2", .kind = ControlKind::Label, .text = QT_TR_NOOP("① 光子エネルギーを入力する．"),
             .left = 9480, .top = 2160, .width = 4080, .height = 420, .font = M, .flags = Note},
            {.name = "Label3", .kind = ControlKind::Label,
             .text = QT_TR_NOOP("② OK (Continue) ボタンをクリック"), .left = 9480, .top = 2640, .width = 4725,
             .height = 420, .font = M, .flags = Note},
            {.name = "Label13", .kind = ControlKind::Label, .text = QT_TR_NOOP("被射体に対する μ が表示される．"),
             .left = 9960, .top = 3240, .width = 4350, .height = 420, .font = M, .flags = Note},
            {.name = "Label4", .kind = ControlKind::Label, .text = QT_TR_NOOP("１回クリックすると400個の光子が"),
             .left = 9960, .top = 3960, .width = 4530, .height = 420, .font = M, .flags = Note},
            {.name = "Label5", .kind = ControlKind::Label, .text = QT_TR_NOOP("画面の左側から被射体に入射する．"),
             .left = 9960, .top = 4440, .width = 4560, .height = 420, .font = M, .flags = Note},
            {.name = "Label6", .kind = ControlKind::Label, .text = QT_TR_NOOP("各光子は乱数サンプリングにより"),
             .left = 9960, .top = 4920, .width = 4275, .height = 420, .font = M, .flags = Note},
            {.name = "Label7", .kind = ControlKind::Label, .text = QT_TR_NOOP("決定した自由行程長だけ右へ進む．"),
             .left = 9960, .top = 5400, .width = 4560, .height = 420, .font = M, .flags = Note},
            {.name = "Label8", .kind = ControlKind::Label,
             .text = QT_TR_NOOP("乱数サンプリングされた自由行程長から"), .left = 9960, .top = 6120,
             .width = 5130, .height = 420, .font = M, .flags = Note},
            {.name = "Label9", .kind = ControlKind::Label,
             .text = QT_TR_NOOP("計算された被射体中の透過率が、理論計算"), .left = 9960, .top = 6600,
             .width = 5415, .height = 420, .font = M, .flags = Note},
            {.name = "Label10", .kind = ControlKind::Label,
             .text = QT_TR_NOOP("による透過率とともにグラフ表示される．"), .left = 9960, .top = 7080,
             .width = 5415, .height = 420, .font = M, .flags = Note},
            {.name = "Label12", .kind = ControlKind::Label,
             .text = QT_TR_NOOP("平均自由行程長の比較も表示される．"), .left = 9960, .top = 7680,
             .width = 4845, .height = 420, .font = M, .flags = Note},
            {MCT_BOUND(Command1), .text = QT_TR_NOOP("OK"), .left = 11280,
             .top = 8640, .width = 2295, .height = 735, .font = {fonts::TimesNewRoman, 18}},
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
    Picture1->drawPicture(QImage(localizedAsset(QStringLiteral(":/stelmo/screenshot.jpg"))));
}

void Form3::Command1_Click()
{
    // Showing the main window loads it: the data file is read here, not at start.
    handOver(form1_, loader_);
}

} // namespace stelmo
