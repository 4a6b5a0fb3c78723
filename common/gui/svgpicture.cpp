// SPDX-License-Identifier: MIT
#include "common/gui/svgpicture.h"

#include "common/gui/exports.h"

#include <QFontInfo>
#include <QImage>
#include <QLinearGradient>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QTextItem>

#include <cmath>
#include <optional>

namespace common {

namespace {

// Three decimals are a thousandth of a pixel: finer than any screen, short in the file.
QByteArray num(double v)
{
    if (!std::isfinite(v))
        return QByteArrayLiteral("0");
    const double rounded = std::round(v * 1000.0) / 1000.0;
    if (rounded == std::trunc(rounded) && std::abs(rounded) < 1e15)
        return QByteArray::number(static_cast<long long>(rounded));
    QByteArray s = QByteArray::number(rounded, 'f', 3);
    while (s.endsWith('0'))
        s.chop(1);
    if (s.endsWith('.'))
        s.chop(1);
    return s;
}

QByteArray colour(const QColor &c) { return c.name(QColor::HexRgb).toLatin1(); }

QByteArray escaped(const QString &text)
{
    QByteArray out;
    for (const char32_t c : text.toUcs4()) {
        switch (c) {
        case U'&': out += "&amp;"; break;
        case U'<': out += "&lt;"; break;
        case U'>': out += "&gt;"; break;
        case U'"': out += "&quot;"; break;
        default:
            // XML forbids most control characters even as references.
            if (c < 0x20 && c != U'\t' && c != U'\n' && c != U'\r')
                continue;
            out += QString::fromUcs4(&c, 1).toUtf8();
        }
    }
    return out;
}

QByteArray pathData(const QPainterPath &path)
{
    QByteArray d;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement: d += 'M'; break;
        case QPainterPath::LineToElement: d += 'L'; break;
        case QPainterPath::CurveToElement: d += 'C'; break;
        case QPainterPath::CurveToDataElement: d += ' '; break;
        }
        d += num(e.x) + ' ' + num(e.y);
    }
    return d;
}

QByteArray matrix(const QTransform &t)
{
    return "matrix(" + num(t.m11()) + ' ' + num(t.m12()) + ' ' + num(t.m21()) + ' ' + num(t.m22()) +
           ' ' + num(t.dx()) + ' ' + num(t.dy()) + ')';
}

} // namespace

class SvgPaintEngine : public QPaintEngine {
public:
    SvgPaintEngine(QSize size, QString title)
        // Radial and conical gradients and pattern brushes are painted by QPainter into
        // images for this engine; the rest has an SVG form of its own.
        : QPaintEngine(AllFeatures & ~(PatternBrush | PerspectiveTransform | RadialGradientFill |
                                       ConicalGradientFill | ObjectBoundingModeGradients |
                                       PorterDuff | BlendModes | RasterOpModes)),
          size_(size), title_(std::move(title))
    {
    }

    bool begin(QPaintDevice *) override
    {
        if (!started_) {
            started_ = true;
            body_ = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                    "<svg xmlns=\"http://www.w3.org/2000/svg\" "
                    "xmlns:xlink=\"http://www.w3.org/1999/xlink\" version=\"1.1\" width=\"" +
                    num(size_.width()) + "\" height=\"" + num(size_.height()) +
                    "\" viewBox=\"0 0 " + num(size_.width()) + ' ' + num(size_.height()) +
                    "\">\n<title>" + escaped(title_) + "</title>\n";
        }
        setActive(true);
        return true;
    }

    bool end() override
    {
        flushFill();
        setActive(false);
        return true;
    }

    QByteArray document() const
    {
        QByteArray out = body_ + pendingFill();
        if (transformOpen_)
            out += "</g>\n";
        if (clipOpen_)
            out += "</g>\n";
        return out + "</svg>\n";
    }

    Type type() const override { return Type(User + 7); }

