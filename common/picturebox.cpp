// SPDX-License-Identifier: MIT
#include "common/picturebox.h"

#include "common/palette.h"

#include <QPaintEvent>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

namespace common {

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_StaticContents);
    setFocusPolicy(Qt::TabFocus);
}

void PictureBox::setSunkenBorder(bool on)
{
    border_ = on ? BorderWidth : 0;
    update();
}

void PictureBox::setBackColor(const QColor &colour) { back_ = colour; }

void PictureBox::setScale(double left, double top, double right, double bottom)
{
    scale_ = QRectF(QPointF(left, top), QPointF(right, bottom));
}

QRect PictureBox::innerRect() const
{
    return rect().adjusted(border_, border_, -border_, -border_);
}

QTransform PictureBox::transform() const
{
    // Derived from the current geometry each time: a hidden widget gets no resize
    // event, yet a load handler draws into it before it is first shown.
    const QRect inner = innerRect();
    if (scale_.width() == 0 || scale_.height() == 0)
        return QTransform();
    return QTransform::fromTranslate(-scale_.left(), -scale_.top()) *
           QTransform::fromScale(inner.width() / scale_.width(), inner.height() / scale_.height());
}

void PictureBox::resizeEvent(QResizeEvent *) { ensureImage(); }

void PictureBox::ensureImage()
{
    const qreal dpr = devicePixelRatioF();
    const QSize logical = innerRect().size().expandedTo(QSize(1, 1));
    const QSize device = (QSizeF(logical) * dpr).toSize();
    if (image_.size() == device && image_.devicePixelRatio() == dpr)
        return;
    QImage fresh(device, QImage::Format_RGB32);
    fresh.setDevicePixelRatio(dpr);
    fresh.fill(back_);
    if (!image_.isNull()) {
        // A new scale factor (window moved to another screen) keeps what was drawn.
        QPainter p(&fresh);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRectF(QPointF(0, 0), QSizeF(logical)), image_);
    }
    image_ = fresh;
}

QPointF PictureBox::toPixel(QPointF user) const { return transform().map(user); }

QColor PictureBox::colorAt(QPointF user) const
{
    const QPointF px = toPixel(user) * image_.devicePixelRatio();
    const QPoint at(static_cast<int>(std::floor(px.x())), static_cast<int>(std::floor(px.y())));
    if (!image_.rect().contains(at))
        return QColor();
    return image_.pixelColor(at);
}

QPen PictureBox::pen(int colour) const
{
    QPen p(PaletteColor(colour), drawWidth_);
    p.setCapStyle(Qt::SquareCap);
    p.setJoinStyle(Qt::MiterJoin);
    return p;
}

void PictureBox::touched(QRectF pixels, double margin)
{
    const QRect dirty = pixels.normalized()
                            .adjusted(-margin, -margin, margin, margin)
                            .toAlignedRect()
                            .translated(border_, border_)
                            .intersected(innerRect());
    if (dirty.isEmpty())
        return;
    // A batch that draws many dots before the next repaint would grow the widget's
    // dirty region into a long list of rectangles, each update copying it; past a few
    // dozen, one bounding rectangle is cheaper to track and to paint.
    pendingBounds_ |= dirty;
    if (++pendingUpdates_ <= MaxSeparateUpdates)
        update(dirty);
    else
        update(pendingBounds_);
}

void PictureBox::fillDot(QRectF logical, QColor colour)
{
    // Dots are the bulk of what a batch draws: set the pixels directly instead of
    // setting up a painter for each.
    const qreal dpr = image_.devicePixelRatio();
    const QRect device = QRectF(logical.topLeft() * dpr, logical.size() * dpr)
                             .toAlignedRect()
                             .intersected(image_.rect());
    const QRgb rgb = colour.rgb();
    for (int y = device.top(); y <= device.bottom(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image_.scanLine(y));
        for (int x = device.left(); x <= device.right(); ++x)
            line[x] = rgb;
    }
}

void PictureBox::clear()
{
    ensureImage();
    image_.fill(back_);
    update(innerRect());
}

void PictureBox::setDrawWidth(int width) { drawWidth_ = width < 1 ? 1 : width; }

void PictureBox::line(QPointF from, QPointF to, int colour)
{
    ensureImage();
    const QPointF a = toPixel(from), b = toPixel(to);
    QPainter p(&image_);
    p.setPen(pen(colour));
    p.drawLine(a, b);
    current_ = to;
    touched(QRectF(a, b), drawWidth_ + 1.0);
}

void PictureBox::lineTo(QPointF to, int colour) { line(current_, to, colour); }

void PictureBox::box(QPointF corner1, QPointF corner2, int colour)
{
    ensureImage();
    const QRectF r = QRectF(toPixel(corner1), toPixel(corner2)).normalized();
    QPainter p(&image_);
    p.setPen(pen(colour));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
    current_ = corner2;
    touched(r, drawWidth_ + 1.0);
}

