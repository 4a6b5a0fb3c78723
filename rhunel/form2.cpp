// SPDX-License-Identifier: MIT
#include "rhunel/form2.h"

#include "common/gui/picturebox.h"
#include "rhunel/atomdiagram.h"
#include "rhunel/form3.h"

#include "common/gui/language.h"

#include <QImage>
#include <QPushButton>

namespace rhunel {

using namespace common;

namespace {
constexpr FontDef Body{fonts::PGothic, 12};
}

Form2::Form2(common::MaterialLoader loader)
    : Form(Border::Dialog, QT_TR_NOOP("干渉性散乱"), 15570, 9105), loader_(std::move(loader))
{
    // clang-format off
    controls_.build(
        this,
        {
            {.name = "Label1", .kind = ControlKind::Label,
             .text = QT_TR_NOOP("干渉性散乱（Coherent scattering, Rayleigh scattering）の散乱角度確率分布"),
             .left = 720, .top = 480, .width = 10050, .height = 315,
             .font = {fonts::PGothic, 15.75}, .flags = AutoSize},
            {.name = "Line1", .kind = ControlKind::Line, .left = 600, .top = 840,
             .width = 10920, .height = 840, .fore = colours::Red, .lineWidth = 2},
            {MCT_BOUND(Picture2), .left = 600, .top = 1320,
             .width = 8340, .height = 4860, .back = colours::White, .flags = SunkenBorder,
             .accessibleName = QT_TR_NOOP("干渉性散乱の微分断面積の式"),
             .accessibleDescription = QT_TR_NOOP("原子形状因子を含む微分断面積の式と記号の説明")},
            {MCT_BOUND(Picture1), .left = 9120, .top = 1320,
             .width = 5970, .height = 4665, .back = colours::White, .flags = SunkenBorder,
             .accessibleName = QT_TR_NOOP("原子と散乱の図"),
             .accessibleDescription = QT_TR_NOOP("干渉性散乱と非干渉性散乱の模式図")},
            {.name = "Label4", .kind = ControlKind::Label,
             .text = QT_TR_NOOP("物質 m の atomic form factor は，別ソフト（VORNEX）にデータが用意されています．"),
             .left = 720, .top = 6360, .width = 8355, .height = 240, .font = Body,
             .flags = AutoSize},
            {.name = "Label3", .kind = ControlKind::Label,
             .text = QT_TR_NOOP("乱数による干渉性散乱角度のサンプリング方法は，「Orlemund」を参照してください．"),
             .left = 720, .top = 6840, .width = 13110, .height = 240, .font = Body,
             .flags = AutoSize},
            {.name = "Line2", .kind = ControlKind::Line, .left = 600, .top = 7140,
             .width = 13800, .height = 7140, .fore = colours::Red, .lineWidth = 2},
            {.name = "Label5", .kind = ControlKind::Label,
             .text = QT_TR_NOOP("物質を ICRU-soft tissue "
                     "とした場合の，干渉性散乱角度の乱数サンプリングを試してみて，"
                     "理論計算による散乱角度分布と比較してみましょう．"),
             .left = 720, .top = 7440, .width = 14370, .height = 240, .font = Body,
             .flags = AutoSize},
            {MCT_BOUND(Command1), .text = QT_TR_NOOP("Next"), .left = 6720,
             .top = 8040, .width = 1695, .height = 495, .font = {fonts::TimesNewRoman, 14.25}},
        });
    // clang-format on
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
}

Form2::~Form2() = default;

bool Form2::Load()
{
    drawPictures();
    return true;
}

void Form2::drawPictures()
{
    // The formula picture has words in it: the one of the language in use.
    Picture2->clear();
    Picture2->drawPicture(QImage(localizedAsset(QStringLiteral(":/rhunel/formula.png"))));
    Picture1->clear();
    Picture1->drawDiagram(AtomDiagramSize, paintAtomDiagram);
}

void Form2::retranslate() { drawPictures(); }

void Form2::Command1_Click() { handOver(form3_, loader_); }

} // namespace rhunel
