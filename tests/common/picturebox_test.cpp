// SPDX-License-Identifier: MIT
#include "common/gui/palette.h"
#include "common/gui/picturebox.h"

#include <QApplication>
#include <QPaintEvent>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <ostream>

using common::PaletteColor;
using namespace common::palette;
using common::PictureBox;

namespace {

// A box of 200 x 100 inner pixels, user units 0..1000 across and 0..500 down.
class PictureBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        box.setSunkenBorder(true);
        box.setGeometry(0, 0, 204, 104);
        box.setScale(0, 0, 1000, 500);
        box.setBackColor(Qt::white);
        box.clear();
    }
    int countColour(QRect pixels, QColor colour) const
    {
        int n = 0;
        const QImage &img = box.image();
        for (int y = pixels.top(); y <= pixels.bottom(); ++y)
            for (int x = pixels.left(); x <= pixels.right(); ++x)
                if (img.rect().contains(x, y) && img.pixelColor(x, y) == colour)
                    ++n;
        return n;
    }
    PictureBox box;
};

// Each name of the palette draws its colour of the classic text palette.
TEST(Palette, NamedColoursHaveTheirValues)
{
    const struct {
        int index;
        QColor colour;
        const char *name;
    } named[] = {
        {Black, QColor(0, 0, 0), "Black"},
        {Blue, QColor(0, 0, 128), "Blue"},
        {Green, QColor(0, 128, 0), "Green"},
        {Cyan, QColor(0, 128, 128), "Cyan"},
        {Red, QColor(128, 0, 0), "Red"},
        {Magenta, QColor(128, 0, 128), "Magenta"},
        {Brown, QColor(128, 128, 0), "Brown"},
        {LightGray, QColor(192, 192, 192), "LightGray"},
        {DarkGray, QColor(128, 128, 128), "DarkGray"},
        {LightBlue, QColor(0, 0, 255), "LightBlue"},
        {LightGreen, QColor(0, 255, 0), "LightGreen"},
        {LightCyan, QColor(0, 255, 255), "LightCyan"},
        {LightRed, QColor(255, 0, 0), "LightRed"},
        {LightMagenta, QColor(255, 0, 255), "LightMagenta"},
        {Yellow, QColor(255, 255, 0), "Yellow"},
        {White, QColor(255, 255, 255), "White"},
    };
    for (const auto &n : named)
        EXPECT_EQ(PaletteColor(n.index), n.colour) << n.name;
}

TEST_F(PictureBoxTest, MapsUserCoordinatesToInnerPixels)
{
    EXPECT_EQ(box.innerRect(), QRect(2, 2, 200, 100));
    EXPECT_EQ(box.toPixel({0, 0}), QPointF(0, 0));
    EXPECT_EQ(box.toPixel({1000, 500}), QPointF(200, 100));
    EXPECT_EQ(box.toPixel({500, 250}), QPointF(100, 50));
}

TEST_F(PictureBoxTest, BoxCornersInEitherOrderGiveTheSameBox)
{
    box.box({700, 300}, {100, 100}, Black);
    const QImage first = box.image();
    box.clear();
    box.box({100, 100}, {700, 300}, Black);
    EXPECT_EQ(box.image(), first);
    EXPECT_EQ(box.colorAt({400, 100}), PaletteColor(Black)); // top side
    EXPECT_EQ(box.colorAt({400, 200}), QColor(Qt::white));   // outline only
}

TEST_F(PictureBoxTest, FilledBoxIsFilledAndEdged)
{
    box.fillBox({600, 400}, {200, 100}, LightCyan);
    EXPECT_EQ(box.colorAt({400, 250}), PaletteColor(LightCyan));
    EXPECT_EQ(box.colorAt({200, 100}), PaletteColor(LightCyan));
    EXPECT_EQ(box.colorAt({800, 250}), QColor(Qt::white));
}

TEST_F(PictureBoxTest, TinyCircleLeavesADotOfTheLineWidth)
{
    for (int width : {1, 2}) {
        box.clear();
        box.setDrawWidth(width);
        box.circle({500, 250}, 0.5, LightRed); // 0.1 pixel
        EXPECT_EQ(countColour(QRect(95, 45, 10, 10), PaletteColor(LightRed)), width * width)
            << "width " << width;
    }
}

