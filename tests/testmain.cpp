// SPDX-License-Identifier: MIT
// Runs GoogleTest inside a QApplication, so window tests can create real widgets.
#include "common/gui/application.h"
#include "tests/idle.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    testutil::IdleAfterInput app(argc, argv);
    common::installFontSubstitutions();
    QApplication::setStyle(QStringLiteral("Fusion"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
