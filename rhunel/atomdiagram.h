// SPDX-License-Identifier: MIT
// Rhunel's atom diagram: a nucleus with four electron shells; above it a photon
// scattered coherently by a bound electron, below it a photon scattered incoherently by
// a free electron that recoils.
#pragma once

#include <QSizeF>

class QPainter;

namespace rhunel {

// The diagram's natural size, in its own units.
inline constexpr QSizeF AtomDiagramSize{338, 276};

// Paints the diagram in its own units, from (0, 0) to AtomDiagramSize; the caller sets
// the painter's transform so that this maps onto the target area. The painter's state
// is left as it was.
void paintAtomDiagram(QPainter &painter);

} // namespace rhunel
