// SPDX-License-Identifier: MIT
// The yardstick for start-up: a Qt program that shows one empty window.
#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("empty"));
    window.resize(714, 586);
    window.show();
    return app.exec();
}
