// SPDX-License-Identifier: MIT
#include "stelmo/form1.h"
#include "stelmo/form2.h"
#include "stelmo/form3.h"
#include "tests/layoutcheck.h"
#include "tests/stelmo/tissuetable.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

using common::colours::Black;
using common::colours::Blue;
using common::colours::None;
using common::colours::PaleCyan;
using common::colours::PaleYellow;
using common::colours::Red;
using common::colours::White;
using layoutcheck::expectLayout;

constexpr const char *M = "メイリオ";
constexpr const char *G = "ＭＳ ゴシック";
constexpr const char *TNR = "Times New Roman";

void expectFixedWindow(QWidget &w, QSize size, Qt::WindowType type)
{
    EXPECT_EQ(w.size(), size);
    EXPECT_EQ(w.minimumSize(), size);
    EXPECT_EQ(w.maximumSize(), size);
    EXPECT_EQ(w.windowType(), type);
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMinMaxButtonsHint);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Free Path Length"));
}

TEST(StelmoLayout, TitleWindow)
{
    stelmo::Form2 form(stelmotest::loadTissueTable);
    expectFixedWindow(form, QSize(822, 570), Qt::Dialog);
    expectLayout(
        form.controls(),
        {
            {"Label1", "自由行程長（free path length, fpl)", 360, 240, 4605, 420, M, 14.25, false,
             false, Blue},
            {"Line1", nullptr, 240, 600, 5160, 600, nullptr, 0, false, false, Red},
            {"Label15",
             "光子が物質中で相互作用を起こさずに進む距離を自由行程長（free path length）という．",
             360, 840, 11640, 420, M, 14.25},
            {"Label2", "物質 m に対する光子（エネルギー hν）の線減弱係数を μ とすると", 840, 1440,
             8655, 420, M, 14.25},
            {"Label3", "この光子が物質 m に入射し，深さ x から x+dx の間で相互作用を起こす確率は",
             840, 1920, 10260, 420, M, 14.25},
            {"Label4", "f(x)=exp(-μx)×μ×dx", 1200, 2520, 2850, 420, M, 14.25, false, true},
            {"Label6", "で表される．この x が自由行程長（fpl）である．", 4440, 2520, 6390, 420, M,
             14.25},
            {"Label13", "平均自由行程（mean free path, mfp）は次式で算出できる．", 840, 3120, 7995,
             420, M, 14.25},
            {"Label5", "mfp(m,hν) = １/μ", 1200, 3600, 2505, 420, M, 14.25, false, true},
            {"Label8", "モンテカルロ法による自由行程長サンプリング", 480, 4440, 5985, 420, M, 14.25,
             false, false, Blue},
            {"Line2", nullptr, 480, 4800, 6600, 4800, nullptr, 0, false, false, Red},
            {"Label7", "r を区間 [0,1] の一様乱数とすると，fpl, x は", 1320, 5040, 5880, 420, M,
             14.25},
            {"Label9", "x = - ln(r) / μ(hν)", 1320, 5640, 2460, 420, M, 14.25, false, true},
            {"Label10", "でサンプリングすることができる．", 4200, 5640, 4560, 420, M, 14.25},
            {"Label11", "被射体物質を ICRU-soft tissue とした時の，上式による乱数サンプリングを",
             840, 6360, 9810, 420, M, 14.25, false, false, Blue},
            {"Label12", "いろいろな光子エネルギーで試してみて，理計算値と比較してみましょう．", 840,
             6840, 9690, 420, M, 14.25, false, false, Blue},
            {"Command1", "Next", 5280, 7440, 1695, 615, TNR, 15.75},
        });
    for (const char *line : {"Line1", "Line2"})
        EXPECT_EQ(form.controls().lineShape(line)->lineWidth(), 2) << line;
    for (QLabel *l : form.findChildren<QLabel *>())
        EXPECT_FALSE(l->autoFillBackground()) << l->objectName().toStdString();
}