    void updateState(const QPaintEngineState &state) override
    {
        const DirtyFlags flags = state.state();
        if (flags & DirtyPen)
            pen_ = state.pen();
        if (flags & DirtyBrush)
            brush_ = state.brush();
        if (flags & DirtyFont)
            font_ = state.font();
        if (flags & DirtyOpacity)
            opacity_ = state.opacity();
        if (flags & DirtyTransform)
            transform_ = state.transform();
        if (flags & (DirtyClipPath | DirtyClipRegion | DirtyClipEnabled | DirtyTransform)) {
            // The clip as the painter holds it now, in device coordinates.
            std::optional<QPainterPath> clip;
            if (QPainter *p = state.painter(); p && p->hasClipping())
                clip = state.transform().map(p->clipPath());
            if (!systemClip().isEmpty()) {
                QPainterPath system;
                system.addRegion(systemClip());
                clip = clip ? clip->intersected(system) : system;
            }
            if (clip != clip_) {
                clip_ = clip;
                clipChanged_ = true;
            }
        }
    }

    void drawPath(const QPainterPath &path) override
    {
        element("<path d=\"" + pathData(path) + '"' +
                (path.fillRule() == Qt::OddEvenFill ? " fill-rule=\"evenodd\"" : "") +
                style(true, true) + "/>\n");
    }

    void drawPolygon(const QPointF *points, int count, PolygonDrawMode mode) override
    {
        if (count <= 0)
            return;
        QByteArray d = "M" + num(points[0].x()) + ' ' + num(points[0].y());
        for (int i = 1; i < count; ++i)
            d += 'L' + num(points[i].x()) + ' ' + num(points[i].y());
        const bool fill = mode != PolylineMode;
        if (fill)
            d += 'Z';
        element("<path d=\"" + d + '"' + (mode == OddEvenMode ? " fill-rule=\"evenodd\"" : "") +
                style(fill, true) + "/>\n");
    }

    void drawRects(const QRectF *rects, int count) override
    {
        // Filled rectangles without an outline in one solid colour join the path before.
        const bool plainFill =
            pen_.style() == Qt::NoPen && brush_.style() == Qt::SolidPattern && opacity_ == 1.0;
        for (int i = 0; i < count; ++i) {
            const QRectF r = rects[i];
            if (plainFill) {
                syncGroups();
                const QByteArray key =
                    colour(brush_.color()) + '/' + QByteArray::number(brush_.color().alpha());
                if (fillKey_ != key) {
                    flushFill();
                    fillKey_ = key;
                    fillStyle_ = style(true, false);
                }
                fill_ += 'M' + num(r.x()) + ' ' + num(r.y()) + 'h' + num(r.width()) + 'v' +
                         num(r.height()) + 'h' + num(-r.width()) + 'z';
                continue;
            }
            element("<rect x=\"" + num(r.x()) + "\" y=\"" + num(r.y()) + "\" width=\"" +
                    num(r.width()) + "\" height=\"" + num(r.height()) + '"' + style(true, true) +
                    "/>\n");
        }
    }

    void drawLines(const QLineF *lines, int count) override
    {
        if (count <= 0)
            return;
        QByteArray d;
        for (int i = 0; i < count; ++i)
            d += 'M' + num(lines[i].x1()) + ' ' + num(lines[i].y1()) + 'L' + num(lines[i].x2()) +
                 ' ' + num(lines[i].y2());
        element("<path d=\"" + d + '"' + style(false, true) + "/>\n");
    }

    void drawPoints(const QPointF *points, int count) override
    {
        // A point is a square of the pen's width in the pen's colour.
        const double w = pen_.widthF() > 0 ? pen_.widthF() : 1.0;
        QByteArray d;
        for (int i = 0; i < count; ++i)
            d += 'M' + num(points[i].x() - w / 2) + ' ' + num(points[i].y() - w / 2) + 'h' +
                 num(w) + 'v' + num(w) + 'h' + num(-w) + 'z';
        element("<path d=\"" + d + "\" fill=\"" + colour(pen_.color()) + '"' +
                alpha("fill-opacity", pen_.color()) + opacityAttribute() + "/>\n");
    }

