// SPDX-License-Identifier: MIT
// Where the coherent-scattering program's track plot puts things, in Picture1's user
// units.
#pragma once

#include <QPointF>

namespace rhunel::plot {

// Every track starts at the interaction point and is 200 units long.
inline constexpr QPointF InteractionPoint{300, 300};
inline constexpr double TrackLength = 200;

// Where a track ends: forward (cos 1) to the left, straight back to the right.
QPointF trackEnd(double cosTheta, double sinTheta);

} // namespace rhunel::plot
