// SPDX-License-Identifier: MIT
// How well the scattering angles agree with the coherent-scattering distribution:
// expected counts per 1-degree bin, χ² with its p-value, the mean angle.
#pragma once

#include "common/core/materials.h"
#include "rhunel/physics.h"

#include <array>
#include <cstdint>

namespace rhunel {

using Expected = std::array<double, 181>; // bins 1..180; element 0 idle

// The expected count of each 1-degree bin for N photons: N times the integral over the
// bin of (1 + cos²θ) F²(x(θ)) sinθ, normalised over 0–180 degrees, F interpolated as the
// reference curve does. The integral is 4-interval, 5-point Gauss–Legendre on every
// degree (exact to degree 9 on each quarter degree; the integrand's kinks at the
// grid points are resolved far below 0.1 %).
Expected expectedCounts(const Column &MomentumTransfer, const Column &FormFactor, double energyKeV,
                        std::int64_t photons);

// Pearson's χ² of the histogram against the expected counts, bins merged from bin 1
// upwards into groups whose expected count is at least 5 (a last group under 5 joins
// the one before, the usual rule for the χ² approximation); ndf = groups − 1 (the total
// is fixed); p the probability of a χ² this large by chance.
struct ChiSquare {
    double chi2 = 0;
    int ndf = 0;
    double pValue = 1;
};
ChiSquare chiSquare(const Histogram &histogram, const Expected &expected);

// The mean scattering angle of the photons (degrees) from the sums of their angles and
// squares, its standard error s/√N, and the theoretical mean ∫θ w dθ / ∫w dθ.
struct MeanAngle {
    double mean = 0;
    double standardError = 0;
    double theory = 0;
    double theorySpread = 0; // the distribution's standard deviation, degrees
};
MeanAngle meanAngle(std::int64_t photons, double angleSum, double angleSquareSum,
                    const Column &MomentumTransfer, const Column &FormFactor, double energyKeV);

// What the results table is made of.
struct Results {
    common::MaterialName material;
    double energyKeV = 0;
    std::int64_t photons = 0;
    const Histogram *histogram = nullptr;
    const Curve *reference = nullptr;
    const Column *momentumTransfer = nullptr;
    const Column *formFactor = nullptr;
    double angleSum = 0;       // degrees
    double angleSquareSum = 0; // degrees²
};

// The results as a table: the material, the energy, the photons, χ², ndf, p and the mean angle as
// comments, then per 1-degree bin: its edges, the count, count / largest count, the
// reference curve's entry and the expected count. Header only before the first batch.
common::CsvTable resultsCsv(const Results &r);

} // namespace rhunel
