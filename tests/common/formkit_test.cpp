// SPDX-License-Identifier: MIT
#include "common/gui/application.h"
#include "common/gui/form.h"
#include "common/gui/formkit.h"
#include "common/gui/picturebox.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

using namespace common;

namespace {

class SampleForm : public Form {
public:
    SampleForm() : Form(Border::Dialog, "Sample", 6000, 4500)
    {
        // clang-format off
        controls_.build(
            this, {
                      {.name = "Label1", .kind = ControlKind::Label, .text = "円周率 π",
                       .left = 1200, .top = 360, .width = 1545, .height = 360,
                       .font = {fonts::PGothic, 18}, .fore = colours::Blue},
                      {.name = "Line1", .kind = ControlKind::Line, .left = 960, .top = 735,
                       .width = 2880, .height = 735, .fore = colours::Red, .lineWidth = 2},
                      {MCT_BOUND(Text1), .left = 300, .top = 1500,
                       .width = 1455, .height = 375, .font = {fonts::TimesNewRoman, 14.25},
                       .fore = colours::Red, .back = colours::PaleCyan},
                      {MCT_BOUND(Command1), .text = "OK",
                       .left = 4440, .top = 3000, .width = 1500, .height = 615,
                       .font = {fonts::TimesNewRoman, 15.75}},
                      {MCT_BOUND(Picture1), .left = 240,
                       .top = 2100, .width = 1560, .height = 1560,
                       .back = colours::White, .flags = SunkenBorder,
                       .scale = {-10, -10, 10, 10}},
                  });
        // clang-format on
        Controls::setTabOrder({Picture1, Command1, Text1});
    }
    PictureBox *Picture1 = nullptr;
    QPushButton *Command1 = nullptr;
    QLineEdit *Text1 = nullptr;
    int loads = 0;
    using Form::controls_;

protected:
    bool Load() override
    {
        ++loads;
        Picture1->fillBox({-10, -10}, {10, 10}, 12);
        return true;
    }
};

// A bound row fills its member with a control of the member's kind, named after it.
TEST(FormKit, BoundRowsFillTheirMembers)
{
    SampleForm form;
    ASSERT_NE(form.Picture1, nullptr);
    ASSERT_NE(form.Command1, nullptr);
    ASSERT_NE(form.Text1, nullptr);
    EXPECT_EQ(form.controls_.widget("Picture1"), form.Picture1);
    EXPECT_EQ(form.controls_.widget("Command1"), form.Command1);
    EXPECT_EQ(form.controls_.widget("Text1"), form.Text1);
    EXPECT_EQ(form.Command1->text(), QStringLiteral("OK"));
    EXPECT_EQ(form.Text1->objectName(), QStringLiteral("Text1"));
    EXPECT_EQ(form.Picture1->parentWidget(), &form);
}

TEST(FormKit, TwipsBecomeLogicalPixels)
{
    EXPECT_EQ(twipsToPixels(15), 1);
    EXPECT_EQ(twipsToPixels(8000), 533);
    EXPECT_EQ(twipsToPixels(10710), 714);
    EXPECT_EQ(twipsToPixels(7), 0);
    EXPECT_EQ(twipsToPixels(8), 1);
}

TEST(FormKit, FontsAreSubstitutedAndSizedForA96DpiDesign)
{
    const QFont g = layoutFont({fonts::PGothic, 14.25});
    EXPECT_EQ(g.pixelSize(), 19);
    EXPECT_EQ(QFontInfo(g).family(), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(QFontInfo(layoutFont({fonts::Gothic, 12, true})).family(),
              QStringLiteral("IPAGothic"));
    EXPECT_EQ(QFontInfo(layoutFont({fonts::TimesNewRoman, 12})).family(),
              QStringLiteral("Liberation Serif"));
    EXPECT_EQ(QFontInfo(layoutFont({fonts::Meiryo, 14.25})).family(),
              QStringLiteral("Noto Sans CJK JP"));
}

TEST(FormKit, RowsBecomeWidgetsWithTheirGeometryAndColours)
{
    SampleForm form;
    EXPECT_EQ(form.size(), QSize(400, 300));
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    QLabel *label = form.controls_.label("Label1");
    EXPECT_EQ(label->pos(), QPoint(80, 24));
    EXPECT_EQ(label->text(), QStringLiteral("円周率 π"));
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_FALSE(label->autoFillBackground());
    LineShape *line = form.controls_.lineShape("Line1");
    EXPECT_EQ(line->mapToParent(line->from()), QPoint(64, 49));
    EXPECT_EQ(line->mapToParent(line->to()), QPoint(192, 49));
    QLineEdit *text = form.controls_.textBox("Text1");
    EXPECT_EQ(text->geometry(), QRect(20, 100, 97, 25));
    EXPECT_EQ(text->alignment(), Qt::AlignCenter);
    EXPECT_EQ(text->palette().color(QPalette::Base), QColor(192, 255, 255));
    EXPECT_EQ(text->palette().color(QPalette::Text), QColor(255, 0, 0));
    QPushButton *button = form.controls_.button("Command1");
    EXPECT_EQ(button->geometry(), QRect(296, 200, 100, 41));
    EXPECT_EQ(button->font().pixelSize(), 21);
    PictureBox *picture = form.controls_.picture("Picture1");
    EXPECT_EQ(picture->innerRect().size(), QSize(100, 100));
    EXPECT_EQ(picture->toPixel({0, 0}), QPointF(50, 50));
    EXPECT_THROW(form.controls_.widget("Nothing"), std::logic_error);
    EXPECT_THROW(form.controls_.button("Text1"), std::logic_error);
}

TEST(FormKit, LoadRunsOnceBeforeTheFirstShow)
{
    SampleForm form;
    EXPECT_FALSE(form.isLoaded());
    ASSERT_TRUE(form.showForm());
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.loads, 1);
    form.hide();
    form.showForm();
    EXPECT_EQ(form.loads, 1);
    const QImage shown = form.controls_.picture("Picture1")->grab().toImage();
    EXPECT_EQ(shown.pixelColor(50, 50), QColor(255, 0, 0));
}

TEST(FormKit, TabOrderFollowsTheList)
{
    SampleForm form;
    form.showForm();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.controls_.widget("Picture1")->setFocus();
    for (const char *next : {"Command1", "Text1", "Picture1"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), form.controls_.widget(next)) << next;
    }
}

} // namespace

