// SPDX-License-Identifier: MIT
#include "common/core/randomgenerator.h"
#include "common/gui/application.h"
#include "common/gui/palette.h"
#include "common/gui/picturebox.h"
#include "stelmo/form1.h"
#include "stelmo/form2.h"
#include "stelmo/form3.h"
#include "tests/stelmo/tissuetable.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "tests/testutil.h"

#include <array>
#include <cmath>
#include <memory>
#include <ostream>
#include <vector>

using common::PaletteColor;

namespace {

const QColor LightRed = PaletteColor(common::palette::LightRed);
const QColor LightCyan = PaletteColor(common::palette::LightCyan);
const QColor Blue = PaletteColor(common::palette::Blue);
const QColor Black = PaletteColor(common::palette::Black);
const QColor White(Qt::white);

// What a batch must produce, worked out here from the generator and the table's rows
// alone: the sampling, binning and averaging written out again, not called.
struct Reference {
    double mu = 0;
    std::vector<double> paths;
    std::array<long long, 401> bins{};
    double pathSum = 0;

    // Runs `batches` batches after skipping `skipBatches`, on a freshly seeded generator.
    static Reference of(double mu, int batches, int skipBatches = 0)
    {
        Reference ref;
        ref.mu = mu;
        common::RandomGenerator random{common::RandomGenerator::Divisor::Tenth};
        random.RandomInit();
        for (int n = 0; n < 400 * (skipBatches + batches); ++n) {
            double r = 0;
            while (r == 0)
                r = random.Next();
            if (n < 400 * skipBatches)
                continue;
            const double x = std::log(1 / r) / mu;
            ref.paths.push_back(x);
            ref.pathSum += x;
            for (int k = 1; k <= 400 && (k - 1) / 10.0 <= x; ++k)
                ++ref.bins[static_cast<size_t>(k)];
        }
        return ref;
    }
    QString meanText() const
    {
        return QString::asprintf("%.3f", pathSum / static_cast<double>(paths.size()));
    }
};

// The 100 keV row of the hand-filled table: μ is the row's sum there.
constexpr double Mu100 = (0.0030 + 0.1630) + 0.00266;

class Form1Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        testutil::settleApplication();
        QApplication::setApplicationName(QStringLiteral("Stelmo"));
        form.pacer().setPace(common::Pace::Fast); // the described, unpaced batch
        ASSERT_TRUE(form.showForm());
        // Mapped, as a window the user clicks in is: only then does a repaint paint at once.
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    void TearDown() override
    {
        form.hide();
        testutil::settleApplication();
    }
    void click(QPushButton *b) { QTest::mouseClick(b, Qt::LeftButton); }
    void run(const QString &energy)
    {
        form.Text1->setText(energy);
        click(form.Command1);
    }
    struct Snapshot {
        QStringList texts;
        QString caption;
        bool text1Enabled;
        long long count;
        double pathSum;
        QImage tracks, plot;
        bool operator==(const Snapshot &) const = default;
    };
    Snapshot snapshot()
    {
        return {{form.Text1->text(), form.Text2->text(), form.Text3->text(), form.Text4->text(),
                 form.Text5->text()},
                form.Command1->text(),
                form.Text1->isEnabled(),
                form.module().Results.PhotonCount,
                form.module().Results.PathSum,
                form.Picture1->image(),
                form.Picture2->image()};
    }

    stelmo::Form1 form{stelmotest::loadTissueTable};
};

