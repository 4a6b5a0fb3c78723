// SPDX-License-Identifier: MIT
#include "rhunel/form1.h"
#include "rhunel/form2.h"
#include "rhunel/form3.h"
#include "tests/layoutcheck.h"
#include "tests/rhunel/synthetictable.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

using common::colours::Black;
using common::colours::Blue;
using common::colours::None;
using common::colours::PaleYellow;
using common::colours::Red;
using common::colours::White;
using layoutcheck::expectLayout;

constexpr const char *PG = "ＭＳ Ｐゴシック";
constexpr const char *M = "メイリオ";
constexpr const char *TNR = "Times New Roman";

TEST(RhunelLayout, TitleWindow)
{
    rhunel::Form2 form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("干渉性散乱"));
    EXPECT_EQ(form.size(), QSize(1038, 607));
    EXPECT_EQ(form.windowType(), Qt::Dialog);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMinMaxButtonsHint);
    expectLayout(
        form.controls(),
        {
            {"Label1", "干渉性散乱（Coherent scattering, Rayleigh scattering）の散乱角度確率分布",
             720, 480, 10050, 315, PG, 15.75},
            {"Line1", nullptr, 600, 840, 10920, 840, nullptr, 0, false, false, Red},
            {"Picture2", nullptr, 600, 1320, 8340, 4860},
            {"Picture1", nullptr, 9120, 1320, 5970, 4665, nullptr, 0, false, false, None, White},
            {"Label4",
             "物質 m の atomic form factor は，別ソフト（VORNEX）にデータが用意されています．", 720,
             6360, 8355, 240, PG, 12},
            {"Label3",
             "乱数による干渉性散乱角度のサンプリング方法は，「Orlemund」を参照してください．", 720,
             6840, 13110, 240, PG, 12},
            {"Line2", nullptr, 600, 7140, 13800, 7140, nullptr, 0, false, false, Red},
            {"Label5",
             "物質を ICRU-soft tissue "
             "とした場合の，干渉性散乱角度の乱数サンプリングを試してみて，理論計算による散乱角度"
             "分布と比較してみましょう．",
             720, 7440, 14370, 240, PG, 12},
            {"Command1", "Next", 6720, 8040, 1695, 495, TNR, 14.25},
        });
    EXPECT_EQ(form.controls().lineShape("Line1")->lineWidth(), 2);
    EXPECT_EQ(form.controls().lineShape("Line2")->lineWidth(), 2);
    // Sized to their pictures: 552 x 320 formula bitmap inside the sunken edge.
    EXPECT_TRUE(form.Picture1->hasSunkenBorder());
    EXPECT_TRUE(form.Picture2->hasSunkenBorder());
    EXPECT_EQ(form.Picture2->innerRect().size(), QSize(552, 320));
    EXPECT_EQ(QImage(QStringLiteral(":/rhunel/formula.png")).size(), QSize(552, 320));
}

