// SPDX-License-Identifier: MIT
#include "common/gui/application.h"
#include "common/gui/palette.h"
#include "common/gui/picturebox.h"
#include "dartley/form1.h"
#include "dartley/form2.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <gtest/gtest.h>

#include "tests/batchkeys.h"
#include "tests/idle.h"
#include "tests/testutil.h"

using common::PaletteColor;

namespace {

class Form1Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        testutil::settleApplication();
        ASSERT_TRUE(form.showForm());
    }
    void TearDown() override { testutil::settleApplication(); }
    void click(QPushButton *b) { QTest::mouseClick(b, Qt::LeftButton); }
    struct Shown {
        QString estimate, points, hits;
    };
    Shown shown() const { return {form.Text1->text(), form.Text2->text(), form.Text3->text()}; }
    int pixelsOf(QColor colour) const { return testutil::pixelsOf(form.Picture1, colour); }
    dartley::Form1 form;
};

// Values from the generator's fixed seed, worked out by hand from its first draws.
TEST_F(Form1Test, RunningEstimateAfterEachClick)
{
    struct Expected {
        int click;
        const char *estimate, *points, *hits;
    };
    const Expected table[] = {{1, "3.02000", "1000", "755"},
                              {2, "3.10400", "2000", "1552"},
                              {3, "3.11600", "3000", "2337"},
                              {10, "3.11200", "10000", "7780"}};
    int clicks = 0;
    for (const Expected &e : table) {
        while (clicks < e.click) {
            click(form.Command1);
            ++clicks;
        }
        EXPECT_EQ(form.Text1->text(), QString::fromLatin1(e.estimate)) << "click " << e.click;
        EXPECT_EQ(form.Text2->text(), QString::fromLatin1(e.points)) << "click " << e.click;
        EXPECT_EQ(form.Text3->text(), QString::fromLatin1(e.hits)) << "click " << e.click;
    }
    EXPECT_EQ(form.Command1->text(), QStringLiteral("Continue"));
}

TEST_F(Form1Test, StartsWithFrameAndFormulaButNoPoints)
{
    EXPECT_EQ(form.Command1->text(), QStringLiteral("GO"));
    EXPECT_TRUE(form.Text1->text().isEmpty());
    EXPECT_EQ(pixelsOf(PaletteColor(common::palette::LightRed)), 0);
    EXPECT_EQ(pixelsOf(PaletteColor(common::palette::LightBlue)), 0);
    common::PictureBox *p = form.Picture1;
    for (QPointF onFrame :
         {QPointF(-300, 0), QPointF(0, 300), QPointF(-500, -200), QPointF(200, 500),
          QPointF(500, 0), QPointF(0, -500), QPointF(200, 610)})
        EXPECT_EQ(p->colorAt(onFrame), PaletteColor(common::palette::Black))
            << onFrame.x() << "," << onFrame.y();
    EXPECT_EQ(p->colorAt({250, 250}), QColor(Qt::white));
    // The formula's texts sit below the square.
    int dark = 0;
    const QImage &img = p->image();
    const QPoint top = p->toPixel({-230, 530}).toPoint(), bottom = p->toPixel({600, 690}).toPoint();
    for (int y = top.y(); y < bottom.y() && y < img.height(); ++y)
        for (int x = top.x(); x < bottom.x(); ++x)
            dark += img.pixelColor(x, y).lightness() < 100;
    EXPECT_GT(dark, 300);
}

TEST_F(Form1Test, FirstPointsAreHitsInLightRed)
{
    click(form.Command1);
    for (QPointF at : {QPointF(246.09375, 373.046875), QPointF(410.888671875, 179.6875),
                       QPointF(339.84375, 339.2333984375), QPointF(474.9755859375, 98.20556640625)})
        EXPECT_EQ(form.Picture1->colorAt(at), PaletteColor(common::palette::LightRed))
            << at.x() << "," << at.y();
    // A thousand dots, red inside and blue outside, without clearing the frame.
    EXPECT_GT(pixelsOf(PaletteColor(common::palette::LightRed)), 600);
    EXPECT_GT(pixelsOf(PaletteColor(common::palette::LightBlue)), 150);
    EXPECT_EQ(form.Picture1->colorAt({-300, 0}), PaletteColor(common::palette::Black));
}

