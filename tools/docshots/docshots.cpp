// SPDX-License-Identifier: MIT
// Grabs each program's main window after a few batches, for the README:
//   docshots OUTDIR      (run from the data/ folder, where the programs find ICRU4.dat)
// and the same two photon programs in other materials, for the teachers' comparison.
#include "common/core/materials.h"
#include "common/gui/application.h"
#include "dartley/form1.h"
#include "rhunel/form1.h"
#include "stelmo/form1.h"
#include "tests/idle.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTest>

#include <algorithm>
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

const common::Material *material(const char *fileName)
{
    for (const common::Material &m : common::materials())
        if (QLatin1String(m.fileName) == QLatin1String(fileName))
            return &m;
    return nullptr;
}

// The window after batches in a material; drawn as at any pace, so run at Fast.
template <class Form> QImage materialShot(const char *fileName, const char *energy, int batches)
{
    Form form;
    const common::Material *m = material(fileName);
    if (!form.showForm() || m == nullptr || !form.useMaterial(*m))
        return {};
    form.pacer().setPace(common::Pace::Fast);
    form.Text1->setText(QLatin1String(energy));
    form.runBatches(batches);
    testutil::waitUntilIdle();
    QApplication::processEvents();
    return form.grab().toImage();
}

// Windows side by side, scaled to fit a README's width.
bool saveSideBySide(const QList<QImage> &shots, double scale, const QString &dir, const char *name)
{
    int width = 0, height = 0;
    for (const QImage &shot : shots) {
        if (shot.isNull())
            return false;
        width += shot.width();
        height = std::max(height, shot.height());
    }
    QImage joined(width, height, QImage::Format_RGB32);
    joined.fill(Qt::white);
    QPainter painter(&joined);
    int x = 0;
    for (const QImage &shot : shots) {
        painter.drawImage(x, 0, shot);
        x += shot.width();
    }
    painter.end();
    const QString file = dir + QLatin1Char('/') + QLatin1String(name);
    if (!joined.scaledToWidth(int(width * scale), Qt::SmoothTransformation).save(file)) {
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
    // A click returns once what it started has run: batches run from the event loop.
    testutil::IdleAfterInput app(argc, argv);
    common::prepareApplication(app, QStringLiteral("docshots"));
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

    // The teachers' comparisons: Stelmo at 100 keV, Rhunel at 20 keV, two batches each.
    const bool compared =
        saveSideBySide({materialShot<stelmo::Form1>("cortical_bone.dat", "100", 2),
                        materialShot<stelmo::Form1>("lung.dat", "100", 2),
                        materialShot<stelmo::Form1>("lead.dat", "100", 2)},
                       0.66, out, "stelmo-materials.png") &&
        saveSideBySide({materialShot<rhunel::Form1>("water.dat", "20", 2),
                        materialShot<rhunel::Form1>("lead.dat", "20", 2)},
                       0.8, out, "rhunel-materials.png");
    return compared ? 0 : 1;
}