TEST_F(Form1Test, StartsReadyAt100keVWithTheEmptySlab)
{
    EXPECT_EQ(form.Text1->text(), QStringLiteral("100"));
    EXPECT_TRUE(form.Text1->isEnabled());
    for (QLineEdit *box : {form.Text2, form.Text3, form.Text4, form.Text5})
        EXPECT_TRUE(box->text().isEmpty());
    EXPECT_EQ(form.Command1->text(), QStringLiteral("GO"));
    const stelmo::Module1 &m = form.module();
    EXPECT_EQ(m.Results.PhotonCount, 0);
    EXPECT_EQ(m.Results.PathSum, 0.0);
    for (int k = 0; k <= 400; ++k)
        EXPECT_EQ(m.Results.TransmittedCount[static_cast<size_t>(k)], 0);
    EXPECT_EQ(m.RowCount, stelmotest::TissueRowCount);
    // Seeded: the first draw after start-up is the generator's first (raw 4160).
    common::RandomGenerator fresh{common::RandomGenerator::Divisor::Tenth};
    fresh.RandomInit();
    EXPECT_EQ(m.Random.RandomTable, fresh.RandomTable);
    EXPECT_EQ(m.Random.LongLagIndex, 45);
    EXPECT_EQ(testutil::pixelsOf(form.Picture2, White),
              form.Picture2->image().width() * form.Picture2->image().height());
}

// Key pixels of the slab as DrawTrackFrame leaves it, in Picture1's user units.
TEST_F(Form1Test, TrackFrameKeyPixels)
{
    struct Pixel {
        const char *what;
        QPointF at;
        QColor colour;
    };
    const Pixel table[] = {
        {"slab", {600, 200}, LightCyan},
        {"slab, first row, no track yet", {600, 0.5}, LightCyan},
        {"depth axis", {600, 400}, Black},
        {"tick at 5 cm", {300, 395}, Black},
        {"between ticks", {350, 395}, LightCyan},
        {"below the slab", {600, 405}, White},
        {"arrow shaft", {120, 50}, LightRed},
        {"arrow shaft, last", {120, 350}, LightRed},
        {"upper stroke", {170, 45}, LightRed},
        {"lower stroke", {170, 355}, LightRed},
        {"no eighth arrow", {120, 400}, White},
        {"left of the slab", {195, 200}, White},
    };
    for (const Pixel &p : table)
        EXPECT_EQ(form.Picture1->colorAt(p.at).name(), p.colour.name()) << p.what;
    // Texts: the labels under the axis, "ICRU-soft" and eight "Photons".
    auto darkIn = [this](QRectF user) {
        int n = 0;
        for (double y = user.top(); y < user.bottom(); y += 1)
            for (double x = user.left(); x < user.right(); x += 1)
                n += form.Picture1->colorAt({x, y}).lightness() < 100;
        return n;
    };
    EXPECT_GT(darkIn({800, 20, 150, 25}), 20) << "ICRU-soft";
    EXPECT_GT(darkIn({195, 412, 15, 15}), 5) << "0";
    EXPECT_GT(darkIn({785, 412, 60, 15}), 20) << "30 cm";
    for (int y = 15; y <= 365; y += 50)
        EXPECT_GT(darkIn({30, double(y), 90, 20}), 20) << "Photons at " << y;
}

TEST_F(Form1Test, FirstBatchAtTheDefaultEnergy)
{
    click(form.Command1);
    const Reference ref = Reference::of(Mu100, 1);
    EXPECT_EQ(form.Text3->text(), QString::asprintf("%.2E", Mu100));
    EXPECT_EQ(form.Text3->text(), QStringLiteral("1.69E-01"));
    EXPECT_EQ(form.Text5->text(), QStringLiteral("5.929"));
    EXPECT_EQ(form.Text2->text(), QStringLiteral("400"));
    EXPECT_EQ(form.Text4->text(), ref.meanText());
    EXPECT_EQ(form.Command1->text(), QStringLiteral("Continue"));
    EXPECT_FALSE(form.Text1->isEnabled());
    const stelmo::Module1 &m = form.module();
    EXPECT_DOUBLE_EQ(m.PhotonEnergy, 100.0);
    for (int k = 1; k <= 400; ++k)
        EXPECT_EQ(m.Results.TransmittedCount[static_cast<size_t>(k)],
                  ref.bins[static_cast<size_t>(k)])
            << "bin " << k;
    // Each photon's track in its own row, from the slab's left face to its path's end.
    // (429 pixel rows for 430 photon rows: photons 1 and 2 share the top row.)
    for (int n : {2, 3, 200, 400}) {
        const double x = ref.paths[static_cast<size_t>(n - 1)];
        const double row = n - 1;
        EXPECT_EQ(form.Picture1->colorAt({200 + 10 * x, row}), LightRed) << "photon " << n;
        if (200 + 20 * x < 980) {
            EXPECT_EQ(form.Picture1->colorAt({200 + 20 * x + 8, row}), LightCyan) << "photon " << n;
        }
    }
    // The second batch: 800 photons, the mean over all of them.
    click(form.Command1);
    EXPECT_EQ(form.Text2->text(), QStringLiteral("800"));
    EXPECT_EQ(form.Text4->text(), Reference::of(Mu100, 2).meanText());
}

