// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QTransform>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <vector>

class QPainter;
class QPaintDevice;

namespace common {

// Lets screen readers tell the drawn controls apart: picture boxes as graphics, line
// shapes as separators. Their constructors call it; once is enough.
void installAccessibleRoles();

// A drawing surface with persistent output. Every operation is kept in a display list
// (what was drawn since the last clear, in the box's own user coordinates) and painted
// into a backing image at device-pixel size; only the touched rectangle is repainted,
// so the cost of a drawing step never grows with what came before. The list replays
// the drawing onto any device at any scale: the screen at a new scale factor, a zoomed
// box, an image or an SVG file, crisp, never rescaled pixels.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    static constexpr int BorderWidth = 2;

    explicit PictureBox(QWidget *parent = nullptr);
    ~PictureBox() override;

    void setSunkenBorder(bool on);
    bool hasSunkenBorder() const { return border_ > 0; }
    void setBackColor(const QColor &colour);
    QColor backColor() const { return back_; }
    void setForeColor(const QColor &colour) { fore_ = colour; }
    QColor foreColor() const { return fore_; }
    void setPrintFont(const QFont &font) { printFont_ = font; }
    QFont printFont() const { return printFont_; }

    // User coordinates of the inner edges; y may grow downwards (top < bottom).
    void setScale(double left, double top, double right, double bottom);
    QRectF scale() const { return scale_; }
    // The window's zoom: line widths, dots and printed text grow with it, as the box
    // does; the user coordinates stay.
    void setZoom(double zoom);
    double zoom() const { return zoom_; }

    // The operations the programs draw with; colours are palette numbers.
    void clear();
    void setDrawWidth(int width);
    int drawWidth() const { return drawWidth_; }
    void line(QPointF from, QPointF to, int colour);
    void lineTo(QPointF to, int colour);
    void box(QPointF corner1, QPointF corner2, int colour);
    void fillBox(QPointF corner1, QPointF corner2, int colour);
    void circle(QPointF centre, double radius, int colour);
    // Angles in radians, 0 towards growing x, counter-clockwise on the screen.
    void arc(QPointF centre, double radius, int colour, double startAngle, double endAngle);
    void point(QPointF at, int colour);
    void setCurrentPosition(QPointF at) { current_ = at; }
    QPointF currentPosition() const { return current_; }
    void print(const QString &text);

    // Stored pictures: fitted into the inner area, aspect kept, centred. A diagram is
    // painted by a function in units of its natural size, so it stays vector at every
    // zoom and in every export.
    void drawPicture(const QImage &picture);
    void drawDiagram(QSizeF size, void (*paint)(QPainter &));

    // The inner area in widget coordinates, and user coordinates mapped into it.
    QRect innerRect() const;
    QPointF toPixel(QPointF user) const;
    // The colour shown at a user coordinate (for checks of what was drawn).
    QColor colorAt(QPointF user) const;
    const QImage &image() const
    {
        ensureImage();
        return image_;
    }

    // The display list: how many operations it holds and the bytes it takes.
    std::size_t operationCount() const;
    std::size_t displayListBytes() const;
    // Replays everything since the last clear onto a painter whose device shows the
    // inner area at `target` (in the painter's coordinates), background included.
    void replay(QPainter &painter, const QRectF &target) const;
    // The inner area as an image of `scale` times its size in logical pixels, replayed.
    QImage renderImage(qreal scale) const;
    // While set, painting the box (a window rendered into a picture) replays the list
    // instead of copying the screen's pixels.
    void setReplayWhenPainted(bool on) { replayWhenPainted_ = on; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Canvas;
    struct Record;
    class Store;

    // The image is a cache of the list at the current size and scale factor.
    void ensureImage() const;
    QTransform transformFor(const QRectF &target) const;
    QTransform transform() const;
    void record(const Record &r);
    void replayOnto(QImage &image) const; // background and the whole list
    // Paints one record; returns the rectangle it touched, in the target's coordinates.
    QRectF paintRecord(Canvas &canvas, const Record &r) const;
    void touched(QRectF pixels, double margin);

    mutable QImage image_;
    QRectF scale_;
    QColor back_ = Qt::white;
    QColor fore_ = Qt::black;
    QFont printFont_;
    QPointF current_;
    int drawWidth_ = 1;
    int border_ = 0;
    double zoom_ = 1.0;
    bool replayWhenPainted_ = false;
    static constexpr int MaxSeparateUpdates = 48;
    int pendingUpdates_ = 0;
    QRect pendingBounds_;
    std::unique_ptr<Store> list_;
};

} // namespace common
