// SPDX-License-Identifier: MIT
// The numerics of the pi program, without widgets: where a point falls, whether it
// hits the circle, and the estimate 4 x hits / points.
#pragma once

#include "common/core/csv.h"
#include "common/core/randomgenerator.h"

#include <cstdint>
#include <vector>

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

// How far the estimate may be from π by chance. Each point is a hit with probability
// p = π/4, so the hits are binomial (N, p) and 4 hits/N has standard deviation
// 4 √(p(1−p)/N). N need not be whole (the statistics window draws it as a curve of N).
double piSigma(double p, double points);

// The estimate with its σ, p taken as hits/N (the usual estimate; e.g. any statistics
// text on the binomial proportion). sigmasFromPi is (estimate − π)/σ; NaN while σ is 0.
struct PiStatistics {
    double estimate = 0;
    double sigma = 0;
    double sigmasFromPi = 0;
};
PiStatistics piStatistics(std::int64_t hits, std::int64_t points);

// One batch's running result, as the three boxes show it after the batch.
struct BatchResult {
    std::int64_t batch = 0;
    std::int64_t points = 0;
    std::int64_t hits = 0;
    double estimate = 0;
    double sigma = 0;
};

// One row per batch since start-up or Reset: batch,points,hits,pi_estimate,sigma.
common::CsvTable resultsCsv(const std::vector<BatchResult> &batches);

} // namespace dartley
