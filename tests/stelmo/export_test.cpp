// SPDX-License-Identifier: MIT
// What leaves Stelmo's main window: CSV results, pictures, the clipboard; and zoom.
#include "common/core/numbertext.h"
#include "common/gui/exports.h"
#include "common/gui/palette.h"
#include "common/gui/picturebox.h"
#include "common/gui/statswindow.h"
#include "stelmo/form1.h"
#include "stelmo/physics.h"
#include "stelmo/plot.h"
#include "tests/exportcheck.h"
#include "tests/stelmo/tissuetable.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

using exportcheck::DialogTyper;

class StelmoExports : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        batchkeys::prepare(form);
    }
    void TearDown() override
    {
        form.hide();
        testutil::settleApplication();
    }
    void batch() { QTest::mouseClick(form.Command1, Qt::LeftButton); }
    QString saveBy(Qt::KeyboardModifiers modifiers, const QString &name)
    {
        const QString path = dir.filePath(name);
        DialogTyper typer(path);
        form.Picture1->setFocus();
        batchkeys::press(&form, Qt::Key_S, modifiers);
        EXPECT_TRUE(typer.seen) << "no save dialog";
        EXPECT_TRUE(typer.fieldFocused) << "the file-name field must have the focus";
        return path;
    }
    QTemporaryDir dir;
    stelmo::Form1 form{stelmotest::loadTissueTable};
};

TEST_F(StelmoExports, CtrlSSavesTheResultsAsCsvThroughTheDialog)
{
    batch();
    batch();
    const auto csv = exportcheck::readCsv(
        exportcheck::fileBytes(saveBy(Qt::ControlModifier, QStringLiteral("run.csv"))));
    const stelmo::Module1 &m = form.module();
    const double mu = stelmo::attenuationCoefficient(form.module().table(), 100);
    EXPECT_EQ(csv.comments.value(QStringLiteral("energy_keV")), QStringLiteral("100"));
    EXPECT_EQ(csv.comments.value(QStringLiteral("mu_per_cm")).toDouble(), mu);
    EXPECT_EQ(csv.comments.value(QStringLiteral("mean_free_path_cm")).toDouble(), 1 / mu);
    EXPECT_EQ(csv.comments.value(QStringLiteral("photons")), QStringLiteral("800"));
    EXPECT_EQ(csv.comments.value(QStringLiteral("mean_path_cm")).toDouble(),
              m.Results.PathSum / 800);
    EXPECT_EQ(csv.header, QStringList({QStringLiteral("depth_cm"), QStringLiteral("reached"),
                                       QStringLiteral("transmittance"), QStringLiteral("exp_law"),
                                       QStringLiteral("sigma")}));
    // The mean's standard error from the module's sums, s with N - 1.
    const double s2 = (m.Results.PathSquareSum - m.Results.PathSum * m.Results.PathSum / 800) / 799;
    EXPECT_NEAR(csv.comments.value(QStringLiteral("mean_path_sigma_cm")).toDouble(),
                std::sqrt(s2 / 800), 1e-12);
    double ks = 0;
    for (int k = 1; k <= 400; ++k)
        ks = std::max(ks, std::abs(m.Results.TransmittedCount[std::size_t(k)] / 800.0 -
                                   std::exp(-mu * (k - 1) / 10.0)));
    EXPECT_DOUBLE_EQ(csv.comments.value(QStringLiteral("ks_distance")).toDouble(), ks);
    EXPECT_DOUBLE_EQ(csv.comments.value(QStringLiteral("ks_critical_5pct")).toDouble(),
                     1.36 / std::sqrt(800.0));
    ASSERT_EQ(csv.rows.size(), 400u);
    for (int k = 1; k <= 400; ++k) {
        const QStringList &row = csv.rows[std::size_t(k - 1)];
        ASSERT_EQ(row.size(), 5);
        const double depth = (k - 1) / 10.0;
        EXPECT_DOUBLE_EQ(row[0].toDouble(), depth) << k;
        EXPECT_EQ(row[1].toLongLong(), m.Results.TransmittedCount[std::size_t(k)]) << k;
        EXPECT_DOUBLE_EQ(row[2].toDouble(), double(m.Results.TransmittedCount[std::size_t(k)]) /
                                                m.Results.TransmittedCount[1]);
        EXPECT_DOUBLE_EQ(row[3].toDouble(), std::exp(-mu * depth)) << k;
        const double t = row[2].toDouble();
        EXPECT_DOUBLE_EQ(row[4].toDouble(), std::sqrt(t * (1 - t) / 800)) << k;
    }
}

