// SPDX-License-Identifier: MIT
// Grabs each program's main window after a few batches, for the README:
//   docshots OUTDIR      (run from the data/ folder, where the programs find ICRU4.dat)
#include "common/application.h"
#include "dartley/form1.h"
#include "rhunel/form1.h"
#include "stelmo/form1.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cstdio>

namespace {

bool save(QWidget &window, const QString &dir, const char *name)
{
    QApplication::processEvents();
    const QString file = dir + QLatin1Char('/') + QLatin1String(name);
    if (!window.grab().save(file)) {
        std::fprintf(stderr, "docshots: cannot write %s\n", qPrintable(file));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: docshots OUTDIR\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    common::prepareApplication(app, QStringLiteral("docshots"), QString());
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);

    dartley::Form1 dartleyMain;
    dartleyMain.showForm();
    for (int n = 0; n < 3; ++n)
        QTest::mouseClick(dartleyMain.Command1, Qt::LeftButton);
    if (!save(dartleyMain, out, "dartley.png"))
        return 1;

    // The two photon programs read ICRU4.dat as they always do: run this from data/.
    stelmo::Form1 stelmoMain;
    if (!stelmoMain.showForm())
        return 1;
    for (int n = 0; n < 2; ++n)
        QTest::mouseClick(stelmoMain.Command1, Qt::LeftButton);
    if (!save(stelmoMain, out, "stelmo.png"))
        return 1;

    rhunel::Form1 rhunelMain;
    if (!rhunelMain.showForm())
        return 1;
    for (int n = 0; n < 2; ++n)
        QTest::mouseClick(rhunelMain.Command1, Qt::LeftButton);
    if (!save(rhunelMain, out, "rhunel.png"))
        return 1;
    return 0;
}
