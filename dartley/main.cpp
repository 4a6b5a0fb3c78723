// SPDX-License-Identifier: MIT
#include "common/application.h"
#include "dartley/form2.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    common::prepareApplication(app, QStringLiteral("Dartley"),
                               QStringLiteral(":/dartley/icon.svg"));
    dartley::Form2 title;
    title.showForm();
    return app.exec();
}
