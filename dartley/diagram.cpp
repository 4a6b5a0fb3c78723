// SPDX-License-Identifier: MIT
// Dartley's title diagram: a square hatched in blue with its inscribed circle hatched
// in red the other way, both diameters, the ticks at the ends and the radius letter r.
// The hatching is drawn as explicit segments, each computed to end on the outline.
#include "dartley/diagram.h"

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QRectF>

#include <algorithm>
#include <cmath>
#include <vector>

namespace dartley {

namespace {

constexpr double Size = 476;   // 4.96 inches at 96 per inch
constexpr double C = Size / 2; // centre
constexpr double R = 190;      // radius; the square's half side
constexpr int Step = 12;       // hatch spacing

QPen strokePen(const QColor &colour, double width)
{
    QPen pen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    pen.setMiterLimit(4);
    return pen;
}

void line(QPainter &painter, double x1, double y1, double x2, double y2, const QColor &colour,
          double width)
{
    painter.setPen(strokePen(colour, width));
    painter.drawLine(QLineF(x1, y1, x2, y2));
}

// Lines x - y = k (falling to the right on screen) cut to the square.
void squareHatch(QPainter &painter)
{
    const double lo = C - R;
    const double hi = C + R;
    for (double k = -2 * R; k <= 2 * R; k += Step) {
        std::vector<QPointF> ends;
        for (const double x : {lo, hi}) {
            const double y = x - k;
            if (lo <= y && y <= hi)
                ends.emplace_back(x, y);
        }
        for (const double y : {lo, hi}) {
            const double x = y + k;
            if (lo <= x && x <= hi)
                ends.emplace_back(x, y);
        }
        std::sort(ends.begin(), ends.end(), [](const QPointF &a, const QPointF &b) {
            return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y());
        });
        // Through a corner only: no segment.
        if (ends.size() >= 2 && ends.front() != ends.back())
            line(painter, ends.front().x(), ends.front().y(), ends.back().x(), ends.back().y(),
                 QColor(0x00, 0x00, 0xff), 1.5);
    }
}

// Lines x + y = const, the other slant, cut to the circle.
void circleHatch(QPainter &painter)
{
    const double n = 1 / std::sqrt(2.0); // both components of the (1, 1) normal
    const double tx = -n;
    const double ty = n;
    for (double d = -R + Step / 2.0; d < R; d += Step) {
        // the chord at signed distance d from the centre along the normal
        const double half = std::sqrt(R * R - d * d);
        const double px = C + d * n;
        const double py = C + d * n;
        line(painter, px - half * tx, py - half * ty, px + half * tx, py + half * ty,
             QColor(0xff, 0x00, 0x00), 1.5);
    }
}

void ticks(QPainter &painter)
{
    const double lo = C - R;
    const double hi = C + R;
    const double t = 10;
    const QColor black(0x00, 0x00, 0x00);
    for (const double x : {lo, C, hi}) {
        line(painter, x, lo - t, x, lo, black, 2);
        line(painter, x, hi, x, hi + t, black, 2);
    }
    for (const double y : {lo, C, hi}) {
        line(painter, lo - t, y, lo, y, black, 2);
        line(painter, hi, y, hi + t, y, black, 2);
    }
}

} // namespace

void paintDiagram(QPainter &painter)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor white(0xff, 0xff, 0xff);
    const QColor black(0x00, 0x00, 0x00);

    painter.fillRect(QRectF(0, 0, Size, Size), white);
    squareHatch(painter);

    painter.setPen(Qt::NoPen);
    painter.setBrush(white);
    painter.drawEllipse(QPointF(C, C), R, R);
    circleHatch(painter);

    painter.setPen(strokePen(black, 2.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(C, C), R, R);
    painter.drawRect(QRectF(C - R, C - R, 2 * R, 2 * R));
    ticks(painter);
    line(painter, C - R, C, C + R, C, black, 2.5);
    line(painter, C, C - R, C, C + R, black, 2.5);

    painter.fillRect(QRectF(C + 8, C - 128, 34, 44), white);
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(52);
    font.setItalic(true);
    painter.setFont(font);
    painter.setPen(black);
    painter.drawText(QPointF(C + 12, C - 92), QStringLiteral("r"));
    painter.restore();
}

} // namespace dartley