TEST_F(Form1Test, ResetRepeatsTheFirstBatchAndKeepsTheCaption)
{
    click(form.Command1);
    const QImage afterFirst = form.Picture1->image();
    click(form.Command1);
    click(form.Command3);
    EXPECT_TRUE(form.Text1->text().isEmpty());
    EXPECT_TRUE(form.Text2->text().isEmpty());
    EXPECT_TRUE(form.Text3->text().isEmpty());
    EXPECT_EQ(form.Command1->text(), QStringLiteral("Continue"));
    EXPECT_EQ(pixelsOf(PaletteColor(common::palette::LightRed)), 0);
    click(form.Command1);
    EXPECT_EQ(form.Text1->text(), QStringLiteral("3.02000"));
    EXPECT_EQ(form.Text2->text(), QStringLiteral("1000"));
    EXPECT_EQ(form.Text3->text(), QStringLiteral("755"));
    EXPECT_EQ(form.Picture1->image(), afterFirst);
}

TEST_F(Form1Test, CountersAre64Bit)
{
    dartley::Module1 &m = form.module();
    m.Results.BatchNumber = 3'000'000; // three thousand million points so far
    m.Results.HitCount = 2'356'194'490;
    m.RunBatch();
    EXPECT_EQ(form.Text2->text(), QStringLiteral("3000000000"));
    EXPECT_EQ(m.Results.BatchNumber, 3'000'001);
    EXPECT_GT(m.Results.HitCount, 2'356'194'490);
    EXPECT_TRUE(form.Text1->text().startsWith(QStringLiteral("3.14")));
}

TEST_F(Form1Test, ExitAndCloseBoxEndTheProgram)
{
    click(form.Command2);
    EXPECT_TRUE(testutil::quitRequested());
    EXPECT_FALSE(form.isVisible());
    testutil::settleApplication();
    form.showForm();
    form.close();
    EXPECT_TRUE(testutil::quitRequested());
}

// "100 回" (Ctrl+F5) is 100,000 dots and leaves what a hundred clicks leave; "10 回"
// (Shift+F5) adds ten batches; GO and Reset are locked while they run.
TEST_F(Form1Test, ManyBatchesAtOnceEqualSingleClicks)
{
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    bool unlocked = false;
    batchkeys::Script script([&](int) {
        if (!form.pacer().running())
            return false;
        unlocked = unlocked || form.Command1->isEnabled() || form.Command3->isEnabled();
        return true;
    });
    QSet<QString> shownPoints;
    QObject::connect(form.Text2, &QLineEdit::textChanged, form.Text2,
                     [&](const QString &text) { shownPoints.insert(text); });
    batchkeys::press(&form, Qt::Key_F5, Qt::ControlModifier);
    EXPECT_EQ(form.Text2->text(), QStringLiteral("100000"));
    EXPECT_EQ(form.module().Results.History.size(), 100u);
    EXPECT_FALSE(unlocked);
    for (int batch = 1; batch <= 100; ++batch)
        EXPECT_TRUE(shownPoints.contains(QString::number(1000 * batch)))
            << "the texts follow every batch: " << batch;
    QObject::disconnect(form.Text2, &QLineEdit::textChanged, form.Text2, nullptr);
    EXPECT_EQ(form.Command1->text(), QStringLiteral("Continue"));
    batchkeys::press(&form, Qt::Key_F5, Qt::ShiftModifier);
    EXPECT_EQ(form.Text2->text(), QStringLiteral("110000"));

    dartley::Form1 clicked;
    ASSERT_TRUE(clicked.showForm());
    for (int n = 0; n < 110; ++n)
        click(clicked.Command1);
    EXPECT_EQ(shown().estimate, clicked.Text1->text());
    EXPECT_EQ(shown().hits, clicked.Text3->text());
    EXPECT_TRUE(form.Picture1->image() == clicked.Picture1->image());
    clicked.hide();
}

// Ctrl+T half-way through "100 回": the statistics window shows the batches committed
// by then, whole, exactly as it shows them after that many single clicks.
TEST_F(Form1Test, StatisticsOpenedInsideAHundredShowTheLastWholeBatch)
{
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    std::size_t batches = 0;
    batchkeys::StatisticsShown midRun;
    QString pointsShown;
    batchkeys::Script script([&](int) {
        if (!form.pacer().running())
            return false;
        if (batches == 0 && form.module().Results.History.size() >= 50) {
            batches = form.module().Results.History.size();
            pointsShown = form.Text2->text();
            batchkeys::press(&form, Qt::Key_T, Qt::ControlModifier);
            midRun = batchkeys::statisticsShown(form.statistics());
        }
        return true;
    });
    batchkeys::press(&form, Qt::Key_F5, Qt::ControlModifier);
    ASSERT_GT(batches, 0u) << "the run ended before half of it";
    ASSERT_LT(batches, 100u);
    EXPECT_EQ(pointsShown, QString::number(1000 * batches));
    form.statistics().hide();

    dartley::Form1 clicked;
    ASSERT_TRUE(clicked.showForm());
    for (std::size_t n = 0; n < batches; ++n)
        click(clicked.Command1);
    clicked.statistics().toggle();
    EXPECT_TRUE(batchkeys::statisticsShown(clicked.statistics()) == midRun);
    clicked.statistics().hide();
    clicked.hide();
}

TEST_F(Form1Test, ExitInsideAHundredEndsAtOnce)
{
    QString atExit;
    batchkeys::Script script([&](int) {
        if (form.module().Results.History.size() < 5)
            return true;
        atExit = form.Text2->text();
        click(form.Command2);
        return false;
    });
    form.runBatches(100);
    testutil::waitUntilIdle();
    EXPECT_TRUE(testutil::quitRequested());
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.Text2->text(), atExit) << "a batch ran after EXIT";
}