    void drawEllipse(const QRectF &r) override
    {
        element("<ellipse cx=\"" + num(r.center().x()) + "\" cy=\"" + num(r.center().y()) +
                "\" rx=\"" + num(r.width() / 2) + "\" ry=\"" + num(r.height() / 2) + '"' +
                style(true, true) + "/>\n");
    }

    void drawTextItem(const QPointF &p, const QTextItem &item) override
    {
        const QFont font = item.font();
        const double size = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * 96 / 72;
        // The font's family as the system resolved it, alone (a list would be read by
        // some viewers as one name they do not know); a run the painter set in a
        // fallback font for other characters still names the primary family.
        QByteArray attributes = " font-family=\"" + escaped(QFontInfo(font).family()) +
                                "\" font-size=\"" + num(size) + '"';
        if (font.italic())
            attributes += " font-style=\"italic\"";
        if (font.weight() >= QFont::DemiBold)
            attributes += " font-weight=\"bold\"";
        element("<text x=\"" + num(p.x()) + "\" y=\"" + num(p.y()) + '"' + attributes + " fill=\"" +
                colour(pen_.color()) + '"' + alpha("fill-opacity", pen_.color()) +
                opacityAttribute() + " xml:space=\"preserve\">" + escaped(item.text()) +
                "</text>\n");
    }

    void drawPixmap(const QRectF &r, const QPixmap &pm, const QRectF &sr) override
    {
        drawImage(r, pm.toImage(), sr, Qt::AutoColor);
    }

    void drawImage(const QRectF &r, const QImage &image, const QRectF &sr,
                   Qt::ImageConversionFlags) override
    {
        const QImage part = sr == QRectF(image.rect()) ? image : image.copy(sr.toAlignedRect());
        element("<image x=\"" + num(r.x()) + "\" y=\"" + num(r.y()) + "\" width=\"" +
                num(r.width()) + "\" height=\"" + num(r.height()) +
                "\" preserveAspectRatio=\"none\"" + opacityAttribute() +
                " xlink:href=\"data:image/png;base64," + pngBytes(part).toBase64() + "\"/>\n");
    }

private:
    QByteArray alpha(const char *name, const QColor &c) const
    {
        if (c.alpha() == 255)
            return {};
        return QByteArray(" ") + name + "=\"" + num(c.alphaF()) + '"';
    }

    QByteArray opacityAttribute() const
    {
        return opacity_ < 1.0 ? " opacity=\"" + num(opacity_) + '"' : QByteArray();
    }

    QByteArray paint(const QBrush &brush, const char *opacityName)
    {
        switch (brush.style()) {
        case Qt::NoBrush: return "none\"";
        case Qt::LinearGradientPattern: {
            const auto *g = static_cast<const QLinearGradient *>(brush.gradient());
            const QByteArray id = "g" + QByteArray::number(++defs_);
            QByteArray def = "<defs><linearGradient id=\"" + id +
                             "\" gradientUnits=\"userSpaceOnUse\" x1=\"" + num(g->start().x()) +
                             "\" y1=\"" + num(g->start().y()) + "\" x2=\"" +
                             num(g->finalStop().x()) + "\" y2=\"" + num(g->finalStop().y()) + "\">";
            for (const auto &[at, c] : g->stops())
                def += "<stop offset=\"" + num(at) + "\" stop-color=\"" + colour(c) + '"' +
                       alpha("stop-opacity", c) + "/>";
            body_ += def + "</linearGradient></defs>\n";
            return "url(#" + id + ")\"";
        }
        default: return colour(brush.color()) + '"' + alpha(opacityName, brush.color());
        }
    }

