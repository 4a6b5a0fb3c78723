// SPDX-License-Identifier: MIT
#include "stelmo/plot.h"

#include <algorithm>
#include <cmath>

namespace stelmo::plot {

double transmittanceY(double transmittance)
{
    const double y = BottomY - UnitsPerNeper * std::log(1000.0 * transmittance);
    return y > BottomY ? BottomY : y;
}

double lawLineEndX(double mu) { return SlabLeft + LawSpan / mu; }

std::vector<QPointF> transmittancePoints(const DepthTransmittance &sampled)
{
    std::vector<QPointF> points;
    for (int k = 2; k <= BinCount; ++k) {
        const double t = sampled[static_cast<size_t>(k)];
        // Empty bins are 0, and every bin is NaN before the first photon.
        if (!(t > 0))
            continue;
        // Bin k holds the paths reaching (k-1)/10 cm; it is drawn at k/10 cm.
        points.emplace_back(SlabLeft + BinStep * k, transmittanceY(t));
    }
    return points;
}

BandEdges bandEdges(const std::vector<BandPoint> &band)
{
    // The logarithm needs a positive T, and T = 1 is the top of the scale.
    auto at = [](double depthCm, double t) {
        return QPointF(SlabLeft + UnitsPerCm * depthCm, transmittanceY(std::clamp(t, 1e-12, 1.0)));
    };
    BandEdges edges;
    for (const BandPoint &b : band) {
        edges.lower.push_back(at(b.depthCm, b.lower));
        edges.upper.push_back(at(b.depthCm, b.upper));
    }
    return edges;
}

} // namespace stelmo::plot