TEST(StelmoLayout, InformationWindow)
{
    stelmo::Form3 form(stelmotest::loadTissueTable);
    expectFixedWindow(form, QSize(1059, 692), Qt::Dialog);
    expectLayout(
        form.controls(),
        {
            {"Picture1", nullptr, 0, 0, 8925, 10365},
            {"Label11", "Next Screen", 9960, 600, 1995, 465, TNR, 20.25, false, false, Blue},
            {"Line1", nullptr, 9840, 840, 9000, 840, nullptr, 0, false, false, Blue},
            {"Line2", nullptr, 9000, 840, 9240, 720, nullptr, 0, false, false, Blue},
            {"Label1", "操作方法", 9240, 1560, 1140, 420, M, 14.25},
            {"Label2", "① 光子エネルギーを入力する．", 9480, 2160, 4080, 420, M, 14.25},
            {"Label3", "② OK (Continue) ボタンをクリック", 9480, 2640, 4725, 420, M, 14.25},
            {"Label13", "被射体に対する μ が表示される．", 9960, 3240, 4350, 420, M, 14.25},
            {"Label4", "１回クリックすると400個の光子が", 9960, 3960, 4530, 420, M, 14.25},
            {"Label5", "画面の左側から被射体に入射する．", 9960, 4440, 4560, 420, M, 14.25},
            {"Label6", "各光子は乱数サンプリングにより", 9960, 4920, 4275, 420, M, 14.25},
            {"Label7", "決定した自由行程長だけ右へ進む．", 9960, 5400, 4560, 420, M, 14.25},
            {"Label8", "乱数サンプリングされた自由行程長から", 9960, 6120, 5130, 420, M, 14.25},
            {"Label9", "計算された被射体中の透過率が、理論計算", 9960, 6600, 5415, 420, M, 14.25},
            {"Label10", "による透過率とともにグラフ表示される．", 9960, 7080, 5415, 420, M, 14.25},
            {"Label12", "平均自由行程長の比較も表示される．", 9960, 7680, 4845, 420, M, 14.25},
            {"Command1", "OK", 11280, 8640, 2295, 735, TNR, 18},
        });
    EXPECT_TRUE(form.Picture1->hasSunkenBorder());
    EXPECT_EQ(form.Picture1->innerRect().size(), QSize(591, 687));
    for (QLabel *l : form.findChildren<QLabel *>()) {
        const bool transparent = l->objectName() == QStringLiteral("Label11");
        EXPECT_EQ(l->autoFillBackground(), !transparent) << l->objectName().toStdString();
    }
}

TEST(StelmoLayout, MainWindow)
{
    stelmo::Form1 form(stelmotest::loadTissueTable);
    expectFixedWindow(form, QSize(736, 747), Qt::Window);
    expectLayout(
        form.controls(),
        {
            {"Picture1", nullptr, 240, 120, 10575, 6495, TNR, 15.75, false, false, Black, White},
            {"Picture2", nullptr, 240, 6720, 10575, 3495, TNR, 15.75, false, false, Black, White},
            {"Label1", "Photon energy", 240, 10320, 1620, 315, TNR, 14.25},
            {"Text1", "100", 2040, 10320, 855, 375, TNR, 12, false, false, Black, PaleYellow},
            {"Label2", "keV", 3000, 10320, 450, 315, TNR, 14.25},
            {"Label4", "μ", 3735, 10320, 345, 285, G, 14.25, true},
            {"Text3", "", 4200, 10320, 1095, 375, TNR, 12, false, false, Blue, PaleYellow},
            {"Label6", "cm", 5400, 10320, 345, 315, TNR, 14.25},
            {"Label7", "-1", 5760, 10320, 180, 180, G, 9},
            {"Command1", "GO", 7200, 10280, 2175, 650, TNR, 15.75},
            {"Command3", "Reset", 9600, 10280, 1095, 375, TNR, 12},
            {"Label3", "Total Photons", 240, 10680, 1590, 315, TNR, 14.25},
            {"Text2", "", 2040, 10680, 1095, 375, TNR, 12, false, false, Blue, PaleCyan},
            {"Label5", "mfp", 3675, 10680, 465, 315, TNR, 14.25},
            {"Text5", "", 4200, 10680, 855, 390, TNR, 12, false, false, Blue, PaleYellow},
            {"Line1", nullptr, 5160, 11040, 5520, 10680, nullptr, 0, false, false, Black},
            {"Text4", "", 5640, 10680, 855, 390, TNR, 12, false, false, Blue, PaleCyan},
            {"Label8", "cm", 6600, 10680, 345, 315, TNR, 14.25},
            {"Label9", "400 phtons / click", 7440, 10920, 1530, 255, TNR, 11.25},
            {"Command2", "EXIT", 9600, 10700, 1095, 375, TNR, 12},
        });
    for (auto *p : {form.Picture1, form.Picture2})
        EXPECT_TRUE(p->hasSunkenBorder());
    EXPECT_EQ(form.Picture1->innerRect().size(), QSize(701, 429));
    EXPECT_EQ(form.Picture2->innerRect().size(), QSize(701, 229));
    EXPECT_EQ(form.Picture1->scale(), QRectF(0, 0, 1000, 430));
    EXPECT_EQ(form.Picture2->scale(), QRectF(0, 0, 1000, 500));
    EXPECT_EQ(form.controls().lineShape("Line1")->lineWidth(), 1);
    for (const char *centred : {"Label4", "Label5"})
        EXPECT_TRUE(form.controls().label(centred)->alignment() & Qt::AlignHCenter) << centred;
    for (QLabel *l : form.findChildren<QLabel *>())
        EXPECT_FALSE(l->autoFillBackground()) << l->objectName().toStdString();
}

TEST(StelmoLayout, MainWindowTabOrder)
{
    stelmo::Form1 form(stelmotest::loadTissueTable);
    form.showForm();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.Picture1->setFocus();
    for (const char *next : {"Picture2", "Command1", "Command2", "Text1", "Command3", "Text2",
                             "Text3", "Text4", "Text5", "Picture1"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), form.controls().widget(next)) << next;
    }
    form.hide();
}

} // namespace