TEST_F(PictureBoxTest, ArcFromZeroToPiIsTheUpperHalf)
{
    box.arc({500, 250}, 200, Blue, 0, M_PI); // radius 40 pixels round (100, 50)
    EXPECT_GT(countColour(QRect(55, 0, 90, 48), PaletteColor(Blue)), 50);
    EXPECT_EQ(countColour(QRect(55, 53, 90, 47), PaletteColor(Blue)), 0);
    EXPECT_EQ(box.colorAt({500, 50}), PaletteColor(Blue)); // top of the circle
}

TEST_F(PictureBoxTest, LinesAndPointsUseTheCurrentPosition)
{
    box.line({100, 100}, {300, 100}, Black);
    EXPECT_EQ(box.currentPosition(), QPointF(300, 100));
    box.lineTo({300, 300}, LightRed);
    EXPECT_EQ(box.colorAt({300, 200}), PaletteColor(LightRed));
    box.point({800, 400}, LightBlue);
    EXPECT_EQ(box.currentPosition(), QPointF(800, 400));
    EXPECT_EQ(box.colorAt({800, 400}), PaletteColor(LightBlue));
}

TEST_F(PictureBoxTest, PrintStartsAtTheCurrentPosition)
{
    QFont f(QStringLiteral("Liberation Serif"));
    f.setPixelSize(20);
    box.setPrintFont(f);
    box.setForeColor(Qt::black);
    box.setCurrentPosition({500, 250}); // pixel (100, 50)
    box.print(QStringLiteral("HH"));
    auto dark = [&](QRect r) {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (box.image().pixelColor(x, y).lightness() < 128)
                    ++n;
        return n;
    };
    EXPECT_GT(dark(QRect(100, 50, 30, 25)), 20);
    EXPECT_EQ(dark(QRect(0, 0, 200, 49)), 0); // nothing above
    EXPECT_EQ(dark(QRect(0, 0, 99, 100)), 0); // nothing left of it
}

TEST_F(PictureBoxTest, DrawingBeyondTheEdgesIsClipped)
{
    box.setDrawWidth(1);
    box.line({-500, 250}, {2000, 250}, Black);
    EXPECT_EQ(box.colorAt({0, 250}), PaletteColor(Black));
    EXPECT_EQ(box.colorAt({999, 250}), PaletteColor(Black));
    box.circle({1000, 0}, 5000, LightRed); // far outside: nothing inside, no crash
    EXPECT_EQ(box.image().size(), QSize(200, 100));
}

TEST_F(PictureBoxTest, DrawingPersistsAndShowsWhenFirstShown)
{
    box.fillBox({0, 0}, {200, 100}, LightRed); // drawn while hidden
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    const QImage shown = box.grab().toImage();
    EXPECT_EQ(shown.pixelColor(10, 10), PaletteColor(LightRed));
    EXPECT_EQ(shown.pixelColor(150, 60), QColor(Qt::white));
    box.hide();
    box.show();
    EXPECT_EQ(box.grab().toImage().pixelColor(10, 10), PaletteColor(LightRed));
}

// Records the rectangles that reach paintEvent.
class PaintSpy : public QObject {
public:
    QRegion painted;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent *>(e)->region();
        return false;
    }
};

TEST_F(PictureBoxTest, RepaintsOnlyTheTouchedRectangle)
{
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    QApplication::processEvents();
    PaintSpy spy;
    box.installEventFilter(&spy);
    box.line({100, 250}, {300, 250}, Black); // a horizontal line, one pixel high
    QApplication::processEvents();
    box.removeEventFilter(&spy);
    const QRect r = spy.painted.boundingRect();
    ASSERT_FALSE(r.isEmpty()) << "a horizontal line must still be repainted";
    EXPECT_LE(r.height(), 8);
    EXPECT_LE(r.width(), 50);
    EXPECT_TRUE(r.contains(box.innerRect().topLeft() + QPoint(40, 50)));
}

TEST_F(PictureBoxTest, ImageFollowsTheDevicePixelRatio)
{
    const qreal dpr = box.devicePixelRatioF();
    EXPECT_EQ(box.image().size(), (QSizeF(200, 100) * dpr).toSize());
    EXPECT_EQ(box.image().devicePixelRatio(), dpr);
}

} // namespace

