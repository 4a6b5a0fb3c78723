// SPDX-License-Identifier: MIT
#include "common/gui/application.h"
#include "common/gui/palette.h"
#include "common/gui/picturebox.h"
#include "rhunel/form1.h"
#include "rhunel/form2.h"
#include "rhunel/form3.h"
#include "rhunel/plot.h"
#include "tests/rhunel/synthetictable.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "tests/idle.h"
#include "tests/testutil.h"

#include <functional>
#include <numeric>

using common::PaletteColor;

namespace {

const QColor LightRed = PaletteColor(common::palette::LightRed);
const QColor LightBlue = PaletteColor(common::palette::LightBlue);
const QColor Blue = PaletteColor(common::palette::Blue);
const QColor LightCyan = PaletteColor(common::palette::LightCyan);

std::int64_t histogramTotal(const rhunel::Module2 &m)
{
    return std::accumulate(m.Results.AngleHistogram.begin() + 1, m.Results.AngleHistogram.end(),
                           std::int64_t{0});
}

class Form1Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        testutil::settleApplication();
        QApplication::setApplicationName(QStringLiteral("Rhunel"));
        form.pacer().setPace(common::Pace::Fast); // the described, unpaced batch
        ASSERT_TRUE(form.showForm());
    }
    void TearDown() override
    {
        form.hide();
        testutil::settleApplication();
    }
    void click(QPushButton *b) { QTest::mouseClick(b, Qt::LeftButton); }
    rhunel::Module2 &m() { return form.module(); }
    rhunel::Form1 form{synthetic::source};
};

TEST_F(Form1Test, StartsReadyAtTwentyKeVWithAnEmptyFrame)
{
    EXPECT_EQ(form.Text1->text(), QStringLiteral("20"));
    EXPECT_TRUE(form.Text1->isEnabled());
    EXPECT_TRUE(form.Text2->text().isEmpty());
    EXPECT_EQ(form.Command1->text(), QStringLiteral("GO"));
    EXPECT_EQ(m().Pi, 3.141592);
    EXPECT_EQ(m().CurveReady, 0);
    EXPECT_EQ(m().Results.PhotonCount, 0);
    EXPECT_EQ(histogramTotal(m()), 0);
    EXPECT_EQ(m().CumulativeTotal, m().CumulativeWeight[45]);
    EXPECT_GT(m().CumulativeTotal, 0);
    const common::PictureBox *p = form.Picture1;
    EXPECT_EQ(p->colorAt({200, 200}), LightCyan);
    EXPECT_EQ(p->colorAt({150, 300}), Blue);               // baseline
    EXPECT_EQ(p->colorAt({300, 50}), Blue);                // top of the half-circle
    EXPECT_EQ(p->colorAt({300 + 125, 300 - 216.5}), Blue); // 60-degree spoke, halfway
    EXPECT_EQ(p->colorAt({550, 300}), LightRed);           // the beam
    EXPECT_EQ(p->colorAt({303, 300}), LightRed);           // interaction point
    EXPECT_EQ(p->colorAt({300, 300}), LightRed);
    EXPECT_EQ(testutil::pixelsOf(form.Picture2, Qt::white),
              form.Picture2->image().width() * form.Picture2->image().height());
}

TEST_F(Form1Test, BatchDrawsTracksHistogramAndCurve)
{
    click(form.Command1);
    EXPECT_EQ(form.Text2->text(), QStringLiteral("500"));
    EXPECT_EQ(form.Command1->text(), QStringLiteral("Continue"));
    EXPECT_FALSE(form.Text1->isEnabled());
    EXPECT_TRUE(form.Command1->isEnabled());
    EXPECT_TRUE(form.Command3->isEnabled());
    EXPECT_EQ(m().PhotonEnergy, 20.0);
    EXPECT_EQ(m().CurveReady, 1);
    // The interaction point turns blue inside its outer red ring.
    for (double dx : {-2.0, -1.0, 1.0, 2.0})
        EXPECT_EQ(form.Picture1->colorAt({300 + dx, 300}), Blue) << dx;
    EXPECT_EQ(form.Picture1->colorAt({303, 300}), LightRed);
    EXPECT_GT(testutil::pixelsOf(form.Picture1, LightRed), 5000);

    // The histogram's maximum reaches the top of the frame.
    const auto *h =
        std::max_element(m().Results.AngleHistogram.begin() + 1, m().Results.AngleHistogram.end());
    const int hBin = int(h - m().Results.AngleHistogram.begin());
    EXPECT_EQ(form.Picture2->colorAt({4.0 * hBin + 198, 50}), LightRed);
    EXPECT_EQ(form.Picture2->colorAt({200, 300}), PaletteColor(common::palette::Black)); // frame
}

