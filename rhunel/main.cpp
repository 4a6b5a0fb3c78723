// SPDX-License-Identifier: MIT
#include "common/gui/application.h"
#include "common/gui/language.h"
#include "rhunel/form2.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    common::prepareApplication(app, QStringLiteral("Rhunel"));
    // Japanese, or English by the locale or the choice the menu saved.
    common::setLanguage(common::startupLanguage(), false);
    rhunel::Form2 title;
    title.showForm();
    return app.exec();
}
