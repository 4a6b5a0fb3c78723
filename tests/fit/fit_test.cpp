// SPDX-License-Identifier: MIT
// Each window opens wholly on the screen it is shown on, scaled down when the screen is
// too small for its layout, with every control inside it.
#include "tests/everywindow.h"
#include "tests/testutil.h"

#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

using everywindow::WindowCase;

class EveryWindow : public ::testing::TestWithParam<WindowCase> {};

TEST_P(EveryWindow, LiesWhollyOnTheScreenWithAllItsControls)
{
    testutil::settleApplication();
    const std::unique_ptr<common::Form> form = GetParam().make();
    ASSERT_TRUE(form->showForm());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    // With no window manager to draw one, a title bar of 32 pixels is what must fit:
    // the window's position is where its frame would start.
    QRect outer = form->frameGeometry();
    if (outer == form->geometry())
        outer.setHeight(outer.height() + 32);
    EXPECT_TRUE(screen.contains(outer))
        << "window " << outer.x() << "," << outer.y() << " " << outer.width() << "x"
        << outer.height() << " on " << screen.width() << "x" << screen.height();
    const QSize design = form->designSize();
    const bool fits = design.width() <= screen.width() && design.height() + 32 <= screen.height();
    if (fits) {
        EXPECT_EQ(form->zoom(), 1.0) << "a window that fits opens at its laid-out size";
        EXPECT_EQ(form->size(), design);
    } else {
        EXPECT_LT(form->zoom(), 1.0);
    }
    // Every control that the layout puts inside its window is inside it at this zoom
    // (Rhunel's information picture is laid out two pixels taller than its window).
    const std::unique_ptr<common::Form> laidOut = GetParam().make();
    for (QWidget *control : form->findChildren<QWidget *>()) {
        if (control->objectName().isEmpty() || control->isWindow())
            continue;
        const auto *designed = laidOut->findChild<QWidget *>(control->objectName());
        ASSERT_NE(designed, nullptr) << control->objectName().toStdString();
        if (!laidOut->rect().contains(designed->geometry()))
            continue;
        EXPECT_TRUE(form->rect().contains(control->geometry()))
            << control->objectName().toStdString() << " outside its window";
    }
    form->hide();
}

INSTANTIATE_TEST_SUITE_P(Programs, EveryWindow, ::testing::ValuesIn(everywindow::windows),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