TEST_F(Form1Test, EachClickAddsFiveHundred)
{
    for (int n = 1; n <= 3; ++n) {
        click(form.Command1);
        EXPECT_EQ(histogramTotal(m()), 500 * n);
        EXPECT_EQ(m().Results.PhotonCount, 500 * n);
        EXPECT_EQ(form.Text2->text(), QString::number(500 * n));
    }
}

TEST_F(Form1Test, CurveIsComputedOncePerEnergy)
{
    click(form.Command1);
    m().ReferenceCurve[5] = 0.125; // a mark that a recomputation would wipe
    click(form.Command1);
    EXPECT_EQ(m().ReferenceCurve[5], 0.125);
    click(form.Command3);
    form.Text1->setText(QStringLiteral("60"));
    click(form.Command1);
    EXPECT_NE(m().ReferenceCurve[5], 0.125);
    EXPECT_EQ(m().PhotonEnergy, 60.0);
    EXPECT_EQ(form.Text2->text(), QStringLiteral("500"));
}

TEST_F(Form1Test, ClearEmptiesResultsButKeepsTheGenerator)
{
    const QImage emptyFrame = form.Picture1->image();
    click(form.Command1);
    click(form.Command1);
    const auto tableBefore = m().Random.RandomTable;
    const int lagBefore = m().Random.LongLagIndex;
    click(form.Command3);
    EXPECT_EQ(form.Picture1->image(), emptyFrame);
    EXPECT_EQ(testutil::pixelsOf(form.Picture2, Qt::white),
              form.Picture2->image().width() * form.Picture2->image().height());
    EXPECT_TRUE(form.Text1->isEnabled());
    EXPECT_TRUE(form.Text1->text().isEmpty());
    EXPECT_TRUE(form.Text2->text().isEmpty());
    EXPECT_EQ(form.Command1->text(), QStringLiteral("GO"));
    EXPECT_EQ(m().Results.PhotonCount, 0);
    EXPECT_EQ(m().CurveReady, 0);
    EXPECT_EQ(histogramTotal(m()), 0);
    EXPECT_EQ(m().Random.RandomTable, tableBefore);
    EXPECT_EQ(m().Random.LongLagIndex, lagBefore);

    testutil::MessageCatcher box;
    box.arm();
    click(form.Command1);
    EXPECT_TRUE(box.seen);
    EXPECT_EQ(box.text, QStringLiteral("  Input Photon energy  "));
}

// What the energy box may hold: the readings shared with the other programs, and the
// energies the table cannot serve, which are refused with the usable range.
struct EnergyCase {
    const char *name;
    const char *text; // nullptr: the bound itself, written out in full
    enum Bound { None, Low, High } bound = None;
    double runsAt = 0; // 0: refused
};
void PrintTo(const EnergyCase &e, std::ostream *os) { *os << e.name; }

class EnergyTest : public Form1Test, public ::testing::WithParamInterface<EnergyCase> {};

