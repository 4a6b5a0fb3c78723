// SPDX-License-Identifier: MIT
// Renders a program's icon for installation: the PNG sizes and the SVG a desktop's icon
// theme wants, and the icon file a Windows executable carries.
//   iconrender PROGRAM OUTDIR NAME   writes OUTDIR/<size>x<size>/apps/NAME.png,
//                                    OUTDIR/scalable/apps/NAME.svg and OUTDIR/NAME.ico
#include "common/gui/exports.h"
#include "common/gui/programicon.h"
#include "common/gui/svgpicture.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

namespace {

bool write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        return true;
    std::fprintf(stderr, "iconrender: cannot write %s\n", qPrintable(path));
    return false;
}

// An icon file of PNG images (read by Windows since Vista): a directory of entries, then
// the images.
QByteArray icoFile(const QString &program)
{
    const int sizes[] = {16, 24, 32, 48, 64, 256};
    QList<QByteArray> images;
    for (const int size : sizes)
        images.append(common::pngBytes(common::programIconImage(program, size)));
    QByteArray out;
    auto u8 = [&](int v) { out.append(char(v)); };
    auto u16 = [&](int v) {
        u8(v & 0xff);
        u8((v >> 8) & 0xff);
    };
    auto u32 = [&](qint64 v) {
        u16(int(v & 0xffff));
        u16(int((v >> 16) & 0xffff));
    };
    u16(0);
    u16(1); // an icon, not a cursor
    u16(int(images.size()));
    qint64 offset = 6 + 16 * images.size();
    for (qsizetype i = 0; i < images.size(); ++i) {
        u8(sizes[i] >= 256 ? 0 : sizes[i]); // 0 stands for 256
        u8(sizes[i] >= 256 ? 0 : sizes[i]);
        u8(0);
        u8(0);
        u16(1);  // colour planes
        u16(32); // bits per pixel
        u32(images[i].size());
        u32(offset);
        offset += images[i].size();
    }
    for (const QByteArray &image : images)
        out += image;
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: iconrender PROGRAM OUTDIR NAME\n");
        return 2;
    }
    // A build step has no display; rendering needs none.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString program = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);
    const QString name = QString::fromLocal8Bit(argv[3]);
    {
        QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&probe);
        if (!common::paintProgramIcon(painter, program)) {
            std::fprintf(stderr, "iconrender: no icon for %s\n", argv[1]);
            return 1;
        }
    }
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        if (!write(QStringLiteral("%1/%2x%2/apps/%3.png").arg(out).arg(size).arg(name),
                   common::pngBytes(common::programIconImage(program, size))))
            return 1;
    common::SvgPicture svg(QSize(common::IconUnits, common::IconUnits), program);
    {
        QPainter painter(&svg);
        common::paintProgramIcon(painter, program);
    }
    if (!write(QStringLiteral("%1/scalable/apps/%2.svg").arg(out, name), svg.bytes()) ||
        !write(QStringLiteral("%1/%2.ico").arg(out, name), icoFile(program)))
        return 1;
    return 0;
}
