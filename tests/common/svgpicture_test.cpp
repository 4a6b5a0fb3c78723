// SPDX-License-Identifier: MIT
// The SVG paint device: what a painter does on it comes back as an SVG that a renderer
// draws like the raster picture, cut by the painter's clip, text as text.
#include "common/gui/programicon.h"
#include "common/gui/svgpicture.h"

#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>

namespace {

QByteArray paintedSvg(QSize size, const std::function<void(QPainter &)> &paint)
{
    common::SvgPicture svg(size, QStringLiteral("test <&> \"picture\""));
    QPainter painter(&svg);
    paint(painter);
    painter.end();
    return svg.bytes();
}

QImage rendered(const QByteArray &svg, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QSvgRenderer(svg).render(&painter);
    return image;
}

// The elements each clip path cuts, by the clip's id.
QMap<QString, QStringList> clippedElements(const QByteArray &svg)
{
    QMap<QString, QStringList> out;
    QXmlStreamReader xml(svg);
    QStringList clips; // the clip of each open group, "" for none
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            const QString clip = xml.attributes().value(QLatin1String("clip-path")).toString();
            if (xml.name() == QLatin1String("g")) {
                clips.append(clip);
                continue;
            }
            for (const QString &c : clips)
                if (!c.isEmpty())
                    out[c].append(xml.name().toString());
        } else if (token == QXmlStreamReader::EndElement && xml.name() == QLatin1String("g")) {
            clips.removeLast();
        }
    }
    return out;
}

TEST(SvgPicture, ShapesTextAndTransformsDrawAsOnAnImage)
{
    const QSize size(120, 80);
    auto paint = [](QPainter &p) {
        p.fillRect(QRectF(0, 0, 120, 80), Qt::white);
        p.fillRect(QRectF(10, 10, 30, 20), Qt::red);
        p.setPen(QPen(Qt::blue, 4));
        p.drawLine(QPointF(0, 70), QPointF(120, 70));
        p.setBrush(Qt::green);
        p.drawEllipse(QPointF(90, 30), 15, 15);
        p.translate(60, 40);
        p.rotate(90);
        p.fillRect(QRectF(-5, -5, 10, 10), Qt::black);
    };
    const QByteArray svg = paintedSvg(size, paint);
    ASSERT_TRUE(QSvgRenderer(svg).isValid()) << svg.constData();
    QImage raster(size, QImage::Format_RGB32);
    raster.fill(Qt::white);
    {
        QPainter p(&raster);
        paint(p);
    }
    const QImage vector = rendered(svg, size);
    // Well inside each shape, away from antialiased edges.
    for (const QPoint at : {QPoint(25, 20), QPoint(60, 70), QPoint(90, 30), QPoint(60, 40),
                            QPoint(5, 50), QPoint(110, 5)})
        EXPECT_EQ(vector.pixelColor(at), raster.pixelColor(at)) << at.x() << "," << at.y();
}

TEST(SvgPicture, ClipCutsWhatCrossesItAndTextIsEscaped)
{
    const QByteArray svg = paintedSvg(QSize(100, 100), [](QPainter &p) {
        p.setClipRect(QRect(10, 10, 50, 50));
        p.setPen(QPen(Qt::red, 3));
        p.drawLine(QPointF(0, 30), QPointF(100, 30));
        p.setClipping(false);
        p.setPen(Qt::black);
        p.drawText(QPointF(5, 90), QStringLiteral("a < b & \"c\" 日本"));
    });
    EXPECT_TRUE(svg.contains("<title>test &lt;&amp;&gt; &quot;picture&quot;</title>"));
    // A run in another font (the Japanese) may be its own text element.
    EXPECT_TRUE(svg.contains("a &lt; b &amp; &quot;c&quot;")) << svg.constData();
    EXPECT_TRUE(svg.contains("日本"));
    const auto clipped = clippedElements(svg);
    ASSERT_EQ(clipped.size(), 1) << svg.constData();
    EXPECT_EQ(clipped.first(), QStringList{QStringLiteral("path")}) << "the line, not the text";
    EXPECT_TRUE(svg.contains("<clipPath")) << svg.constData();

    // Drawn red inside the clip. (The test's renderer ignores clip paths, so what lies
    // past the clip is checked above by the element being inside the clipped group.)
    const QImage image = rendered(svg, QSize(100, 100));
    EXPECT_EQ(image.pixelColor(30, 30), QColor(Qt::red));
}

// A plot's dots: filled squares of one colour join one path, so a hundred thousand
// stay small, and each is still drawn.
TEST(SvgPicture, RunsOfFilledSquaresShareAPath)
{
    const QByteArray svg = paintedSvg(QSize(200, 200), [](QPainter &p) {
        for (int i = 0; i < 1000; ++i)
            p.fillRect(QRectF(i % 200, (i * 7) % 200, 1, 1), i % 2 ? Qt::red : Qt::blue);
        for (int i = 0; i < 1000; ++i)
            p.fillRect(QRectF(i % 200, (i * 3) % 200, 1, 1), Qt::red);
    });
    // 1000 runs of one dot while the colours alternate, then one run of 1000.
    EXPECT_LE(svg.count("<path"), 1001);
    EXPECT_LT(svg.size(), 1000 * 30 + 1000 * 30 + 2000);
    const QImage image = rendered(svg, QSize(200, 200));
    EXPECT_EQ(image.pixelColor(1, 7), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(2, 14), QColor(Qt::blue));
}

TEST(ProgramIcon, EachProgramHasItsPennantAtEverySize)
{
    for (const char *program : {"dartley", "Stelmo", "RHUNEL"}) {
        const QIcon icon = common::programIcon(QString::fromLatin1(program));
        for (const int size : {32, 256}) {
            const QImage image = icon.pixmap(size, size).toImage();
            EXPECT_EQ(image.width(), size) << program;
            // The pole's grey at the left, the cloth's colour in the pennant.
            EXPECT_EQ(image.pixelColor(size * 8 / 32, size * 20 / 32), QColor(0x80, 0x80, 0x80));
            EXPECT_NE(image.pixelColor(size * 12 / 32, size * 13 / 32), QColor(Qt::transparent));
        }
    }
    QImage probe(8, 8, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&probe);
    EXPECT_FALSE(common::paintProgramIcon(painter, QStringLiteral("other")));
}

} // namespace
