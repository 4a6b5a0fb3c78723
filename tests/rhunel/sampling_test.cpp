// SPDX-License-Identifier: MIT
// The sampler against the distribution its table defines.
#include "rhunel/physics.h"
#include "tests/rhunel/synthetictable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr int Photons = 100'000;

// Expected probability of each one-degree bin, worked out from the table alone:
// the cumulative weights make the density of x piecewise constant, dW/dx on each
// grid interval; only x <= E/12.4 can occur (sin(theta/2) <= 1); each x is kept
// with probability (1 + cos^2 theta)/2, cos theta = 1 - 2 (x lambda)^2; and bin k
// holds theta from k-1 to k degrees, that is x from sin((k-1)/2 deg)/lambda to
// sin(k/2 deg)/lambda. The short pi of the binning moves the edges by 4e-5 degrees,
// far below what 1e5 photons can resolve, so true degrees are used here.
std::array<double, 181> expectedBins(const common::MaterialTable &t, double energy)
{
    const double lambda = 12.4 / energy;
    auto density = [&](double x) {
        for (int j = 2; j <= 45; ++j)
            if (x < t.MomentumTransfer[j])
                return (t.CumulativeWeight[j] - t.CumulativeWeight[j - 1]) /
                       (t.MomentumTransfer[j] - t.MomentumTransfer[j - 1]);
        return 0.0;
    };
    auto kept = [&](double x) {
        const double c = 1 - 2 * (x * lambda) * (x * lambda);
        return (1 + c * c) / 2;
    };
    std::array<double, 181> p{};
    double total = 0;
    for (int k = 1; k <= 180; ++k) {
        const double lo = std::sin((k - 1) * std::numbers::pi / 360) / lambda;
        const double hi = std::sin(k * std::numbers::pi / 360) / lambda;
        constexpr int Steps = 400; // midpoint rule; the density jumps only at grid rows
        double sum = 0;
        for (int n = 0; n < Steps; ++n) {
            const double x = lo + (hi - lo) * (n + 0.5) / Steps;
            if (x >= t.MomentumTransfer[1])
                sum += density(x) * kept(x);
        }
        p[k] = sum * (hi - lo) / Steps;
        total += p[k];
    }
    for (double &v : p)
        v /= total;
    return p;
}

class SamplingTest : public ::testing::TestWithParam<double> {};

TEST_P(SamplingTest, HistogramFollowsTheTable)
{
    const double energy = GetParam();
    const common::MaterialTable t = synthetic::table();
    common::RandomGenerator random{common::RandomGenerator::Divisor::Tenth};
    random.RandomInit();
    std::array<long, 181> histogram{};
    for (int n = 0; n < Photons; ++n) {
        const rhunel::ScatteredPhoton photon = rhunel::sampleScattering(
            random, t.MomentumTransfer, t.CumulativeWeight, t.CumulativeWeight[45], energy);
        ASSERT_GE(photon.bin, 1);
        ASSERT_LE(photon.bin, 180);
        ASSERT_GE(photon.sinTheta, 0);
        ++histogram[photon.bin];
    }
    const std::array<double, 181> p = expectedBins(t, energy);
    // Pearson chi-square over bins pooled until each expects at least 20 photons.
    double chi2 = 0, expectedRun = 0, observedRun = 0;
    int cells = 0;
    for (int k = 1; k <= 180; ++k) {
        expectedRun += p[k] * Photons;
        observedRun += histogram[k];
        if (expectedRun >= 20 || k == 180) {
            chi2 += (observedRun - expectedRun) * (observedRun - expectedRun) / expectedRun;
            ++cells;
            expectedRun = observedRun = 0;
        }
    }
    const int dof = cells - 1;
    // Tolerance: 5 standard deviations of the chi-square distribution above its mean
    // (about 1e-6 of passing by chance for ~180 degrees of freedom); a mistake of one
    // bin in the rule or of the rejection factor lands far outside.
    EXPECT_LT(chi2, dof + 5 * std::sqrt(2.0 * dof)) << "cells " << cells;
    EXPECT_GT(cells, 30);
}

INSTANTIATE_TEST_SUITE_P(Energies, SamplingTest, ::testing::Values(20.0, 60.0),
                         [](const auto &info) { return std::to_string(int(info.param)) + "keV"; });

} // namespace
