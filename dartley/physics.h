// SPDX-License-Identifier: MIT
// The numerics of the pi program, without widgets: where a point falls, whether it
// hits the circle, and the estimate 4 x hits / points.
#pragma once

#include "common/randomgenerator.h"

#include <cstdint>

namespace dartley {

inline constexpr int PointsPerBatch = 1000;
inline constexpr double HalfSide = 500.0;         // of the square, user units
inline constexpr double RadiusSquared = 250000.0; // the inscribed circle's, 500 squared

struct DartPoint {
    double x = 0;
    double y = 0;
    bool hit = false;
};

// A point from two draws: (0.5 - r) x 1000 on each axis, so a draw of 0 lands on the
// edge at +500. A hit lies inside or on the circle.
DartPoint pointFromDraws(double r1, double r2);

// The next point: two draws from the program's generator, into RandomValues(1) and (2).
DartPoint nextPoint(common::RandomGenerator &random);

// 4 x hits / (1000 x batches), in that order of operations.
double piEstimate(std::int64_t hits, std::int64_t batches);

} // namespace dartley