namespace {

// What a plot draws, one operation (or a short run) per case.
struct DrawCase {
    const char *name;
    std::function<void(PictureBox &)> draw;
    friend std::ostream &operator<<(std::ostream &os, const DrawCase &c) { return os << c.name; }
};

class Replay : public PictureBoxTest, public ::testing::WithParamInterface<DrawCase> {};

// The display list replayed onto a fresh image gives the very pixels drawn directly, at
// the screen's scale factor (the suite runs once more at 2x, QT_SCALE_FACTOR=2).
TEST_P(Replay, EqualsDirectDrawing)
{
    box.fillBox({100, 50}, {900, 450}, LightCyan);
    GetParam().draw(box);
    const qreal dpr = box.devicePixelRatioF();
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        EXPECT_EQ(dpr, qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
    }
    const QImage replayed = box.renderImage(dpr);
    ASSERT_EQ(replayed.size(), box.image().size());
    int differing = 0;
    for (int y = 0; y < replayed.height(); ++y)
        for (int x = 0; x < replayed.width(); ++x)
            differing += replayed.pixel(x, y) != box.image().pixel(x, y);
    EXPECT_EQ(differing, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Operations, Replay,
    ::testing::Values(DrawCase{"Line",
                               [](PictureBox &b) {
                                   b.line({10, 10}, {990, 480}, LightRed);
                               }},
                      DrawCase{"WideLineTo",
                               [](PictureBox &b) {
                                   b.setDrawWidth(3);
                                   b.line({10, 400}, {500, 100}, Blue);
                                   b.lineTo({900, 420}, LightRed);
                               }},
                      DrawCase{"Box",
                               [](PictureBox &b) {
                                   b.box({800, 400}, {200, 100}, Black);
                               }},
                      DrawCase{"FilledBox",
                               [](PictureBox &b) {
                                   b.fillBox({300, 120}, {700, 330}, LightBlue);
                               }},
                      DrawCase{"Circle",
                               [](PictureBox &b) {
                                   b.circle({500, 250}, 200, Black);
                               }},
                      DrawCase{
                          "SubPixelCircles",
                          [](PictureBox &b) {
                              static constexpr int colours[] = {LightRed, LightBlue};
                              for (int i = 0; i < 200; ++i)
                                  b.circle({float(i * 4.9), float(i * 2.3)}, 1, colours[i % 2]);
                          }},
                      DrawCase{"Arc",
                               [](PictureBox &b) {
                                   b.arc({500, 450}, 300, Blue, 0, M_PI);
                               }},
                      DrawCase{"Points",
                               [](PictureBox &b) {
                                   b.setDrawWidth(2);
                                   for (int i = 0; i < 50; ++i)
                                       b.point({i * 20.0 + 0.3, 250.7}, LightRed);
                               }},
                      DrawCase{"Print",
                               [](PictureBox &b) {
                                   b.setCurrentPosition({120, 60});
                                   b.print(QStringLiteral("1.0E-01 深さ"));
                               }},
                      DrawCase{"ClearThenDraw",
                               [](PictureBox &b) {
                                   b.clear();
                                   b.line({0, 0}, {1000, 500}, Black);
                               }}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(PictureBoxTest, DisplayListCountsWhatWasDrawnSinceTheLastClear)
{
    EXPECT_EQ(box.operationCount(), 0u);
    box.line({0, 0}, {10, 10}, Black);
    box.circle({5, 5}, 1, LightRed);
    box.setCurrentPosition({1, 1});
    box.print(QStringLiteral("x"));
    EXPECT_EQ(box.operationCount(), 3u);
    box.clear();
    EXPECT_EQ(box.operationCount(), 0u);
}

// A zoomed box draws its list again at the new size: no rescaled pixels, lines as wide
// as the zoom makes them.
TEST_F(PictureBoxTest, ZoomDrawsTheListAgainAtTheNewSize)
{
    box.line({0, 250}, {1000, 250}, LightRed);
    box.setZoom(2);
    box.setGeometry(0, 0, 404, 204);
    EXPECT_EQ(box.image().size(), (QSizeF(400, 200) * box.devicePixelRatioF()).toSize());
    EXPECT_EQ(box.colorAt({500, 250}), PaletteColor(LightRed));
    // Two pixels wide at 2x: the rows above and below the centre are red too, not blended.
    const QPointF centre = box.toPixel({500, 250}) * box.devicePixelRatioF();
    const int redRows =
        countColour(QRect(int(centre.x()), int(centre.y()) - 6, 1, 13), PaletteColor(LightRed));
    EXPECT_EQ(redRows, 2 * int(box.devicePixelRatioF()));
}

} // namespace
