// SPDX-License-Identifier: MIT
#include "common/gui/programicon.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

namespace common {

namespace {

struct Pennant {
    QColor cloth, edge, mark;
    QPolygonF markShape;
};

bool pennantOf(const QString &program, Pennant &p)
{
    const QString name = program.toLower();
    if (name == QLatin1String("dartley"))
        p = {QColor(0x00, 0x80, 0x00), Qt::black, QColor(0x00, 0xff, 0x00),
             QPolygonF({{10, 6}, {22, 10}, {10, 10}})};
    else if (name == QLatin1String("stelmo"))
        p = {QColor(0xff, 0x00, 0x00), QColor(0x80, 0x00, 0x00), QColor(0x80, 0x00, 0x00),
             QPolygonF({{10, 11}, {24, 11}, {10, 15.5}})};
    else if (name == QLatin1String("rhunel"))
        p = {QColor(0xff, 0xff, 0x00), Qt::black, QColor(0xff, 0xff, 0xc0),
             QPolygonF({{10, 6}, {22, 10}, {10, 10}})};
    else
        return false;
    return true;
}

} // namespace

bool paintProgramIcon(QPainter &painter, const QString &program)
{
    Pennant pennant;
    if (!pennantOf(program, pennant))
        return false;
    const QColor grey(0x80, 0x80, 0x80), light(0xc0, 0xc0, 0xc0);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.fillRect(QRectF(6, 3, 3, 27), grey);  // pole
    painter.fillRect(QRectF(6, 3, 1, 27), light); // its lit side
    painter.fillRect(QRectF(4, 29, 7, 2), grey);  // foot
    painter.setPen(QPen(grey, 1));
    painter.setBrush(light);
    painter.drawEllipse(QPointF(7.5, 2.5), 2, 2); // knob
    QPen edge(pennant.edge, 1);
    edge.setJoinStyle(Qt::RoundJoin);
    painter.setPen(edge);
    painter.setBrush(pennant.cloth);
    painter.drawPolygon(QPolygonF({{9, 4}, {29, 10}, {9, 17}}));
    painter.setPen(Qt::NoPen);
    painter.setBrush(pennant.mark);
    painter.drawPolygon(pennant.markShape);
    painter.restore();
    return true;
}

QImage programIconImage(const QString &program, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.scale(double(size) / IconUnits, double(size) / IconUnits);
    paintProgramIcon(painter, program);
    return image;
}

QIcon programIcon(const QString &program)
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(programIconImage(program, size)));
    return icon;
}

} // namespace common
