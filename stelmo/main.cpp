// SPDX-License-Identifier: MIT
#include "common/application.h"
#include "stelmo/form2.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    common::prepareApplication(app, QStringLiteral("Stelmo"), QStringLiteral(":/stelmo/icon.svg"));
    stelmo::Form2 title;
    title.showForm();
    return app.exec();
}
