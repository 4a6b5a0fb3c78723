// SPDX-License-Identifier: MIT
// Runs GoogleTest inside a QCoreApplication: the tests of the core and the physics
// link no widgets, so that they show the numerics stand without them.
#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
