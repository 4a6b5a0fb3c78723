// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QTransform>
#include <QWidget>

class QSvgRenderer;

namespace common {

// A drawing surface with persistent output: every operation paints into a backing
// image in the box's own user coordinates, and only the touched rectangle is
// repainted, so the cost of a drawing step never grows with what came before.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    static constexpr int BorderWidth = 2;

    explicit PictureBox(QWidget *parent = nullptr);

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

    // Stored pictures: fitted into the inner area, aspect kept, centred.
    void drawPicture(const QImage &picture);
    void drawSvg(QSvgRenderer &renderer);

    // The inner area in widget coordinates, and user coordinates mapped into it.
    QRect innerRect() const;
    QPointF toPixel(QPointF user) const;
    // The colour shown at a user coordinate (for checks of what was drawn).
    QColor colorAt(QPointF user) const;
    const QImage &image() const { return image_; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void ensureImage();
    QTransform transform() const;
    QPen pen(int colour) const;
    void touched(QRectF pixels, double margin);
    void fillDot(QRectF logical, QColor colour);

    QImage image_;
    QRectF scale_;
    QColor back_ = Qt::white;
    QColor fore_ = Qt::black;
    QFont printFont_;
    QPointF current_;
    int drawWidth_ = 1;
    int border_ = 0;
    static constexpr int MaxSeparateUpdates = 48;
    int pendingUpdates_ = 0;
    QRect pendingBounds_;
};

} // namespace common