void PictureBox::fillBox(QPointF corner1, QPointF corner2, int colour)
{
    ensureImage();
    const QRectF r = QRectF(toPixel(corner1), toPixel(corner2)).normalized();
    QPainter p(&image_);
    p.setPen(pen(colour));
    p.setBrush(PaletteColor(colour));
    p.drawRect(r);
    current_ = corner2;
    touched(r, drawWidth_ + 1.0);
}

void PictureBox::circle(QPointF centre, double radius, int colour)
{
    ensureImage();
    const QPointF c = toPixel(centre);
    // The radius counts in x units on both axes, so a circle stays round.
    const double r = std::abs(radius * transform().m11());
    if (r < 1.0) {
        // Smaller than a pixel: still a visible dot of the line width.
        const double w = drawWidth_;
        fillDot(QRectF(std::floor(c.x() - (w - 1) / 2), std::floor(c.y() - (w - 1) / 2), w, w),
                PaletteColor(colour));
    } else {
        QPainter p(&image_);
        p.setPen(pen(colour));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, r, r);
    }
    current_ = centre;
    touched(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), drawWidth_ + 1.0);
}

void PictureBox::arc(QPointF centre, double radius, int colour, double startAngle, double endAngle)
{
    ensureImage();
    const QPointF c = toPixel(centre);
    const double r = std::abs(radius * transform().m11());
    double span = endAngle - startAngle;
    if (span <= 0)
        span += 2 * M_PI;
    QPainter p(&image_);
    p.setPen(pen(colour));
    // Qt counts sixteenths of a degree, counter-clockwise on the screen, as we do.
    const QRectF bounds(c.x() - r, c.y() - r, 2 * r, 2 * r);
    p.drawArc(bounds, qRound(startAngle * 180.0 / M_PI * 16), qRound(span * 180.0 / M_PI * 16));
    current_ = centre;
    touched(bounds, drawWidth_ + 1.0);
}

void PictureBox::point(QPointF at, int colour)
{
    ensureImage();
    const QPointF c = toPixel(at);
    const double w = drawWidth_;
    fillDot(QRectF(std::floor(c.x() - (w - 1) / 2), std::floor(c.y() - (w - 1) / 2), w, w),
            PaletteColor(colour));
    current_ = at;
    touched(QRectF(c, c), w + 1.0);
}

void PictureBox::print(const QString &text)
{
    ensureImage();
    const QPointF topLeft = toPixel(current_);
    QPainter p(&image_);
    p.setFont(printFont_);
    p.setPen(fore_);
    const QFontMetricsF metrics(printFont_, &image_);
    p.drawText(topLeft + QPointF(0, metrics.ascent()), text);
    touched(QRectF(topLeft, QSizeF(metrics.horizontalAdvance(text), metrics.height())), 2.0);
}

void PictureBox::drawPicture(const QImage &picture)
{
    ensureImage();
    QPainter p(&image_);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSizeF area = innerRect().size();
    const QSizeF fitted = QSizeF(picture.size()).scaled(area, Qt::KeepAspectRatio);
    p.drawImage(
        QRectF(QPointF((area.width() - fitted.width()) / 2, (area.height() - fitted.height()) / 2),
               fitted),
        picture);
    update(innerRect());
}

void PictureBox::drawSvg(QSvgRenderer &renderer)
{
    ensureImage();
    QPainter p(&image_);
    p.setRenderHint(QPainter::Antialiasing);
    const QSizeF area = innerRect().size();
    const QSizeF fitted = QSizeF(renderer.defaultSize()).scaled(area, Qt::KeepAspectRatio);
    renderer.render(&p, QRectF(QPointF((area.width() - fitted.width()) / 2,
                                       (area.height() - fitted.height()) / 2),
                               fitted));
    update(innerRect());
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    pendingUpdates_ = 0;
    pendingBounds_ = QRect();
    ensureImage();
    QPainter p(this);
    const QRect inner = innerRect();
    const QRect dirty = event->rect().intersected(inner);
    if (!dirty.isEmpty()) {
        const qreal dpr = image_.devicePixelRatio();
        const QRectF source(QPointF(dirty.topLeft() - inner.topLeft()) * dpr,
                            QSizeF(dirty.size()) * dpr);
        p.drawImage(QRectF(dirty), image_, source);
    }
    if (border_ > 0 && !inner.contains(event->rect())) {
        // Sunken edge: shadow above and left, light below and right.
        const QRect r = rect().adjusted(0, 0, -1, -1);
        p.setPen(QColor(128, 128, 128));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(Qt::white);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
        const QRect q = r.adjusted(1, 1, -1, -1);
        p.setPen(QColor(64, 64, 64));
        p.drawLine(q.topLeft(), q.topRight());
        p.drawLine(q.topLeft(), q.bottomLeft());
        p.setPen(QColor(212, 208, 200));
        p.drawLine(q.bottomLeft(), q.bottomRight());
        p.drawLine(q.topRight(), q.bottomRight());
    }
}

} // namespace common
