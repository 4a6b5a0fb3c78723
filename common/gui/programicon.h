// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

class QPainter;

namespace common {

// Each program's icon: a pennant on a grey pole, green for Dartley, red for Stelmo,
// yellow for Rhunel. Drawn in a 32×32 square of the painter's units, so one drawing
// serves the window icon, the desktop's PNGs and SVG and the Windows icon file.
inline constexpr int IconUnits = 32;
// False for a name that is none of the three programs'.
bool paintProgramIcon(QPainter &painter, const QString &program);
// The icon as a square image of `size` pixels, transparent around the pennant.
QImage programIconImage(const QString &program, int size);
// The icon at the sizes window managers and task bars ask for.
QIcon programIcon(const QString &program);

} // namespace common