    // The fill and stroke attributes of a shape from the current brush and pen.
    QByteArray style(bool fill, bool stroke)
    {
        QByteArray s = " fill=\"" + (fill ? paint(brush_, "fill-opacity") : "none\"");
        if (stroke && pen_.style() != Qt::NoPen) {
            s += " stroke=\"" + paint(pen_.brush(), "stroke-opacity");
            const double w = pen_.widthF();
            s += " stroke-width=\"" + num(w > 0 ? w : 1) + '"';
            if (pen_.isCosmetic())
                s += " vector-effect=\"non-scaling-stroke\"";
            switch (pen_.capStyle()) {
            case Qt::SquareCap: s += " stroke-linecap=\"square\""; break;
            case Qt::RoundCap: s += " stroke-linecap=\"round\""; break;
            default: break;
            }
            switch (pen_.joinStyle()) {
            case Qt::BevelJoin: s += " stroke-linejoin=\"bevel\""; break;
            case Qt::RoundJoin: s += " stroke-linejoin=\"round\""; break;
            default: break;
            }
            if (pen_.style() != Qt::SolidLine) {
                QByteArray dashes;
                const double unit = w > 0 ? w : 1;
                for (const qreal d : pen_.dashPattern())
                    dashes += (dashes.isEmpty() ? "" : " ") + num(d * unit);
                s += " stroke-dasharray=\"" + dashes + '"';
            }
        }
        return s + opacityAttribute();
    }

    // Clip and transform as groups around what follows: the clip in device
    // coordinates outside, the transform inside it.
    void syncGroups()
    {
        if (!clipChanged_ && transform_ == written_)
            return;
        flushFill();
        if (transformOpen_) {
            body_ += "</g>\n";
            transformOpen_ = false;
        }
        if (clipChanged_) {
            if (clipOpen_) {
                body_ += "</g>\n";
                clipOpen_ = false;
            }
            if (clip_) {
                const QByteArray id = "c" + QByteArray::number(++defs_);
                body_ += "<defs><clipPath id=\"" + id + "\"><path d=\"" + pathData(*clip_) + '"' +
                         (clip_->fillRule() == Qt::OddEvenFill ? " clip-rule=\"evenodd\"" : "") +
                         "/></clipPath></defs>\n<g clip-path=\"url(#" + id + ")\">\n";
                clipOpen_ = true;
            }
            clipChanged_ = false;
        }
        if (!transform_.isIdentity()) {
            body_ += "<g transform=\"" + matrix(transform_) + "\">\n";
            transformOpen_ = true;
        }
        written_ = transform_;
    }

    void element(const QByteArray &text)
    {
        syncGroups();
        flushFill();
        body_ += text;
    }

    QByteArray pendingFill() const
    {
        return fill_.isEmpty() ? QByteArray() : "<path d=\"" + fill_ + '"' + fillStyle_ + "/>\n";
    }

    void flushFill()
    {
        body_ += pendingFill();
        fill_.clear();
        fillKey_.clear();
    }

    QSize size_;
    QString title_;
    QByteArray body_;
    bool started_ = false;
    QPen pen_;
    QBrush brush_;
    QFont font_;
    double opacity_ = 1.0;
    QTransform transform_;
    QTransform written_;
    std::optional<QPainterPath> clip_;
    bool clipChanged_ = false;
    bool clipOpen_ = false;
    bool transformOpen_ = false;
    int defs_ = 0;
    QByteArray fill_, fillKey_, fillStyle_;
};

SvgPicture::SvgPicture(QSize size, QString title)
    : size_(size), engine_(std::make_unique<SvgPaintEngine>(size, std::move(title)))
{
}

SvgPicture::~SvgPicture() = default;

QPaintEngine *SvgPicture::paintEngine() const { return engine_.get(); }

QByteArray SvgPicture::bytes() const { return engine_->document(); }

int SvgPicture::metric(PaintDeviceMetric metric) const
{
    // 96 dots per inch: a font's points turn into the pixels the screen shows.
    constexpr int Dpi = 96;
    switch (metric) {
    case PdmWidth: return size_.width();
    case PdmHeight: return size_.height();
    case PdmWidthMM: return qRound(size_.width() * 25.4 / Dpi);
    case PdmHeightMM: return qRound(size_.height() * 25.4 / Dpi);
    case PdmNumColors: return 0x7fffffff;
    case PdmDepth: return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY: return Dpi;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
    }
    return 0;
}

} // namespace common