namespace {

struct FitCase {
    const char *name;
    QSize client;
    QMargins frame;
    QSize available;
    double zoom;
    friend std::ostream &operator<<(std::ostream &os, const FitCase &c) { return os << c.name; }
};

class FitZoom : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitZoom, LargestThatFitsWithTheFrameNeverAboveOne)
{
    const FitCase &c = GetParam();
    EXPECT_NEAR(common::fitZoom(c.client, c.frame, c.available), c.zoom, 1e-9);
}

// Window sizes of the programs: Stelmo's main window 736 x 747, Rhunel's 624 x 753,
// Stelmo's information window 1059 x 692, Rhunel's title window 1038 x 607.
INSTANTIATE_TEST_SUITE_P(
    Screens, FitZoom,
    ::testing::Values(
        FitCase{"FitsOnALargeScreen", {736, 747}, {0, 32, 0, 0}, {1920, 1160}, 1.0},
        FitCase{"TallOnXga", {736, 747}, {0, 32, 0, 0}, {1024, 768}, (768.0 - 32) / 747},
        FitCase{"TallOnALaptop", {624, 753}, {0, 32, 0, 0}, {1366, 768}, (768.0 - 32) / 753},
        FitCase{"WideOnXga", {1059, 692}, {0, 32, 0, 0}, {1024, 768}, 1024.0 / 1059},
        FitCase{"WideFitsALaptop", {1038, 607}, {0, 32, 0, 0}, {1366, 768}, 1.0},
        FitCase{"KnownFrameCounts", {700, 700}, {4, 28, 4, 4}, {1024, 700}, (700.0 - 32) / 700},
        FitCase{"NeverBelowHalf", {1000, 1000}, {0, 32, 0, 0}, {300, 300}, 0.5},
        FitCase{"ExactFit", {1024, 736}, {0, 32, 0, 0}, {1024, 768}, 1.0}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ZoomSteps, FromHalfToThreeTimes)
{
    double z = 1.0;
    std::vector<double> up;
    while (z < common::MaxZoom) {
        z = common::nextZoomStep(z, +1);
        up.push_back(z);
    }
    EXPECT_EQ(up, (std::vector<double>{1.1, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0}));
    EXPECT_EQ(common::nextZoomStep(3.0, +1), 3.0);
    EXPECT_EQ(common::nextZoomStep(1.0, -1), 0.9);
    EXPECT_EQ(common::nextZoomStep(0.5, -1), 0.5);
    // From a fitted zoom between steps, the next step either way.
    EXPECT_EQ(common::nextZoomStep(0.967, +1), 1.0);
    EXPECT_EQ(common::nextZoomStep(0.967, -1), 0.9);
}

} // namespace