TEST_P(EnergyTest, RunsAtItsReadingOrIsRefused)
{
    const EnergyCase &e = GetParam();
    const rhunel::EnergyRange range = rhunel::usableEnergies(m().MomentumTransfer);
    QString text = QString::fromUtf8(e.text ? e.text : "");
    if (e.bound == EnergyCase::Low)
        text = QString::number(range.lowKeV, 'g', 17);
    if (e.bound == EnergyCase::High)
        text = QString::number(range.highKeV, 'g', 17);
    form.Text1->setText(text);
    testutil::MessageCatcher box;
    box.arm();
    click(form.Command1);
    if (e.runsAt > 0) {
        EXPECT_FALSE(box.seen) << box.text.toStdString();
        EXPECT_EQ(m().PhotonEnergy, e.runsAt);
        EXPECT_EQ(form.Text2->text(), QStringLiteral("500"));
        return;
    }
    ASSERT_TRUE(box.seen);
    EXPECT_EQ(box.icon, QMessageBox::Warning);
    EXPECT_EQ(box.title, QStringLiteral("Rhunel"));
    EXPECT_TRUE(box.text.contains(QString::number(range.lowKeV, 'g', 6))) << box.text.toStdString();
    EXPECT_TRUE(box.text.contains(QString::number(range.highKeV, 'g', 6)));
    EXPECT_TRUE(box.text.contains(QStringLiteral("keV")));
    EXPECT_EQ(box.text, QStringLiteral("  Photon energy: above %1 keV and below %2 keV  ")
                            .arg(QString::number(range.lowKeV, 'g', 6),
                                 QString::number(range.highKeV, 'g', 6)));
    // Nothing else changed.
    EXPECT_TRUE(form.Text1->isEnabled());
    EXPECT_EQ(form.Text1->text(), text);
    EXPECT_EQ(form.Command1->text(), QStringLiteral("GO"));
    EXPECT_EQ(m().CurveReady, 0);
    EXPECT_EQ(m().PhotonEnergy, 0.0);
    EXPECT_EQ(histogramTotal(m()), 0);
    EXPECT_EQ(form.Picture1->colorAt({300, 300}), LightRed);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, EnergyTest,
    ::testing::Values(EnergyCase{"Twenty", "20", EnergyCase::None, 20},
                      EnergyCase{"UnitAfterDigits", "30keV", EnergyCase::None, 30},
                      EnergyCase{"BlankBetweenDigits", "2 5", EnergyCase::None, 25},
                      EnergyCase{"FullWidthDigits", "６０", EnergyCase::None, 60},
                      EnergyCase{"Exponent", "1.2E1", EnergyCase::None, 12},
                      EnergyCase{"JustBelowTop", "123.5", EnergyCase::None, 123.5},
                      EnergyCase{"Zero", "0"}, EnergyCase{"NoNumber", "keV"},
                      EnergyCase{"Blanks", "   "}, EnergyCase{"Negative", "-20"},
                      EnergyCase{"TooLargeForADouble", "1e999"},
                      EnergyCase{"AtLowerBound", nullptr, EnergyCase::Low},
                      EnergyCase{"AtUpperBound", nullptr, EnergyCase::High},
                      EnergyCase{"AboveUpperBound", "500"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(Form1Test, EmptyEnergyWarnsAndChangesNothing)
{
    click(form.Command1);
    const QImage plot = form.Picture1->image();
    form.Text1->clear();
    testutil::MessageCatcher box;
    box.arm();
    click(form.Command1);
    ASSERT_TRUE(box.seen);
    EXPECT_EQ(box.text, QStringLiteral("  Input Photon energy  "));
    EXPECT_EQ(box.icon, QMessageBox::Warning);
    EXPECT_EQ(form.Picture1->image(), plot);
    EXPECT_EQ(form.Text2->text(), QStringLiteral("500"));
}

TEST_F(Form1Test, RunAndClearAreDisabledDuringABatch)
{
    bool runEnabled = true, clearEnabled = true, exitEnabled = false;
    QTimer::singleShot(0, &form, [&] {
        runEnabled = form.Command1->isEnabled();
        clearEnabled = form.Command3->isEnabled();
        exitEnabled = form.Command2->isEnabled();
        // A click on a disabled button does nothing.
        QTest::mouseClick(form.Command1, Qt::LeftButton);
        QTest::mouseClick(form.Command3, Qt::LeftButton);
    });
    click(form.Command1);
    EXPECT_FALSE(runEnabled);
    EXPECT_FALSE(clearEnabled);
    EXPECT_TRUE(exitEnabled);
    EXPECT_EQ(histogramTotal(m()), 500);
    EXPECT_EQ(form.Text2->text(), QStringLiteral("500"));
    EXPECT_TRUE(form.Command1->isEnabled());
    EXPECT_TRUE(form.Command3->isEnabled());
}

class EndDuringBatchTest : public Form1Test,
                           public ::testing::WithParamInterface<std::pair<const char *, int>> {};

TEST_P(EndDuringBatchTest, StopsAtOnceWithoutDrawingFurther)
{
    const bool viaCloseBox = GetParam().second == 1;
    QTimer::singleShot(0, &form, [&] {
        if (viaCloseBox)
            form.close();
        else
            QTest::mouseClick(form.Command2, Qt::LeftButton);
    });
    click(form.Command1);
    EXPECT_TRUE(testutil::quitRequested());
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.pacer().photonsDone(), 1); // the photon before the loop's first turn
    EXPECT_EQ(histogramTotal(m()), 0);        // a batch that never ended adds nothing
    EXPECT_TRUE(form.Text2->text().isEmpty());
    EXPECT_EQ(form.Command1->text(), QStringLiteral("GO"));
    EXPECT_EQ(form.Picture1->colorAt({300, 300}), LightRed); // no end-of-batch mark
    EXPECT_EQ(testutil::pixelsOf(form.Picture2, LightRed), 0);
}

INSTANTIATE_TEST_SUITE_P(Ways, EndDuringBatchTest,
                         ::testing::Values(std::make_pair("ExitButton", 0),
                                           std::make_pair("CloseBox", 1)),
                         [](const auto &info) { return std::string(info.param.first); });

TEST_F(Form1Test, AngularPlotScalesAnyHistogramToTheFrame)
{
    m().PhotonEnergy = 20;
    m().ComputeReferenceCurve();
    // A single nonzero bin rises to the top there and runs along the bottom elsewhere.
    m().Results.AngleHistogram[140] = 7;
    m().DrawAngularPlot();
    EXPECT_EQ(form.Picture2->colorAt({4.0 * 140 + 198, 50}), LightRed);
    EXPECT_EQ(form.Picture2->colorAt({4.0 * 40 + 198, 650}), LightRed);
    // The reference curve's maximum lies on the top grid line.
    const auto *c = std::max_element(m().ReferenceCurve.begin() + 1, m().ReferenceCurve.end());
    const int cBin = int(c - m().ReferenceCurve.begin());
    EXPECT_EQ(form.Picture2->colorAt({4.0 * cBin + 198, 110}), LightBlue);
    EXPECT_NE(form.Picture2->colorAt({4.0 * cBin + 198, 100}), LightBlue);
    // Empty (Clear after the last photon): along the bottom, not a division by zero.
    m().Results.AngleHistogram.fill(0);
    m().DrawAngularPlot();
    for (int bin : {10, 90, 170})
        EXPECT_EQ(form.Picture2->colorAt({4.0 * bin + 198, 650}), LightRed) << bin;
    EXPECT_NE(form.Picture2->colorAt({4.0 * 140 + 198, 50}), LightRed);
}

TEST_F(Form1Test, TracksEndWhereTheirAngleSays)
{
    const struct {
        double c, s;
        QPointF nearEnd;
    } tracks[] = {{1, 0, {102, 300}}, {0, 1, {300, 102}}, {-1, 0, {498, 300}}};
    for (const auto &t : tracks) {
        form.module().DrawTrackFrame();
        const QPointF beyond =
            rhunel::plot::trackEnd(t.c, t.s) * 1.0 + (t.nearEnd - QPointF(300, 300)) * 0.02;
        if (t.c != -1) { // straight back runs along the beam, which is red anyway
            EXPECT_NE(form.Picture1->colorAt(t.nearEnd), LightRed) << t.c;
        }
        form.module().DrawTrack(t.c, t.s);
        EXPECT_EQ(form.Picture1->colorAt(t.nearEnd), LightRed) << t.c;
        if (t.c != -1) {
            EXPECT_NE(form.Picture1->colorAt(beyond), LightRed) << t.c;
        }
    }
}

TEST_F(Form1Test, CountersAre64Bit)
{
    m().Results.PhotonCount = 3'000'000'000;
    m().Results.AngleHistogram[10] = 3'000'000'000;
    click(form.Command1);
    EXPECT_EQ(form.Text2->text(), QStringLiteral("3000000500"));
}

TEST(RhunelStartUp, ABadTableStopsTheMainWindow)
{
    testutil::settleApplication();
    QApplication::setApplicationName(QStringLiteral("Rhunel"));
    rhunel::Form1 form{[](common::MaterialTable &) {
        return QStringLiteral("ICRU4.dat: the file ends after item 40 (line 12)");
    }};
    testutil::MessageCatcher box;
    box.arm();
    EXPECT_FALSE(form.showForm());
    EXPECT_FALSE(form.isVisible());
    testutil::waitUntilIdle(); // the report is read
    ASSERT_TRUE(box.seen);
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_EQ(box.text, QStringLiteral("ICRU4.dat: the file ends after item 40 (line 12)"));
    EXPECT_TRUE(testutil::quitRequested());
    testutil::settleApplication();
}

int darkPixels(const QImage &img)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += img.pixelColor(x, y).lightness() < 100;
    return n;
}

TEST(RhunelWindows, TitleThenInformationThenMain)
{
    testutil::settleApplication();
    rhunel::Form2 title{synthetic::source};
    ASSERT_TRUE(title.showForm());
    EXPECT_EQ(title.form3(), nullptr);
    // Both pictures of the title window are drawn: formula text and the atom.
    EXPECT_GT(darkPixels(title.Picture2->image()), 2000);
    EXPECT_GT(darkPixels(title.Picture1->image()), 2000);
    QTest::mouseClick(title.Command1, Qt::LeftButton);
    rhunel::Form3 *info = title.form3();
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->isVisible());
    EXPECT_FALSE(title.isVisible());
    EXPECT_EQ(info->form1(), nullptr); // the data are read only on OK
    EXPECT_GT(darkPixels(info->Picture1->image()), 2000);
    QTest::mouseClick(info->Command1, Qt::LeftButton);
    rhunel::Form1 *main = info->form1();
    ASSERT_NE(main, nullptr);
    main->pacer().setPace(common::Pace::Fast);
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(info->isVisible());
    EXPECT_EQ(main->Text1->text(), QStringLiteral("20"));
    main->hide();
}

// A whole lesson: title windows, two batches, Clear, one at another energy, EXIT.
// Run under the memory checker as well.
TEST(RhunelSession, TitleTwoBatchesClearExit)
{
    testutil::settleApplication();
    rhunel::Form2 title{synthetic::source};
    title.showForm();
    QTest::mouseClick(title.Command1, Qt::LeftButton);
    QTest::mouseClick(title.form3()->Command1, Qt::LeftButton);
    rhunel::Form1 *main = title.form3()->form1();
    ASSERT_NE(main, nullptr);
    main->pacer().setPace(common::Pace::Fast);
    QTest::mouseClick(main->Command1, Qt::LeftButton);
    QTest::mouseClick(main->Command1, Qt::LeftButton);
    EXPECT_EQ(main->Text2->text(), QStringLiteral("1000"));
    QTest::mouseClick(main->Command3, Qt::LeftButton);
    main->Text1->setText(QStringLiteral("60"));
    QTest::mouseClick(main->Command1, Qt::LeftButton);
    EXPECT_EQ(main->Text2->text(), QStringLiteral("500"));
    QTest::mouseClick(main->Command2, Qt::LeftButton);
    EXPECT_TRUE(testutil::quitRequested());
    testutil::settleApplication();
}

} // namespace
