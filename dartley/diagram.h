// SPDX-License-Identifier: MIT
// Dartley's title diagram: a square hatched in blue with its inscribed circle hatched
// in red the other way, both diameters, the ticks at the ends and the radius letter r.
#pragma once

#include <QSizeF>

class QPainter;

namespace dartley {

// The diagram's natural size, in its own units.
inline constexpr QSizeF DiagramSize{476, 476};

// Paints the diagram in its own units, from (0, 0) to DiagramSize; the caller sets the
// painter's transform so that this maps onto the target area. The painter's state is
// left as it was.
void paintDiagram(QPainter &painter);

} // namespace dartley
