// SPDX-License-Identifier: MIT
#include "common/gui/picturebox.h"

#include "common/gui/palette.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>
#include <cstring>
#include <limits>
#include <optional>

namespace common {

namespace {

enum class Op : std::uint8_t { Line, Box, FillBox, Circle, Arc, Point, Print, Picture, Diagram };

// Coordinates each operation keeps, in user units (and radians for an arc's angles).
constexpr int valueCount(Op op)
{
    switch (op) {
    case Op::Line:
    case Op::Box:
    case Op::FillBox: return 4;
    case Op::Circle: return 3;
    case Op::Arc: return 5;
    case Op::Point:
    case Op::Print: return 2;
    case Op::Picture:
    case Op::Diagram: return 0;
    }
    return 0;
}
constexpr bool hasIndex(Op op) { return op == Op::Print || op == Op::Picture || op == Op::Diagram; }

// Set in the header byte when the values are stored as 32-bit floats: they were
// floats to begin with (Dartley's dots are), so nothing is lost.
constexpr std::uint8_t FloatValues = 0x80;

} // namespace

struct PictureBox::Record {
    Op op = Op::Line;
    std::uint8_t colour = 0;
    std::uint8_t width = 1;
    double v[5] = {};
    std::uint32_t index = 0; // a text, picture or diagram of the store
};

// The display list, compactly: a header byte (operation, float flag), colour and width,
// the values as floats where that is exact and as doubles otherwise, an index where the
// operation has one. Records fill chunks of 64 KiB, so the list grows without ever
// copying what it holds: a million dots take 15 bytes each.
class PictureBox::Store {
public:
    struct Text {
        QString text;
        QFont font;
        QColor colour;
    };
    struct Diagram {
        QSizeF size;
        void (*paint)(QPainter &);
    };

    void clear(const QColor &background)
    {
        chunks_.clear();
        used_.clear();
        count_ = 0;
        texts.clear();
        pictures.clear();
        diagrams.clear();
        this->background = background;
    }

    void append(const Record &r)
    {
        const int n = valueCount(r.op);
        bool asFloat = true;
        for (int i = 0; i < n; ++i)
            asFloat = asFloat && std::abs(r.v[i]) <= std::numeric_limits<float>::max() &&
                      double(float(r.v[i])) == r.v[i];
        const std::size_t size = 3 + std::size_t(n) * (asFloat ? 4 : 8) + (hasIndex(r.op) ? 4 : 0);
        if (chunks_.empty() || used_.back() + size > ChunkSize) {
            chunks_.push_back(std::make_unique_for_overwrite<std::uint8_t[]>(ChunkSize));
            used_.push_back(0);
        }
        std::uint8_t *at = chunks_.back().get() + used_.back();
        at[0] = std::uint8_t(r.op) | (asFloat ? FloatValues : 0);
        at[1] = r.colour;
        at[2] = r.width;
        at += 3;
        for (int i = 0; i < n; ++i) {
            if (asFloat) {
                const float f = float(r.v[i]);
                std::memcpy(at, &f, 4);
                at += 4;
            } else {
                std::memcpy(at, &r.v[i], 8);
                at += 8;
            }
        }
        if (hasIndex(r.op))
            std::memcpy(at, &r.index, 4);
        used_.back() += size;
        ++count_;
    }

    template <class F> void forEach(F &&visit) const
    {
        Record r;
        for (std::size_t c = 0; c < chunks_.size(); ++c) {
            const std::uint8_t *at = chunks_[c].get();
            const std::uint8_t *end = at + used_[c];
            while (at < end) {
                const bool asFloat = at[0] & FloatValues;
                r.op = Op(at[0] & ~FloatValues);
                r.colour = at[1];
                r.width = at[2];
                at += 3;
                const int n = valueCount(r.op);
                for (int i = 0; i < n; ++i) {
                    if (asFloat) {
                        float f;
                        std::memcpy(&f, at, 4);
                        r.v[i] = f;
                        at += 4;
                    } else {
                        std::memcpy(&r.v[i], at, 8);
                        at += 8;
                    }
                }
                if (hasIndex(r.op)) {
                    std::memcpy(&r.index, at, 4);
                    at += 4;
                }
                visit(r);
            }
        }
    }