// Ctrl+S half-way through a paced batch: the dialog opens over the window while the
// photons go on behind it, and the file holds the batches before, whole.
TEST_F(StelmoExports, CsvSavedDuringABatchHoldsTheBatchesBefore)
{
    batch();
    const QString before = form.module().resultsCsv().toUtf8();
    form.pacer().setPace(common::Pace::Normal);
    const QString path = dir.filePath(QStringLiteral("mid.csv"));
    bool asked = false;
    int photonsWhenAsked = 0, photonsWhenAnswered = 0;
    std::unique_ptr<DialogTyper> typer;
    batchkeys::Script script([&](int) {
        if (!form.pacer().running())
            return false;
        if (!asked && form.pacer().photonsDone() >= 100) {
            asked = true;
            photonsWhenAsked = form.pacer().photonsDone();
            batchkeys::press(&form, Qt::Key_S, Qt::ControlModifier);
        } else if (asked && !typer && form.pacer().photonsDone() >= photonsWhenAsked + 50) {
            // The photons ran on while the dialog was open; now the user answers it.
            photonsWhenAnswered = form.pacer().photonsDone();
            typer = std::make_unique<DialogTyper>(path);
        }
        return true;
    });
    batch();
    ASSERT_TRUE(typer && typer->seen) << "no save dialog during the batch";
    EXPECT_GE(photonsWhenAnswered, photonsWhenAsked + 50);
    EXPECT_EQ(exportcheck::fileBytes(path), before.toUtf8());
    EXPECT_EQ(form.module().Results.PhotonCount, 2 * stelmo::PhotonsPerBatch);
    form.pacer().setPace(common::Pace::Fast);
}

// The statistics window's save dialog leaves the main window free: EXIT clicked there
// while the dialog is open and a batch runs ends the program at once.
TEST_F(StelmoExports, ExitWhileASaveDialogIsOpenEndsAtOnce)
{
    QAction *statisticsCsv = nullptr;
    for (QAction *a : form.statistics().actions())
        if (a->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_S)))
            statisticsCsv = a;
    ASSERT_NE(statisticsCsv, nullptr);
    form.statistics().toggle();
    form.pacer().setPace(common::Pace::Normal);
    bool asked = false, dialogOpen = false;
    int photonsAtExit = -1;
    batchkeys::Script script([&](int) {
        if (!form.pacer().running())
            return false;
        if (!asked && form.pacer().photonsDone() >= 50) {
            asked = true;
            statisticsCsv->trigger();
        } else if (asked && qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            dialogOpen = true;
            photonsAtExit = form.pacer().photonsDone();
            QTest::mouseClick(form.Command2, Qt::LeftButton);
            return false;
        }
        return true;
    });
    batch();
    EXPECT_TRUE(dialogOpen);
    EXPECT_TRUE(testutil::quitRequested());
    EXPECT_TRUE(form.pacer().cancelled());
    EXPECT_EQ(form.pacer().photonsDone(), photonsAtExit) << "a photon ran after EXIT";
    EXPECT_EQ(form.module().Results.PhotonCount, 0);
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.statistics().isVisible());
}

TEST_F(StelmoExports, BeforeTheFirstBatchAndAfterResetTheCsvHasNoRows)
{
    for (int pass = 0; pass < 2; ++pass) {
        const common::CsvTable csv = form.module().resultsCsv();
        EXPECT_EQ(csv.header.size(), 5);
        EXPECT_TRUE(csv.rows.empty()) << pass;
        batch();
        QTest::mouseClick(form.Command3, Qt::LeftButton); // Reset
        form.Text1->setText(QStringLiteral("100"));
    }
}

