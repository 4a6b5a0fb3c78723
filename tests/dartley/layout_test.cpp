// SPDX-License-Identifier: MIT
#include "dartley/form1.h"
#include "dartley/form2.h"
#include "tests/layoutcheck.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

using common::colours::Black;
using common::colours::Blue;
using common::colours::PaleCyan;
using common::colours::Red;
using common::colours::White;
using layoutcheck::expectLayout;

constexpr const char *PG = "ＭＳ Ｐゴシック";
constexpr const char *G = "ＭＳ ゴシック";
constexpr const char *TNR = "Times New Roman";

TEST(DartleyLayout, TitleWindow)
{
    dartley::Form2 form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("円周率 π"));
    EXPECT_EQ(form.size(), QSize(714, 586));
    EXPECT_EQ(form.windowType(), Qt::Dialog);
    expectLayout(
        form.controls(),
        {
            {"Label1", "円周率 π", 1200, 360, 1545, 360, PG, 18, false, false, Blue},
            {"Line1", nullptr, 960, 735, 2880, 735, nullptr, 0, false, false, Red},
            {"Label2", "右図は，半径 r の円と，その円に", 960, 1080, 4005, 285, PG, 14.25},
            {"Label3", "外接する正方形を示す．", 960, 1560, 2910, 285, PG, 14.25},
            {"Label4", "円の面積は π× r × r である．", 960, 2040, 3900, 285, PG, 14.25},
            {"Label5", "正方形の面積は 4 ×r × r である．", 960, 2520, 4335, 285, PG, 14.25},
            {"Label6", "円周率 π は，次式で計算できる．", 960, 3000, 4125, 285, PG, 14.25},
            {"Label8", "円の面積", 2880, 3600, 1140, 285, PG, 14.25},
            {"Label7", "π = 4 ×", 1320, 3840, 1140, 285, PG, 14.25},
            {"Line2", nullptr, 2520, 3960, 4440, 3960, nullptr, 0, false, false, Black},
            {"Label9", "正方形の面積", 2640, 4080, 1710, 285, PG, 14.25},
            {"Label13", "乱数による円周率の近似計算", 960, 4680, 4575, 360, PG, 18, false, false,
             Blue},
            {"Line3", nullptr, 840, 5055, 5640, 5055, nullptr, 0, false, false, Red},
            {"Label10",
             "一様乱数を２個（縦および横方向）発生させ，正方形の中にドット（点）を打つ．", 960,
             5280, 9180, 285, PG, 14.25},
            {"Label11", "その点が，円の内側であれば赤点，外側であれば青点とする．", 960, 5640, 7485,
             285, PG, 14.25},
            {"Label12", "円の面積は赤点の数に，正方形の面積は赤点＋青点の数に比例する。", 960, 6120,
             8565, 285, PG, 14.25},
            {"Label14", "これを上式に代入することにより，円周率の近似値が計算できる．", 960, 6600,
             7800, 285, PG, 14.25},
            {"Label15",
             "ドット数を増やしていくと，円周率は本来の値（3.141592・・・）に近づいていく．", 960,
             7080, 9105, 285, PG, 14.25},
            {"Command1", "OK", 4440, 7560, 1935, 615, TNR, 15.75},
            {"Picture1", nullptr, 5880, 240, 4095, 3975, nullptr, 0, false, false,
             common::colours::None, White},
        });
    EXPECT_EQ(form.controls().lineShape("Line1")->lineWidth(), 2);
    EXPECT_EQ(form.controls().lineShape("Line2")->lineWidth(), 1);
    EXPECT_FALSE(form.Picture1->hasSunkenBorder());
}

TEST(DartleyLayout, MainWindow)
{
    dartley::Form1 form;
    EXPECT_EQ(form.size(), QSize(565, 649));
    EXPECT_EQ(form.windowType(), Qt::Window);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMinMaxButtonsHint);
    expectLayout(
        form.controls(),
        {
            {"Picture1", nullptr, 240, 120, 8000, 8000, G, 18, false, false, Black, White},
            {"Command1", "GO", 240, 8280, 2055, 975, TNR, 15.75},
            {"Label4", "(1000 ドット/push)", 480, 9360, 1755, 225, PG, 11.25},
            {"Label1", "π＝4×", 2400, 8640, 945, 240, G, 12, true},
            {"Text3", "", 3480, 8280, 1455, 375, TNR, 14.25, false, false, Red, PaleCyan},
            {"Line1", nullptr, 3360, 8760, 5040, 8760, nullptr, 0, false, false, Black},
            {"Text2", "", 3480, 8880, 1455, 375, TNR, 14.25, false, false, Black, PaleCyan},
            {"Label3", "(ドット数)", 3720, 9360, 855, 225, PG, 11.25},
            {"Label2", "＝", 5160, 8640, 285, 240, G, 12, true},
            {"Text1", "", 5520, 8520, 1335, 495, TNR, 14.25, false, false, Black, PaleCyan},
            {"Command3", "Reset", 7200, 8400, 1095, 495, TNR, 12},
            {"Command2", "EXIT", 7200, 9000, 1095, 495, TNR, 12},
        });
    EXPECT_TRUE(form.Picture1->hasSunkenBorder());
    EXPECT_EQ(form.Picture1->innerRect().size(), QSize(529, 529));
    EXPECT_EQ(form.Command2->toolTip(), QStringLiteral("  bye  "));
    for (const char *centredOpaque : {"Label1", "Label2"}) {
        QLabel *l = form.controls().label(centredOpaque);
        EXPECT_TRUE(l->alignment() & Qt::AlignHCenter) << centredOpaque;
        EXPECT_TRUE(l->autoFillBackground()) << centredOpaque;
    }
    EXPECT_FALSE(form.controls().label("Label4")->autoFillBackground());
}

TEST(DartleyLayout, MainWindowTabOrder)
{
    dartley::Form1 form;
    form.showForm();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.Picture1->setFocus();
    for (const char *next :
         {"Command1", "Command2", "Text1", "Text2", "Text3", "Command3", "Picture1"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), form.controls().widget(next)) << next;
    }
    form.hide();
}

} // namespace