    std::size_t count() const { return count_; }
    std::size_t bytes() const
    {
        std::size_t extra = 0;
        for (const QImage &p : pictures)
            extra += std::size_t(p.sizeInBytes());
        return chunks_.size() * ChunkSize + texts.size() * sizeof(Text) + extra;
    }

    std::vector<Text> texts;
    std::vector<QImage> pictures;
    std::vector<Diagram> diagrams;
    QColor background = Qt::white;

private:
    static constexpr std::size_t ChunkSize = 64 * 1024;
    std::vector<std::unique_ptr<std::uint8_t[]>> chunks_;
    std::vector<std::size_t> used_;
    std::size_t count_ = 0;
};

// Where a record is painted: a painter on the target in its logical coordinates, the
// map from user units to them, and the size of one of the box's pixels at zoom 1 there
// (line widths, dots and fonts scale by it). On an image, dots set pixels directly: they
// are the bulk of what a batch draws, and the same path serves direct drawing and replay,
// so both give the same pixels.
struct PictureBox::Canvas {
    Canvas() = default;
    // On an image that shows the box's inner area at its logical size.
    Canvas(QImage &onto, const PictureBox &box)
        : device(&onto), image(&onto), map(box.transform()),
          target(QPointF(0, 0), QSizeF(box.innerRect().size().expandedTo(QSize(1, 1)))),
          unit(box.zoom_)
    {
    }
    QPaintDevice *device = nullptr;
    QImage *image = nullptr; // the device, when it is an image
    QPainter *external = nullptr;
    std::optional<QPainter> own;
    QTransform map;
    QRectF target;
    double unit = 1;

    QPainter &painter()
    {
        if (external)
            return *external;
        if (!own)
            own.emplace(device);
        return *own;
    }
    void release() { own.reset(); }