TEST_F(StelmoExports, WindowPictureAsPngIsTwiceItsSizeAndAsSvgIsVector)
{
    batch();
    const QImage png(saveBy(Qt::ControlModifier | Qt::ShiftModifier, QStringLiteral("w.png")));
    EXPECT_EQ(png.size(), form.size() * 2);
    // The first track, where the window shows it, is in the picture too.
    const QPointF inner = form.Picture1->toPixel({205, 0}) + QPointF(2, 2);
    const QPoint at = form.Picture1->mapTo(&form, inner.toPoint()) * 2 + QPoint(1, 1);
    EXPECT_EQ(png.pixelColor(at), common::PaletteColor(common::palette::LightRed));

    const QString svgPath = dir.filePath(QStringLiteral("w.svg"));
    ASSERT_EQ(common::saveWindowPicture(form, svgPath), QString());
    const auto elements = exportcheck::svgElements(exportcheck::fileBytes(svgPath));
    ASSERT_FALSE(elements.isEmpty()) << "the SVG does not parse";
    // 400 tracks and the plot frames as lines or paths, the labels as text.
    EXPECT_GE(elements.value(QStringLiteral("polyline")) + elements.value(QStringLiteral("path")) +
                  elements.value(QStringLiteral("line")),
              400);
    EXPECT_GE(elements.value(QStringLiteral("text")), 20);
}

TEST_F(StelmoExports, PlotPictureSvgHasNoBitmapInIt)
{
    batch();
    const QString path = dir.filePath(QStringLiteral("tracks.svg"));
    ASSERT_EQ(common::savePlotPicture(*form.Picture1, path), QString());
    const auto elements = exportcheck::svgElements(exportcheck::fileBytes(path));
    ASSERT_FALSE(elements.isEmpty());
    EXPECT_EQ(elements.value(QStringLiteral("image")), 0);
    EXPECT_GE(elements.value(QStringLiteral("polyline")) + elements.value(QStringLiteral("path")),
              400);
}

TEST_F(StelmoExports, CtrlShiftCCopiesTheWindowAtTwiceItsSize)
{
    batch();
    QApplication::clipboard()->clear();
    batchkeys::press(&form, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QApplication::clipboard()->image().size(), form.size() * 2);
}

// A file that cannot be written is reported, and nothing is lost: here the name is an
// existing folder, which keeps what it holds.
TEST_F(StelmoExports, UnwritablePathIsReportedAndChangesNothing)
{
    batch();
    QDir(dir.path()).mkdir(QStringLiteral("taken"));
    QFile kept(dir.filePath(QStringLiteral("taken/kept.txt")));
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
    kept.write("kept");
    kept.close();
    const QString taken = dir.filePath(QStringLiteral("taken"));
    for (const QString &failure :
         {common::writeFileAtomically(taken, form.module().resultsCsv().toUtf8()),
          common::saveWindowPicture(form, taken), common::savePlotPicture(*form.Picture2, taken),
          common::saveWindowPicture(form, taken + QStringLiteral("/../taken"))}) {
        EXPECT_TRUE(failure.contains(QStringLiteral("taken"))) << failure.toStdString();
        EXPECT_TRUE(failure.contains(QStringLiteral("cannot be written")));
    }
    EXPECT_TRUE(QFileInfo(taken).isDir());
    EXPECT_EQ(exportcheck::fileBytes(dir.filePath(QStringLiteral("taken/kept.txt"))),
              QByteArray("kept"));
    EXPECT_FALSE(
        common::writeFileAtomically(dir.filePath(QStringLiteral("none/x.csv")), "x").isEmpty());
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("none"))));
}