TEST(Dartley, TitleWindowComesFirstAndHandsOverToAPlotAlreadyDrawn)
{
    dartley::Form2 title;
    ASSERT_TRUE(title.showForm());
    EXPECT_TRUE(title.isVisible());
    EXPECT_EQ(title.form1(), nullptr); // the main window is not even loaded yet
    QTest::mouseClick(title.Command1, Qt::LeftButton);
    dartley::Form1 *main = title.form1();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(title.isVisible());
    // What the load handler drew is on screen at once.
    const QImage shown = main->Picture1->grab().toImage();
    const QPoint axis =
        (main->Picture1->toPixel({-300, 0}) + QPointF(main->Picture1->innerRect().topLeft()))
            .toPoint();
    EXPECT_EQ(shown.pixelColor(axis), PaletteColor(common::palette::Black));
    EXPECT_TRUE(main->windowTitle().startsWith(QStringLiteral("  π = 3.14159265358979")));
    EXPECT_EQ(main->windowTitle().size(), 53);
    // The diagram is drawn: both hatch colours and black outlines on white.
    const QImage diagram = title.Picture1->image();
    int red = 0, blue = 0;
    for (int y = 0; y < diagram.height(); ++y)
        for (int x = 0; x < diagram.width(); ++x) {
            const QColor c = diagram.pixelColor(x, y);
            red += c.red() > 200 && c.green() < 80 && c.blue() < 80;
            blue += c.blue() > 200 && c.red() < 80 && c.green() < 80;
        }
    EXPECT_GT(red, 500);
    EXPECT_GT(blue, 200);
    main->hide();
}

} // namespace

namespace {

// A whole lesson in one go: title window, three batches, Reset, EXIT. Run under the
// memory checker as well.
TEST(DartleySession, TitleThreeBatchesResetExit)
{
    testutil::settleApplication();
    dartley::Form2 title;
    title.showForm();
    QTest::mouseClick(title.Command1, Qt::LeftButton);
    dartley::Form1 *main = title.form1();
    ASSERT_NE(main, nullptr);
    for (int n = 0; n < 3; ++n)
        QTest::mouseClick(main->Command1, Qt::LeftButton);
    EXPECT_EQ(main->Text3->text(), QStringLiteral("2337"));
    QTest::mouseClick(main->Command3, Qt::LeftButton);
    QTest::mouseClick(main->Command2, Qt::LeftButton);
    EXPECT_TRUE(testutil::quitRequested());
    testutil::settleApplication();
}

} // namespace

namespace {

// Return, Enter, F5 and Page Down run a batch from anywhere in the window, as GO does;
// the menu offers the same.
TEST(DartleyKeys, ReturnF5AndPageDownRunABatch)
{
    testutil::settleApplication();
    dartley::Form1 form;
    ASSERT_TRUE(form.showForm());
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    int batches = 0;
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_F5, Qt::Key_PageDown}) {
        form.Picture1->setFocus();
        batchkeys::press(&form, key);
        ++batches;
        EXPECT_EQ(form.Text2->text(), QString::number(1000 * batches)) << QTest::toString(key);
    }
    dartley::Form1 clicked;
    ASSERT_TRUE(clicked.showForm());
    for (int n = 0; n < batches; ++n)
        QTest::mouseClick(clicked.Command1, Qt::LeftButton);
    EXPECT_EQ(form.Text1->text(), clicked.Text1->text()) << "the same batches as clicks";
    EXPECT_EQ(form.Text3->text(), clicked.Text3->text());
    clicked.hide();
    const QList<QAction *> entries = form.contextMenu().menu()->actions();
    ASSERT_FALSE(entries.isEmpty());
    EXPECT_EQ(entries[0]->text(), QStringLiteral("次のバッチを実行(&G)"));
    EXPECT_EQ(entries[0]->shortcut(), QKeySequence(Qt::Key_F5));
    form.hide();
}

} // namespace