    void dot(QRectF logical, QColor colour)
    {
        if (!image) {
            painter().fillRect(logical, colour);
            return;
        }
        release(); // the painter must not hold the image while its pixels are set
        const qreal dpr = image->devicePixelRatio();
        const QRect device = QRectF(logical.topLeft() * dpr, logical.size() * dpr)
                                 .toAlignedRect()
                                 .intersected(image->rect());
        const QRgb rgb = colour.rgb();
        for (int y = device.top(); y <= device.bottom(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(image->scanLine(y));
            for (int x = device.left(); x <= device.right(); ++x)
                line[x] = rgb;
        }
    }
};

namespace {
// What assistive technology is told a drawn control is: a plot or picture is a graphic,
// read by its name and description; a line only parts the window, a separator to pass
// by instead of an unnamed pane.
QAccessibleInterface *drawnControlAccessible(const QString &className, QObject *object)
{
    if (!object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String("common::PictureBox"))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (className == QLatin1String("common::LineShape"))
        return new QAccessibleWidget(widget, QAccessible::Separator);
    return nullptr;
}
} // namespace

void installAccessibleRoles()
{
    [[maybe_unused]] static const bool installed =
        (QAccessible::installFactory(drawnControlAccessible), true);
}

PictureBox::PictureBox(QWidget *parent) : QWidget(parent), list_(std::make_unique<Store>())
{
    installAccessibleRoles();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_StaticContents);
    setFocusPolicy(Qt::TabFocus);
}

PictureBox::~PictureBox() = default;

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

void PictureBox::setZoom(double zoom)
{
    if (zoom == zoom_ || !(zoom > 0))
        return;
    zoom_ = zoom;
    // Drawn again once, at the size the zoom gives the box (its resize follows).
    image_ = QImage();
    update();
}

QRect PictureBox::innerRect() const
{
    return rect().adjusted(border_, border_, -border_, -border_);
}

QTransform PictureBox::transformFor(const QRectF &target) const
{
    if (scale_.width() == 0 || scale_.height() == 0)
        return QTransform::fromTranslate(target.left(), target.top());
    return QTransform::fromTranslate(-scale_.left(), -scale_.top()) *
           QTransform::fromScale(target.width() / scale_.width(),
                                 target.height() / scale_.height()) *
           QTransform::fromTranslate(target.left(), target.top());
}

QTransform PictureBox::transform() const
{
    // Derived from the current geometry each time: a hidden widget gets no resize
    // event, yet a load handler draws into it before it is first shown.
    return transformFor(QRectF(QPointF(0, 0), QSizeF(innerRect().size())));
}

void PictureBox::resizeEvent(QResizeEvent *) { ensureImage(); }

void PictureBox::ensureImage() const
{
    const qreal dpr = devicePixelRatioF();
    const QSize logical = innerRect().size().expandedTo(QSize(1, 1));
    const QSize device = (QSizeF(logical) * dpr).toSize();
    if (image_.size() == device && image_.devicePixelRatio() == dpr)
        return;
    // A new size, zoom or scale factor (a window moved to another screen): the list is
    // drawn again at it, crisp, instead of rescaling the old pixels.
    image_ = QImage(device, QImage::Format_RGB32);
    image_.setDevicePixelRatio(dpr);
    replayOnto(image_);
    const_cast<PictureBox *>(this)->update();
}

QPointF PictureBox::toPixel(QPointF user) const { return transform().map(user); }

QColor PictureBox::colorAt(QPointF user) const
{
    ensureImage();
    const QPointF px = toPixel(user) * image_.devicePixelRatio();
    const QPoint at(static_cast<int>(std::floor(px.x())), static_cast<int>(std::floor(px.y())));
    if (!image_.rect().contains(at))
        return QColor();
    return image_.pixelColor(at);
}

std::size_t PictureBox::operationCount() const { return list_->count(); }

std::size_t PictureBox::displayListBytes() const { return list_->bytes(); }

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

void PictureBox::record(const Record &r)
{
    ensureImage();
    list_->append(r);
    Canvas canvas(image_, *this);
    const QRectF dirty = paintRecord(canvas, r);
    canvas.release();
    touched(dirty, 0);
}

QRectF PictureBox::paintRecord(Canvas &canvas, const Record &r) const
{
    const double w = r.width * canvas.unit;
    auto pen = [&] {
        QPen p(PaletteColor(r.colour), w);
        p.setCapStyle(Qt::SquareCap);
        p.setJoinStyle(Qt::MiterJoin);
        return p;
    };
    // A dot of the line width whose corner is on whole pixels, as the screen shows it.
    auto dotAt = [&](QPointF c) {
        canvas.dot(QRectF(std::floor(c.x() - (w - 1) / 2), std::floor(c.y() - (w - 1) / 2), w, w),
                   PaletteColor(r.colour));
    };
    const double margin = w + 1.0;
    auto grown = [](QRectF rect, double by) {
        return rect.normalized().adjusted(-by, -by, by, by);
    };
    switch (r.op) {
    case Op::Line: {
        QPointF a = canvas.map.map(QPointF(r.v[0], r.v[1]));
        QPointF b = canvas.map.map(QPointF(r.v[2], r.v[3]));
        QPainter &p = canvas.painter();
        p.setPen(pen());
        p.drawLine(a, b);
        return grown(QRectF(a, b), margin);
    }
    case Op::Box:
    case Op::FillBox: {
        const QRectF box =
            QRectF(canvas.map.map(QPointF(r.v[0], r.v[1])), canvas.map.map(QPointF(r.v[2], r.v[3])))
                .normalized();
        QPainter &p = canvas.painter();
        p.setPen(pen());
        p.setBrush(r.op == Op::FillBox ? QBrush(PaletteColor(r.colour)) : QBrush(Qt::NoBrush));
        p.drawRect(box);
        return grown(box, margin);
    }
    case Op::Circle:
    case Op::Arc: {
        const QPointF c = canvas.map.map(QPointF(r.v[0], r.v[1]));
        // The radius counts in x units on both axes, so a circle stays round.
        const double radius = std::abs(r.v[2] * canvas.map.m11());
        const QRectF bounds(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius);
        if (r.op == Op::Circle && radius < canvas.unit) {
            // Smaller than a pixel: still a visible dot of the line width.
            dotAt(c);
        } else {
            QPainter &p = canvas.painter();
            p.setPen(pen());
            p.setBrush(Qt::NoBrush);
            if (r.op == Op::Circle) {
                p.drawEllipse(c, radius, radius);
            } else {
                double span = r.v[4] - r.v[3];
                if (span <= 0)
                    span += 2 * M_PI;
                // Qt counts sixteenths of a degree, counter-clockwise on the screen.
                p.drawArc(bounds, qRound(r.v[3] * 180.0 / M_PI * 16),
                          qRound(span * 180.0 / M_PI * 16));
            }
        }
        return grown(bounds, margin);
    }
    case Op::Point: {
        const QPointF c = canvas.map.map(QPointF(r.v[0], r.v[1]));
        dotAt(c);
        return grown(QRectF(c, c), margin);
    }
    case Op::Print: {
        const Store::Text &t = list_->texts[r.index];
        QFont font = t.font;
        if (canvas.unit != 1.0 && font.pixelSize() > 0)
            font.setPixelSize(std::max(1, qRound(font.pixelSize() * canvas.unit)));
        const QPointF topLeft = canvas.map.map(QPointF(r.v[0], r.v[1]));
        QPainter &p = canvas.painter();
        p.setFont(font);
        p.setPen(t.colour);
        const QFontMetricsF metrics(font, canvas.device);
        p.drawText(topLeft + QPointF(0, metrics.ascent()), t.text);
        const QRectF box(topLeft, QSizeF(metrics.horizontalAdvance(t.text), metrics.height()));
        // Italic overhang and side bearings reach past the advance.
        return grown(
            box | metrics.boundingRect(t.text).translated(box.left(), box.top() + metrics.ascent()),
            2.0);
    }
    case Op::Picture:
    case Op::Diagram: {
        QPainter &p = canvas.painter();
        const QRectF area = canvas.target;
        const QSizeF natural = r.op == Op::Picture ? QSizeF(list_->pictures[r.index].size())
                                                   : list_->diagrams[r.index].size;
        const QSizeF fitted = natural.scaled(area.size(), Qt::KeepAspectRatio);
        const QRectF at(area.topLeft() + QPointF((area.width() - fitted.width()) / 2,
                                                 (area.height() - fitted.height()) / 2),
                        fitted);
        p.save();
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.setRenderHint(QPainter::Antialiasing);
        if (r.op == Op::Picture) {
            p.drawImage(at, list_->pictures[r.index]);
        } else if (!natural.isEmpty()) {
            p.translate(at.topLeft());
            p.scale(at.width() / natural.width(), at.height() / natural.height());
            list_->diagrams[r.index].paint(p);
        }
        p.restore();
        return area;
    }
    }
    return {};
}

void PictureBox::clear()
{
    list_->clear(back_);
    ensureImage();
    image_.fill(back_);
    update(innerRect());
}

void PictureBox::setDrawWidth(int width) { drawWidth_ = std::clamp(width, 1, 255); }

void PictureBox::line(QPointF from, QPointF to, int colour)
{
    record({Op::Line,
            std::uint8_t(colour),
            std::uint8_t(drawWidth_),
            {from.x(), from.y(), to.x(), to.y()}});
    current_ = to;
}

void PictureBox::lineTo(QPointF to, int colour) { line(current_, to, colour); }

void PictureBox::box(QPointF corner1, QPointF corner2, int colour)
{
    record({Op::Box,
            std::uint8_t(colour),
            std::uint8_t(drawWidth_),
            {corner1.x(), corner1.y(), corner2.x(), corner2.y()}});
    current_ = corner2;
}

void PictureBox::fillBox(QPointF corner1, QPointF corner2, int colour)
{
    record({Op::FillBox,
            std::uint8_t(colour),
            std::uint8_t(drawWidth_),
            {corner1.x(), corner1.y(), corner2.x(), corner2.y()}});
    current_ = corner2;
}

void PictureBox::circle(QPointF centre, double radius, int colour)
{
    record({Op::Circle,
            std::uint8_t(colour),
            std::uint8_t(drawWidth_),
            {centre.x(), centre.y(), radius}});
    current_ = centre;
}

void PictureBox::arc(QPointF centre, double radius, int colour, double startAngle, double endAngle)
{
    record({Op::Arc,
            std::uint8_t(colour),
            std::uint8_t(drawWidth_),
            {centre.x(), centre.y(), radius, startAngle, endAngle}});
    current_ = centre;
}

void PictureBox::point(QPointF at, int colour)
{
    record({Op::Point, std::uint8_t(colour), std::uint8_t(drawWidth_), {at.x(), at.y()}});
    current_ = at;
}

void PictureBox::print(const QString &text)
{
    list_->texts.push_back({text, printFont_, fore_});
    record({Op::Print,
            0,
            std::uint8_t(drawWidth_),
            {current_.x(), current_.y()},
            std::uint32_t(list_->texts.size() - 1)});
}

void PictureBox::drawPicture(const QImage &picture)
{
    list_->pictures.push_back(picture);
    record({Op::Picture, 0, 1, {}, std::uint32_t(list_->pictures.size() - 1)});
}

void PictureBox::drawDiagram(QSizeF size, void (*paint)(QPainter &))
{
    list_->diagrams.push_back({size, paint});
    record({Op::Diagram, 0, 1, {}, std::uint32_t(list_->diagrams.size() - 1)});
}

void PictureBox::replay(QPainter &painter, const QRectF &target) const
{
    painter.save();
    painter.fillRect(target, list_->background);
    painter.setClipRect(target, Qt::IntersectClip);
    Canvas canvas;
    canvas.external = &painter;
    canvas.device = painter.device();
    canvas.map = transformFor(target);
    canvas.target = target;
    canvas.unit = zoom_ * target.width() / std::max(1, innerRect().width());
    list_->forEach([&](const Record &r) { paintRecord(canvas, r); });
    painter.restore();
}

QImage PictureBox::renderImage(qreal scale) const
{
    const QSize logical = innerRect().size().expandedTo(QSize(1, 1));
    QImage out((QSizeF(logical) * scale).toSize(), QImage::Format_RGB32);
    out.setDevicePixelRatio(scale);
    replayOnto(out);
    return out;
}

void PictureBox::replayOnto(QImage &image) const
{
    image.fill(list_->background);
    Canvas canvas(image, *this);
    list_->forEach([&](const Record &r) { paintRecord(canvas, r); });
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
        // Drawn onto another device (a window saved as SVG or copied at twice its
        // size): the list replays there, crisp; on the screen the image is copied.
        if (replayWhenPainted_ ||
            (p.paintEngine() && p.paintEngine()->type() != QPaintEngine::Raster)) {
            replay(p, QRectF(inner));
        } else {
            const qreal dpr = image_.devicePixelRatio();
            const QRectF source(QPointF(dirty.topLeft() - inner.topLeft()) * dpr,
                                QSizeF(dirty.size()) * dpr);
            p.drawImage(QRectF(dirty), image_, source);
        }
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