TEST_F(StelmoExports, ZoomInTwiceAndBackKeepsTextsAndPlots)
{
    batch();
    const QStringList texts{form.Text1->text(), form.Text2->text(), form.Text3->text(),
                            form.Text4->text(), form.Text5->text()};
    const QImage tracks = form.Picture1->image(), curve = form.Picture2->image();
    const QSize size = form.size();
    form.Picture1->setFocus();
    batchkeys::press(&form, Qt::Key_Plus, Qt::ControlModifier);
    batchkeys::press(&form, Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(form.zoom(), 1.25);
    EXPECT_EQ(form.size(), QSize(qRound(size.width() * 1.25), qRound(size.height() * 1.25)));
    EXPECT_NEAR(form.Command1->width(), 145 * 1.25, 1.0);
    EXPECT_EQ(form.Text4->text(), texts[3]);
    EXPECT_FALSE(form.Text1->isEnabled());
    // The plot at 125 % shows the same drawing: the first track, the slab, the frame.
    EXPECT_EQ(form.Picture1->colorAt({205, 0}), common::PaletteColor(common::palette::LightRed));
    EXPECT_EQ(form.Picture1->colorAt({600, 200}).rgb(),
              tracks.pixel(tracks.width() / 2, 200 * tracks.height() / 430));
    batchkeys::press(&form, Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(form.zoom(), 1.0);
    EXPECT_EQ(form.size(), size);
    for (int i = 0; i < texts.size(); ++i)
        EXPECT_EQ((QStringList{form.Text1->text(), form.Text2->text(), form.Text3->text(),
                               form.Text4->text(), form.Text5->text()})[i],
                  texts[i]);
    EXPECT_TRUE(form.Picture1->image() == tracks) << "drawn again, pixel for pixel";
    EXPECT_TRUE(form.Picture2->image() == curve);
}

// Zoomed out step by step, the window shows nothing outside its controls but its own
// background: no pixels left over from a larger zoom.
TEST_F(StelmoExports, ZoomingOutLeavesNoStalePixels)
{
    batch();
    for (int step = 0; step < 5; ++step)
        batchkeys::press(&form, Qt::Key_Minus, Qt::ControlModifier);
    ASSERT_EQ(form.zoom(), 0.5);
    QApplication::processEvents();
    const QImage shown = form.grab().toImage();
    QRegion controls;
    for (QWidget *w : form.findChildren<QWidget *>())
        if (w->isVisible() && !w->isWindow())
            controls += w->geometry();
    const QColor background = form.palette().color(QPalette::Window);
    int stale = 0;
    QPoint first;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (!controls.contains(QPoint(x, y)) && shown.pixelColor(x, y) != background) {
                if (stale++ == 0)
                    first = QPoint(x, y);
            }
    EXPECT_EQ(stale, 0) << "first at " << first.x() << "," << first.y();
}

} // namespace

namespace {

TEST(StelmoStatisticsWindow, ShowsTheMeanPathWithItsErrorAndTheKsDistance)
{
    stelmo::Form1 form{stelmotest::loadTissueTable};
    batchkeys::prepare(form);
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    form.Picture1->setFocus();
    batchkeys::press(&form, Qt::Key_T, Qt::ControlModifier);
    ASSERT_TRUE(form.statistics().isVisible());
    QString all;
    for (QLabel *l : form.statistics().lineLabels())
        if (l->isVisible())
            all += l->text() + QLatin1Char('\n');
    const stelmo::Module1 &m = form.module();
    const double mu = stelmo::attenuationCoefficient(m.table(), 100);
    const stelmo::PathStatistics s =
        stelmo::pathStatistics(800, m.Results.PathSum, m.Results.PathSquareSum, mu);
    EXPECT_TRUE(all.contains(form.Text4->text())) << all.toStdString();
    EXPECT_TRUE(all.contains(common::formatFixed3(s.standardError))) << all.toStdString();
    EXPECT_TRUE(all.contains(QStringLiteral("KS"))) << all.toStdString();
    EXPECT_GT(form.statistics().plot()->operationCount(), 2u);
    form.statistics().hide();
    form.hide();
    testutil::settleApplication();
}

} // namespace

namespace {

// The ±2σ band is off as described; Ctrl+B draws it about the law and takes it away.
TEST(StelmoBands, CtrlBTogglesTheBandAboutTheLaw)
{
    stelmo::Form1 form{stelmotest::loadTissueTable};
    batchkeys::prepare(form);
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    const QImage described = form.Picture2->image();
    const QColor band = common::PaletteColor(common::palette::LightBlue);
    EXPECT_EQ(testutil::pixelsOf(form.Picture2, band), 0);
    form.Picture1->setFocus();
    batchkeys::press(&form, Qt::Key_B, Qt::ControlModifier);
    EXPECT_GT(testutil::pixelsOf(form.Picture2, band), 200);
    // Both edges lie about exp(−μx): at 10 cm T = 0.185, σ = 0.019 for 400 photons.
    const double mu = stelmo::attenuationCoefficient(form.module().table(), 100);
    const double t = std::exp(-mu * 10), sigma = stelmo::transmittanceSigma(t, 400);
    for (double edge : {t + 2 * sigma, t - 2 * sigma})
        EXPECT_EQ(form.Picture2->colorAt({400, stelmo::plot::transmittanceY(edge)}), band) << edge;
    batchkeys::press(&form, Qt::Key_B, Qt::ControlModifier);
    EXPECT_TRUE(form.Picture2->image() == described);
    form.hide();
    testutil::settleApplication();
}

} // namespace
