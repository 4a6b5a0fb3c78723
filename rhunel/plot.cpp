// SPDX-License-Identifier: MIT
#include "rhunel/plot.h"

namespace rhunel::plot {

QPointF trackEnd(double cosTheta, double sinTheta)
{
    return {InteractionPoint.x() - TrackLength * cosTheta,
            InteractionPoint.y() - TrackLength * sinTheta};
}

} // namespace rhunel::plot
