// SPDX-License-Identifier: MIT
#include "common/application.h"
#include "rhunel/form2.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    common::prepareApplication(app, QStringLiteral("Rhunel"), QStringLiteral(":/rhunel/icon.svg"));
    rhunel::Form2 title;
    title.showForm();
    return app.exec();
}