TEST(RhunelLayout, InformationWindow)
{
    rhunel::Form3 form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Coherent Scattering"));
    EXPECT_EQ(form.size(), QSize(926, 626));
    EXPECT_EQ(form.windowType(), Qt::Dialog);
    expectLayout(
        form.controls(),
        {
            {"Picture1", nullptr, 0, 0, 7560, 9420},
            {"Line1", nullptr, 7680, 960, 8400, 960, nullptr, 0, false, false, Blue},
            {"Line2", nullptr, 7680, 960, 7920, 840, nullptr, 0, false, false, Blue},
            {"Label2", "Next Screen", 8520, 720, 1770, 405, TNR, 18, false, false, Blue},
            {"Label1", "操作方法", 7800, 1800, 1140, 420, M, 14.25},
            {"Label3", "① 光子エネルギーを入力する．", 8040, 2400, 4080, 420, M, 14.25},
            {"Label4", "② OK（Continue）ボタンをクリック", 8040, 2880, 4875, 420, M, 14.25},
            {"Label5", "１回クリックすると500個の光子が", 8040, 3480, 4530, 420, M, 14.25},
            {"Label6", "上画面で被射体の右から飛来し，", 8040, 3960, 4275, 420, M, 14.25},
            {"Label7", "それぞれ被射体中心 (Interaction point) で ", 8040, 4440, 5685, 420, M,
             14.25},
            {"Label8", "干渉性散乱を起こし，乱数サンプリング", 8040, 4920, 5130, 420, M, 14.25},
            {"Label9", "された角度へ散乱する．", 8040, 5400, 3135, 420, M, 14.25},
            {"Label10", "各散乱角度（１° ごと）へ散乱された", 8040, 6000, 4800, 420, M, 14.25},
            {"Label11", "相対確率および理論計算による確率分布が", 8040, 6480, 5415, 420, M, 14.25},
            {"Label12", "画面下のグラフに表示される．", 8040, 6960, 3990, 420, M, 14.25},
            {"Command1", "OK", 9840, 7920, 1695, 615, TNR, 18},
        });
    EXPECT_EQ(form.controls().lineShape("Line1")->lineWidth(), 2);
    EXPECT_TRUE(form.Picture1->hasSunkenBorder());
    EXPECT_EQ(form.Picture1->innerRect().size(), QSize(500, 624));
    EXPECT_EQ(QImage(QStringLiteral(":/rhunel/screenshot.jpg")).size(), QSize(500, 624));
}

TEST(RhunelLayout, MainWindow)
{
    rhunel::Form1 form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Coherent Scattering"));
    EXPECT_EQ(form.size(), QSize(624, 753));
    EXPECT_EQ(form.windowType(), Qt::Window);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMinMaxButtonsHint);
    expectLayout(
        form.controls(),
        {
            {"Picture1", nullptr, 240, 120, 8895, 5175, TNR, 15.75, false, false, Black, White},
            {"Picture2", nullptr, 240, 5400, 8895, 4815, TNR, 15.75, false, false, Black, White},
            {"Label1", "Photon energy", 1440, 10320, 1815, 375, TNR, 14.25},
            {"Text1", "100", 3360, 10320, 855, 375, TNR, 12, false, false, Black, White},
            {"Label2", "keV", 4320, 10320, 615, 375, TNR, 14.25},
            {"Command1", "GO", 5280, 10320, 2175, 615, TNR, 15.75},
            {"Command3", "Clear", 7920, 10320, 1095, 375, TNR, 12},
            {"Label3", "Number of Scattering", 600, 10680, 2775, 375, TNR, 14.25},
            {"Text2", "", 3360, 10680, 1455, 375, TNR, 12, false, false, Blue, PaleYellow},
            {"Command2", "EXIT", 7920, 10800, 1095, 375, TNR, 12},
            {"Label4", "500 回散乱 / クリック", 5520, 11040, 1785, 195, PG, 9.75},
        });
    for (common::PictureBox *p : {form.Picture1, form.Picture2})
        EXPECT_TRUE(p->hasSunkenBorder());
    // One unit a pixel in the track plot; 1000 x 700 units over 589 x 317 below.
    EXPECT_EQ(form.Picture1->innerRect().size(), QSize(589, 341));
    EXPECT_EQ(form.Picture2->innerRect().size(), QSize(589, 317));
    EXPECT_EQ(form.Picture1->scale(), QRectF(QPointF(5, 0), QPointF(594, 341)));
    EXPECT_EQ(form.Picture2->scale(), QRectF(QPointF(25, 0), QPointF(1025, 700)));
    // Left of the visible area.
    EXPECT_FALSE(form.Picture1->colorAt({0, 100}).isValid());
    EXPECT_FALSE(form.Picture2->colorAt({20, 100}).isValid());
}

TEST(RhunelLayout, MainWindowTabOrder)
{
    rhunel::Form1 form{synthetic::source};
    form.showForm();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.Picture1->setFocus();
    for (const char *next :
         {"Picture2", "Command1", "Command2", "Text1", "Command3", "Text2", "Picture1"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), form.controls().widget(next)) << next;
    }
    form.hide();
}

} // namespace
