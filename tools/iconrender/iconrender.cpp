// SPDX-License-Identifier: MIT
// Renders a program's SVG icon into the PNG sizes a desktop's icon theme wants.
//   iconrender ICON.svg OUTDIR NAME   writes OUTDIR/<size>x<size>/apps/NAME.png
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: iconrender ICON.svg OUTDIR NAME\n");
        return 2;
    }
    // A build step has no display; rendering needs none.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "iconrender: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString name = QString::fromLocal8Bit(argv[3]);
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString dir =
            QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[2])).arg(size);
        QDir().mkpath(dir);
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter, QRectF(0, 0, size, size));
        painter.end();
        const QString file = dir + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!image.save(file)) {
            std::fprintf(stderr, "iconrender: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