TEST_F(Form1Test, BinOneCountsEveryPhotonAndBinsNeverIncrease)
{
    for (int batch = 1; batch <= 3; ++batch) {
        click(form.Command1);
        const auto &bins = form.module().Results.TransmittedCount;
        EXPECT_EQ(bins[1], form.module().Results.PhotonCount);
        EXPECT_EQ(bins[1], 400 * batch);
        for (int k = 2; k <= 400; ++k)
            ASSERT_LE(bins[static_cast<size_t>(k)], bins[static_cast<size_t>(k - 1)]) << k;
        EXPECT_GT(bins[400], 0); // at 100 keV some photons cross the whole slab
    }
}

// The μ box is painted with its value while no track is drawn yet.
TEST_F(Form1Test, MuIsOnScreenBeforeTheFirstTrack)
{
    struct Watcher : QObject {
        stelmo::Form1 *form;
        QString textAtFirstPaint;
        QColor firstRowAtFirstPaint;
        bool eventFilter(QObject *, QEvent *e) override
        {
            if (e->type() == QEvent::Paint && textAtFirstPaint.isEmpty() &&
                !form->Text3->text().isEmpty()) {
                textAtFirstPaint = form->Text3->text();
                firstRowAtFirstPaint = form->Picture1->colorAt({205, 0.5});
            }
            return false;
        }
    } watcher;
    watcher.form = &form;
    form.Text3->installEventFilter(&watcher);
    click(form.Command1);
    form.Text3->removeEventFilter(&watcher);
    EXPECT_EQ(watcher.textAtFirstPaint, QStringLiteral("1.69E-01"));
    EXPECT_EQ(watcher.firstRowAtFirstPaint, LightCyan);
    EXPECT_EQ(form.Picture1->colorAt({205, 0.5}), LightRed);
}

struct TypedCase {
    const char *name;
    const char *typed;
    double energy;
    const char *shownAfter;
    // Named in test output, instead of a dump of the bytes.
    friend std::ostream &operator<<(std::ostream &os, const TypedCase &c) { return os << c.name; }
};

class TypedEnergy : public Form1Test, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(TypedEnergy, RunsAtTheReadEnergy)
{
    const TypedCase &c = GetParam();
    run(QString::fromUtf8(c.typed));
    EXPECT_DOUBLE_EQ(form.module().PhotonEnergy, c.energy);
    EXPECT_EQ(form.Text1->text(), QString::fromUtf8(c.shownAfter));
    EXPECT_EQ(form.Text2->text(), QStringLiteral("400"));
    EXPECT_FALSE(form.Text1->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Cases, TypedEnergy,
                         ::testing::Values(TypedCase{"Above1000", "1500", 999, "999"},
                                           TypedCase{"Exactly1000", "1000", 999, "999"},
                                           TypedCase{"JustBelow", "999.5", 999.5, "999.5"},
                                           TypedCase{"WithUnit", "30keV", 30, "30keV"},
                                           TypedCase{"BlankInside", "2 5", 25, "2 5"},
                                           TypedCase{"FullWidth", "１００", 100, "１００"}),
                         [](const auto &info) { return std::string(info.param.name); });

struct RefusedCase {
    const char *name;
    const char *typed;
    const char *says; // part of the warning
    // Named in test output, instead of a dump of the bytes.
    friend std::ostream &operator<<(std::ostream &os, const RefusedCase &c) { return os << c.name; }
};

class RefusedEnergy : public Form1Test, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedEnergy, WarnsAndChangesNothing)
{
    const RefusedCase &c = GetParam();
    click(form.Command1); // a batch first: refusals must not touch its results either
    click(form.Command3);
    form.Text1->setText(QString::fromUtf8(c.typed));
    const Snapshot before = snapshot();
    const auto binsBefore = form.module().Results.TransmittedCount;
    testutil::MessageCatcher seen;
    seen.arm();
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    EXPECT_EQ(seen.count, 1);
    EXPECT_TRUE(seen.text.contains(QString::fromUtf8(c.says))) << seen.text.toStdString();
    EXPECT_EQ(seen.title, QStringLiteral("Stelmo"));
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_TRUE(snapshot() == before);
    EXPECT_EQ(form.module().Results.TransmittedCount, binsBefore);
    EXPECT_TRUE(form.Command1->isEnabled());
    EXPECT_FALSE(testutil::quitRequested());
}

