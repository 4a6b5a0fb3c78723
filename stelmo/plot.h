// SPDX-License-Identifier: MIT
// Where the free-path program's plots put things: the physics' depths and
// transmittances turned into the picture boxes' user units.
#pragma once

#include "stelmo/physics.h"

#include <QPointF>

#include <vector>

namespace stelmo::plot {

// 40 cm of tissue from x = 200 to 1000 in both plots; the transmittance plot's log scale
// puts T = 0.001 on y = 450 and spends 60 units a neper, so one decade is 60 ln 10 =
// 138.2 units.
inline constexpr double SlabLeft = 200.0;  // x of depth 0
inline constexpr double UnitsPerCm = 20.0; // 40 cm across 800 units
inline constexpr double BottomY = 450.0;   // T = 0.001
inline constexpr double UnitsPerNeper = 60.0;
inline constexpr double TopY = 36.0; // where the law line starts (T = 1 as drawn)
// The law line's run to T = 0.001, in units times μ: 20 units per cm x ln 1000, with
// ln 1000 taken as 6.91 as the plot has always drawn it.
inline constexpr double LawSpan = 138.2;
inline constexpr double BinStep = 2.0; // x units per depth bin in the plot

// Transmittance T to the plot's y: 450 - 60 ln(1000 T), one decade 138.2 units,
// T = 0.001 on the bottom line; smaller fractions are drawn there too.
double transmittanceY(double transmittance);

// Where the exponential law crosses T = 0.001: d = ln(1000)/μ at 20 units per cm.
double lawLineEndX(double mu);

// The sampled transmittance as the plot draws it: bin k at x = 200 + 2k for
// k = 2..400, skipping bins that hold nothing (a logarithm of 0 has no place on the
// scale). Empty before any photon.
std::vector<QPointF> transmittancePoints(const DepthTransmittance &sampled);

// The two edges of the ±2σ band as the plot draws them, one point per depth of the
// band; an edge is kept between 1e-12 and 1, so one below the plot's floor lies on it.
struct BandEdges {
    std::vector<QPointF> lower;
    std::vector<QPointF> upper;
};
BandEdges bandEdges(const std::vector<BandPoint> &band);

} // namespace stelmo::plot
