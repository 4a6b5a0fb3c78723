// SPDX-License-Identifier: MIT
// Rhunel's atom diagram: a nucleus with four electron shells; above it a photon
// scattered coherently by a bound electron, below it a photon scattered incoherently by
// a free electron that recoils. Waves are polylines along sines, arrowheads triangles.
#include "rhunel/atomdiagram.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>

#include <cmath>

namespace rhunel {

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double Width = 338; // 3.52 x 2.87 inches at 96 per inch
constexpr double Height = 276;
constexpr double CX = 95; // nucleus
constexpr double CY = 150;

struct Shell {
    double radius;
    int electrons;
};
constexpr Shell Shells[] = {{16, 2}, {32, 8}, {50, 8}, {68, 6}};

constexpr Qt::GlobalColor Black = Qt::black; // #000000

double radians(double degrees) { return degrees * Pi / 180; }

QPen strokePen(double width)
{
    QPen pen(Black, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    pen.setMiterLimit(4);
    return pen;
}

enum class Anchor { Start, Middle, End };

// Text with its baseline at y; x is where the anchor says.
void text(QPainter &painter, double x, double y, const QString &s, int size = 11,
          Anchor anchor = Anchor::Start, bool italic = false)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(size);
    font.setItalic(italic);
    double left = x;
    if (anchor != Anchor::Start) {
        const double advance = QFontMetricsF(font, painter.device()).horizontalAdvance(s);
        left -= anchor == Anchor::Middle ? advance / 2 : advance;
    }
    painter.setFont(font);
    painter.setPen(Black);
    painter.drawText(QPointF(left, y), s);
}

// A line; dashed means 4 on, 3 off.
void line(QPainter &painter, double x1, double y1, double x2, double y2, double width = 1.2,
          bool dashed = false)
{
    QPen pen = strokePen(width);
    if (dashed)
        pen.setDashPattern({4 / width, 3 / width}); // Qt counts in pen widths
    painter.setPen(pen);
    painter.drawLine(QLineF(x1, y1, x2, y2));
}

void arrowhead(QPainter &painter, double x, double y, double ux, double uy)
{
    const double size = 8;
    const double nx = -uy;
    const double ny = ux;
    const double bx = x - ux * size;
    const double by = y - uy * size;
    const QPointF points[] = {{x, y},
                              {bx + nx * size / 2.5, by + ny * size / 2.5},
                              {bx - nx * size / 2.5, by - ny * size / 2.5}};
    painter.setPen(Qt::NoPen);
    painter.setBrush(Black);
    painter.drawPolygon(points, 3);
}

// A sine wave along the segment, with an arrowhead at its end.
void wave(QPainter &painter, double x1, double y1, double x2, double y2)
{
    const double amplitude = 3.5;
    const double period = 9;
    const double length = std::hypot(x2 - x1, y2 - y1);
    const double ux = (x2 - x1) / length;
    const double uy = (y2 - y1) / length;
    const double nx = -uy;
    const double ny = ux;
    const double body = length - 8;
    const int steps = static_cast<int>(body / 1.5);
    QPolygonF points;
    for (int k = 0; k <= steps; ++k) {
        const double t = body * k / steps;
        const double a = amplitude * std::sin(2 * Pi * t / period);
        points << QPointF(x1 + ux * t + nx * a, y1 + uy * t + ny * a);
    }
    painter.setPen(strokePen(1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(points);
    arrowhead(painter, x2, y2, ux, uy);
}

void arrow(QPainter &painter, double x1, double y1, double x2, double y2)
{
    const double length = std::hypot(x2 - x1, y2 - y1);
    const double ux = (x2 - x1) / length;
    const double uy = (y2 - y1) / length;
    line(painter, x1, y1, x2 - ux * 6, y2 - uy * 6);
    arrowhead(painter, x2, y2, ux, uy);
}

// An arc from start to end degrees, counter-clockwise on the screen for end > start.
void angleArc(QPainter &painter, double cx, double cy, double r, double start, double end)
{
    QPainterPath path;
    path.moveTo(cx + r * std::cos(radians(start)), cy - r * std::sin(radians(start)));
    path.arcTo(QRectF(cx - r, cy - r, 2 * r, 2 * r), start, end - start);
    painter.setPen(strokePen(0.9));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

void electron(QPainter &painter, double x, double y, double r = 3.2)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(Black);
    painter.drawEllipse(QPointF(x, y), r, r);
}

void atom(QPainter &painter)
{
    for (const Shell &shell : Shells) {
        painter.setPen(strokePen(0.9));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(CX, CY), shell.radius, shell.radius);
        for (int k = 0; k < shell.electrons; ++k) {
            const double a = 2 * Pi * (k + 0.5) / shell.electrons + shell.radius / 40;
            electron(painter, CX + shell.radius * std::cos(a), CY + shell.radius * std::sin(a),
                     2.4);
        }
    }
    painter.setPen(strokePen(0.9));
    painter.setBrush(QColor(0x80, 0x80, 0x80));
    painter.drawEllipse(QPointF(CX, CY), 7, 7);
    text(painter, CX, CY + 3.5, QStringLiteral("Nucleus"), 9, Anchor::Middle);
}

// A bound electron at the top of the outer shell scatters the photon by theta.
void coherent(QPainter &painter)
{
    const double ex = CX;
    const double ey = CY - Shells[3].radius;
    electron(painter, ex, ey);
    wave(painter, 6, ey, ex - 5, ey);
    text(painter, 18, ey - 8, QStringLiteral("hν"), 12, Anchor::Start, true);
    const double theta = radians(35);
    const double ox = ex + 105 * std::cos(theta);
    const double oy = ey - 105 * std::sin(theta);
    wave(painter, ex + 5 * std::cos(theta), ey - 5 * std::sin(theta), ox, oy);
    text(painter, ox + 4, oy + 4, QStringLiteral("hν"), 12, Anchor::Start, true);
    line(painter, ex, ey, ex + 95, ey, 0.9, true);
    angleArc(painter, ex, ey, 38, 0, 35);
    text(painter, ex + 42, ey - 8, QStringLiteral("θ"), 12, Anchor::Start, true);
    text(painter, Width - 6, 22, QStringLiteral("Coherent scattering"), 13, Anchor::End);
}

// A free electron takes up part of the energy and recoils at phi.
void incoherent(QPainter &painter)
{
    const double ex = 212;
    const double ey = 236;
    electron(painter, ex, ey);
    wave(painter, 40, ey, ex - 5, ey);
    text(painter, 50, ey - 8, QStringLiteral("hν"), 12, Anchor::Start, true);
    const QString words[] = {QStringLiteral("unbound"), QStringLiteral("or"),
                             QStringLiteral("free electron")};
    for (int k = 0; k < 3; ++k)
        text(painter, ex - 30, 200 + 11 * k, words[k], 10, Anchor::Middle);
    const double theta = radians(40);
    const double phi = radians(22);
    const double sx = ex + 95 * std::cos(theta);
    const double sy = ey - 95 * std::sin(theta);
    wave(painter, ex + 5 * std::cos(theta), ey - 5 * std::sin(theta), sx, sy);
    text(painter, sx + 5, sy + 8, QStringLiteral("hν'"), 12, Anchor::Start, true);
    text(painter, Width - 4, sy - 16, QStringLiteral("Scattered photon"), 10, Anchor::End);
    const double rx = ex + 92 * std::cos(phi);
    const double ry = ey + 92 * std::sin(phi);
    arrow(painter, ex + 4, ey + 1.5, rx, ry);
    text(painter, Width - 4, ry - 26, QStringLiteral("Recoil"), 10, Anchor::End);
    text(painter, Width - 4, ry - 15, QStringLiteral("electron"), 10, Anchor::End);
    line(painter, ex, ey, ex + 90, ey, 0.9, true);
    angleArc(painter, ex, ey, 34, 0, 40);
    text(painter, ex + 37, ey - 10, QStringLiteral("θ"), 12, Anchor::Start, true);
    angleArc(painter, ex, ey, 26, 0, -22);
    text(painter, ex + 28, ey + 16, QStringLiteral("φ"), 12, Anchor::Start, true);
    text(painter, 6, Height - 6, QStringLiteral("Incoherent scattering"), 13);
}

} // namespace

void paintAtomDiagram(QPainter &painter)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(0, 0, Width, Height), QColor(0xff, 0xff, 0xff));
    atom(painter);
    coherent(painter);
    incoherent(painter);
    painter.restore();
}

} // namespace rhunel