INSTANTIATE_TEST_SUITE_P(Cases, RefusedEnergy,
                         ::testing::Values(RefusedCase{"Empty", "", "Input Photon energy"},
                                           RefusedCase{"Zero", "0", "greater than 0 keV"},
                                           RefusedCase{"Negative", "-20", "greater than 0 keV"},
                                           RefusedCase{"Blank", " ", "greater than 0 keV"},
                                           RefusedCase{"Letters", "keV", "greater than 0 keV"},
                                           RefusedCase{"MuOverflows", "1e-300",
                                                       "no usable attenuation coefficient"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(Form1Test, EmptyWarningIsExactlyTheShortText)
{
    form.Text1->clear();
    testutil::MessageCatcher seen;
    seen.arm();
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    EXPECT_EQ(seen.text, QStringLiteral("Input Photon energy"));
}

// The refusals in full: what the text read as (at most 40 characters of it quoted), or
// the energy, μ and the material file's range.
struct WarningCase {
    const char *name;
    const char *typed;
    const char *says; // %1: the material's file, when it is named
    bool namesFile = false;
    // Named in test output, instead of a dump of the bytes.
    friend std::ostream &operator<<(std::ostream &os, const WarningCase &c) { return os << c.name; }
};

class EnergyWarning : public Form1Test, public ::testing::WithParamInterface<WarningCase> {};

TEST_P(EnergyWarning, QuotesTheReadingInFull)
{
    const WarningCase &c = GetParam();
    form.Text1->setText(QString::fromUtf8(c.typed));
    testutil::MessageCatcher seen;
    seen.arm();
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    const QString says = QString::fromUtf8(c.says);
    EXPECT_EQ(seen.text, c.namesFile
                             ? says.arg(QString::fromLatin1(form.module().material().fileName))
                             : says);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EnergyWarning,
    ::testing::Values(
        WarningCase{"Zero", "0",
                    "The photon energy must be greater than 0 keV (\"0\" reads as 0 keV).\n"
                    "Input Photon energy in keV, for example 100."},
        WarningCase{"NegativeWithUnit", "-20keV",
                    "The photon energy must be greater than 0 keV (\"-20keV\" reads as -20 keV).\n"
                    "Input Photon energy in keV, for example 100."},
        WarningCase{"LongTextCut", "abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyz",
                    "The photon energy must be greater than 0 keV "
                    "(\"abcdefghijklmnopqrstuvwxyzabcdefghijklmn\" reads as 0 keV).\n"
                    "Input Photon energy in keV, for example 100."},
        WarningCase{"MuOverflows", "1e-300",
                    "%1 gives no usable attenuation coefficient at 1e-300 keV (μ = inf).\n"
                    "Input Photon energy in keV from 10 to 999.",
                    true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(Form1Test, ResetEmptiesResultsButTheGeneratorRunsOn)
{
    click(form.Command1);
    click(form.Command1);
    const double pathSumBefore = form.module().Results.PathSum;
    click(form.Command3);
    EXPECT_EQ(form.Command1->text(), QStringLiteral("GO"));
    EXPECT_TRUE(form.Text1->isEnabled());
    for (QLineEdit *box : {form.Text1, form.Text2, form.Text3, form.Text4, form.Text5})
        EXPECT_TRUE(box->text().isEmpty());
    EXPECT_EQ(form.module().Results.PhotonCount, 0);
    for (int k = 1; k <= 400; ++k)
        ASSERT_EQ(form.module().Results.TransmittedCount[static_cast<size_t>(k)], 0);
    EXPECT_NE(pathSumBefore, 0);
    EXPECT_EQ(form.module().Results.PathSum, 0) << "Reset empties the sums with the counts";
    EXPECT_EQ(form.module().Results.PathSquareSum, 0);
    EXPECT_EQ(form.Picture1->colorAt({205, 0.5}), LightCyan);
    EXPECT_EQ(testutil::pixelsOf(form.Picture2, White),
              form.Picture2->image().width() * form.Picture2->image().height());

    // Empty after Reset: a click warns.
    testutil::MessageCatcher seen;
    seen.arm();
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    EXPECT_EQ(seen.text, QStringLiteral("Input Photon energy"));

    // The third batch's draws, counted afresh at the new energy.
    run(QStringLiteral("30"));
    const double mu30 = (0.028 + 0.19) + 0.15;
    const Reference third = Reference::of(mu30, 1, 2);
    EXPECT_EQ(form.Text2->text(), QStringLiteral("400"));
    EXPECT_EQ(form.Text4->text(), third.meanText());
    EXPECT_EQ(form.Text3->text(), QString::asprintf("%.2E", mu30));
    EXPECT_EQ(form.module().Results.TransmittedCount[1], 400);
    EXPECT_EQ(form.module().Results.TransmittedCount[20], third.bins[20]);
}

// The transmittance plot from bins set by hand, at μ = 0.2/cm (law ends at x = 891).
TEST_F(Form1Test, TransmittancePlotKeyPixels)
{
    auto &bins = form.module().Results.TransmittedCount;
    bins.fill(0);
    for (int k = 1; k <= 10; ++k)
        bins[static_cast<size_t>(k)] = 1000;
    for (int k = 11; k <= 20; ++k)
        bins[static_cast<size_t>(k)] = 1; // exactly a thousandth: the bottom line
    form.module().DrawTransmittancePlot(0.2);
    common::PictureBox *p = form.Picture2;
    struct Pixel {
        const char *what;
        QPointF at;
        QColor colour;
    };
    const Pixel table[] = {
        {"curve and law start together, red on top", {200, 36}, LightRed},
        {"bins 2 to 10 at T = 1", {210, 35.6}, LightRed},
        {"a thousandth on the bottom line", {235, 450}, LightRed},
        {"curve ends at bin 20", {300, 449.5}, Black},
        {"law line halfway", {545.5, 243}, Blue},
        {"law line ends on the bottom line", {889, 449}, Blue},
        {"frame left side", {200, 300}, Black},
        {"frame top runs to the right edge", {999.5, 35.5}, Black},
        {"no right side: it lies at 1010", {999.5, 300}, White},
        {"grid line at T = 0.1", {600, 173.7}, Black},
        {"tick at T = 0.5", {210, 450 - 60 * std::log(500.0)}, Black},
        {"no full line at T = 0.5", {650, 450 - 60 * std::log(500.0)}, White},
        {"grid at 20 cm", {600, 300}, Black},
        {"inside the frame", {650, 300}, White},
    };
    for (const Pixel &px : table)
        EXPECT_EQ(p->colorAt(px.at).name(), px.colour.name()) << px.what;
}

TEST_F(Form1Test, LawLineIsCutAtTheRightEdgeForSmallMu)
{
    auto &bins = form.module().Results.TransmittedCount;
    bins.fill(0);
    bins[1] = 400; // every path below 0.1 cm: the curve is a single point
    const double mu = 0.1;
    form.module().DrawTransmittancePlot(mu);
    const double yAtEdge = 36 + (999 - 200) / (138.2 / mu) * (450 - 36);
    EXPECT_EQ(form.Picture2->colorAt({999, yAtEdge}), Blue);
    EXPECT_EQ(form.Picture2->colorAt({200, 36}), LightRed);
    EXPECT_EQ(testutil::pixelsOf(form.Picture2, LightRed), 4); // one 2 x 2 dot
}

// Clicks posted before a batch are handled between two of its photons.
TEST_F(Form1Test, GoAndResetAreDisabledDuringABatch)
{
    bool goEnabled = true, resetEnabled = true, exitEnabled = false;
    QTimer::singleShot(0, [&] {
        goEnabled = form.Command1->isEnabled();
        resetEnabled = form.Command3->isEnabled();
        exitEnabled = form.Command2->isEnabled();
        QTest::mouseClick(form.Command1, Qt::LeftButton);
        QTest::mouseClick(form.Command3, Qt::LeftButton);
    });
    click(form.Command1);
    EXPECT_FALSE(goEnabled);
    EXPECT_FALSE(resetEnabled);
    EXPECT_TRUE(exitEnabled);
    EXPECT_TRUE(form.Command1->isEnabled());
    EXPECT_TRUE(form.Command3->isEnabled());
    EXPECT_EQ(form.Text2->text(), QStringLiteral("400"));
    EXPECT_EQ(form.module().Results.TransmittedCount[1], 400);
    EXPECT_EQ(form.Text4->text(), Reference::of(Mu100, 1).meanText());
    EXPECT_EQ(form.Command1->text(), QStringLiteral("Continue"));
}

class EndDuringBatch : public Form1Test, public ::testing::WithParamInterface<const char *> {};

TEST_P(EndDuringBatch, EndsAtOnceWithNothingMoreDrawnOrCounted)
{
    const bool viaExit = std::string(GetParam()) == "ExitButton";
    QTimer::singleShot(0, [&] {
        if (viaExit)
            QTest::mouseClick(form.Command2, Qt::LeftButton);
        else
            form.close();
    });
    click(form.Command1);
    EXPECT_TRUE(testutil::quitRequested());
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.module().Results.PhotonCount, 0);
    EXPECT_EQ(form.module().Results.TransmittedCount[1], 0);
    EXPECT_TRUE(form.Text2->text().isEmpty());
    EXPECT_EQ(form.Command1->text(), QStringLiteral("GO"));
    // Only the first photon's track (8.1 cm) was drawn before the click was handled;
    // the second (12.2 cm) would share its pixel row, the third lies on the next.
    EXPECT_EQ(form.Picture1->colorAt({205, 0}), LightRed);
    EXPECT_EQ(form.Picture1->colorAt({200 + 20 * 10, 0}), LightCyan);
    EXPECT_EQ(form.Picture1->colorAt({205, 2}), LightCyan);
    EXPECT_EQ(testutil::pixelsOf(form.Picture2, White),
              form.Picture2->image().width() * form.Picture2->image().height());
}

INSTANTIATE_TEST_SUITE_P(Cases, EndDuringBatch, ::testing::Values("ExitButton", "CloseBox"),
                         [](const auto &info) { return std::string(info.param); });

TEST_F(Form1Test, CountsAre64Bit)
{
    stelmo::Module1 &m = form.module();
    click(form.Command1);
    m.Results.PhotonCount = 3'000'000'000LL;
    m.Results.TransmittedCount[1] = 3'000'000'000LL;
    click(form.Command1);
    EXPECT_EQ(form.Text2->text(), QStringLiteral("3000000400"));
    EXPECT_EQ(m.Results.TransmittedCount[1], 3'000'000'400LL);
}

// Title, information and main windows hand over in turn; the data is read at "OK".
TEST(StelmoWindows, HandOverReadsTheDataAtOk)
{
    testutil::settleApplication();
    int loads = 0;
    stelmo::Form2 title([&loads](common::MaterialTable &t) {
        ++loads;
        return stelmotest::loadTissueTable(t);
    });
    ASSERT_TRUE(title.showForm());
    EXPECT_EQ(title.form3(), nullptr);
    QTest::mouseClick(title.Command1, Qt::LeftButton);
    stelmo::Form3 *info = title.form3();
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->isVisible());
    EXPECT_FALSE(title.isVisible());
    EXPECT_EQ(info->form1(), nullptr);
    EXPECT_EQ(loads, 0);
    QTest::mouseClick(info->Command1, Qt::LeftButton);
    stelmo::Form1 *main = info->form1();
    ASSERT_NE(main, nullptr);
    main->pacer().setPace(common::Pace::Fast);
    EXPECT_EQ(loads, 1);
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(info->isVisible());
    EXPECT_EQ(main->Text1->text(), QStringLiteral("100"));
    EXPECT_EQ(main->Command1->text(), QStringLiteral("GO"));
    EXPECT_EQ(main->Picture1->colorAt({600, 200}), LightCyan);
    for (QWidget *w : std::initializer_list<QWidget *>{&title, info, main})
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Free Path Length"));
    main->hide();
}

TEST(StelmoWindows, BadDataFileShowsItsReportAtOkAndNeverTheMainWindow)
{
    testutil::settleApplication();
    const QString report = QStringLiteral("ICRU4.dat, item 7 (line 3): expected a number");
    stelmo::Form2 title([&report](common::MaterialTable &) { return report; });
    title.showForm();
    QTest::mouseClick(title.Command1, Qt::LeftButton);
    EXPECT_FALSE(testutil::quitRequested()); // nothing read at start
    testutil::MessageCatcher seen;
    seen.arm();
    QTest::mouseClick(title.form3()->Command1, Qt::LeftButton);
    EXPECT_EQ(seen.count, 1);
    EXPECT_EQ(seen.text, report);
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    ASSERT_NE(title.form3()->form1(), nullptr);
    EXPECT_FALSE(title.form3()->form1()->isVisible());
    EXPECT_TRUE(testutil::quitRequested());
    title.form3()->hide();
    testutil::settleApplication();
}

TEST(StelmoWindows, InformationWindowShowsTheScreenshot)
{
    stelmo::Form3 info(stelmotest::loadTissueTable);
    info.showForm();
    const QImage shot(QStringLiteral(":/stelmo/screenshot.jpg"));
    EXPECT_EQ(shot.size(), QSize(591, 687));
    EXPECT_EQ(info.Picture1->innerRect().size(), QSize(591, 687));
    // The picture fills the box: its corner pixels are the screenshot's, not the back colour.
    const QImage shown = info.Picture1->image();
    int differing = 0;
    for (QPoint at : {QPoint(10, 10), QPoint(300, 300), QPoint(580, 600), QPoint(100, 680)})
        differing += (qAbs(shown.pixelColor(at).red() - shot.pixelColor(at).red()) > 8);
    EXPECT_EQ(differing, 0);
    info.hide();
}

} // namespace

namespace {

// A whole lesson in one go; run under the memory checker as well.
TEST(StelmoSession, TitleInformationTwoBatchesResetExit)
{
    testutil::settleApplication();
    stelmo::Form2 title(stelmotest::loadTissueTable);
    title.showForm();
    QTest::mouseClick(title.Command1, Qt::LeftButton);
    QTest::mouseClick(title.form3()->Command1, Qt::LeftButton);
    stelmo::Form1 *main = title.form3()->form1();
    ASSERT_NE(main, nullptr);
    main->pacer().setPace(common::Pace::Fast);
    QTest::mouseClick(main->Command1, Qt::LeftButton);
    QTest::mouseClick(main->Command1, Qt::LeftButton);
    EXPECT_EQ(main->Text2->text(), QStringLiteral("800"));
    QTest::mouseClick(main->Command3, Qt::LeftButton);
    QTest::mouseClick(main->Command2, Qt::LeftButton);
    EXPECT_TRUE(testutil::quitRequested());
    testutil::settleApplication();
}

} // namespace
