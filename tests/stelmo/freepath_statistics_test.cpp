// SPDX-License-Identifier: MIT
// The free paths the program samples, judged as a physicist would judge any sampler
// of the exponential law: by the mean and by the fraction that gets deep.
#include "common/core/randomgenerator.h"
#include "stelmo/physics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

// Far more paths than a lesson samples, so that a biased sampler shows.
constexpr int Paths = 200000;

class FreePathStatistics : public ::testing::TestWithParam<double> {};

TEST_P(FreePathStatistics, FollowTheExponentialLaw)
{
    const double mu = GetParam(); // 1/cm
    common::RandomGenerator random{common::RandomGenerator::Divisor::Tenth};
    random.RandomInit();

    const double mfp = 1 / mu;
    const double depthsInMfp[] = {1, 2, 4};
    long long reached[3] = {};
    double sum = 0;
    for (int n = 0; n < Paths; ++n) {
        const double x = stelmo::freePath(stelmo::nonZeroDraw(random), mu);
        sum += x;
        for (int d = 0; d < 3; ++d)
            reached[d] += x >= depthsInMfp[d] * mfp;
    }

    // The exponential law has mean 1/μ and standard deviation 1/μ, so the mean of N
    // independent paths has standard error 1/(μ √N) (central limit theorem); 4 of them
    // leave a correct sampler a chance of about 6e-5 to fail.
    const double mean = sum / Paths;
    const double standardError = mfp / std::sqrt(double(Paths));
    EXPECT_NEAR(mean, mfp, 4 * standardError) << "mean path at μ = " << mu;

    // Each path reaches depth x with probability p = exp(-μx), independently, so the
    // count that does is binomial: the fraction has standard deviation √(p(1-p)/N).
    for (int d = 0; d < 3; ++d) {
        const double p = std::exp(-depthsInMfp[d]);
        const double fraction = double(reached[d]) / Paths;
        EXPECT_NEAR(fraction, p, 4 * std::sqrt(p * (1 - p) / Paths))
            << "fraction beyond " << depthsInMfp[d] << " mfp at μ = " << mu;
    }
}

// From fat-free tissue at 1 MeV (0.02 per cm) to 10 keV and below (5 per cm).
INSTANTIATE_TEST_SUITE_P(AttenuationCoefficients, FreePathStatistics,
                         ::testing::Values(0.02, 0.05, 0.1, 0.2, 0.5, 1.0, 2.0, 5.0),
                         [](const auto &info) {
                             return "mu" + std::to_string(int(info.param * 100)) + "hundredths";
                         });

} // namespace

#include <random>

namespace {

// Paths 1, 2, 3 and 4 cm: mean 2.5, s² = (30 − 10²/4)/3 = 5/3, SE = s/2; at μ = 0.5 the
// mean lies 0.5/SE from 1/μ = 2.
TEST(PathStatistics, WorkedByHand)
{
    const stelmo::PathStatistics s = stelmo::pathStatistics(4, 10, 30, 0.5);
    EXPECT_DOUBLE_EQ(s.mean, 2.5);
    EXPECT_NEAR(s.standardError, 0.6454972243679028, 1e-15);
    EXPECT_NEAR(s.errorsFromMfp, 0.7745966692414834, 1e-14);
    EXPECT_TRUE(std::isnan(stelmo::pathStatistics(1, 3, 9, 0.5).standardError));
    EXPECT_NEAR(stelmo::transmittanceSigma(0.25, 100), 0.04330127018922193, 1e-16);
    EXPECT_EQ(stelmo::transmittanceSigma(1.0, 400), 0.0);
}

// Four photons, all reaching 0.1 cm and two of them 0.3 cm: at μ = 1 the largest gap
// from exp(−μ d) is at d = 0.1 (1 − 0.905) or d = 0.4 (0 − 0.670).
TEST(PathStatistics, KsDistanceOfTheBinsWorkedByHand)
{
    stelmo::DepthBins bins{};
    bins[1] = bins[2] = 4;
    bins[3] = bins[4] = 2;
    const stelmo::KsDistance ks = stelmo::ksDistance(bins, 4, 1.0);
    EXPECT_NEAR(ks.distance, std::exp(-0.4), 1e-15);
    EXPECT_DOUBLE_EQ(ks.critical5, 1.36 / 2);
}

// Mean ± 2 SE of 400 independent paths (a standard generator) covers 1/μ in about 95 %
// of 2000 runs: the mean of 400 exponential paths is close to normal.
TEST(PathStatistics, TwoStandardErrorsCoverTheMeanFreePathInNinetyFivePercentOfRuns)
{
    std::mt19937_64 engine(4001);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    constexpr int Runs = 2000, Photons = 400;
    constexpr double Mu = 0.169;
    int covered = 0;
    for (int run = 0; run < Runs; ++run) {
        double sum = 0, squares = 0;
        for (int n = 0; n < Photons; ++n) {
            const double x = stelmo::freePath(1.0 - uniform(engine), Mu);
            sum += x;
            squares += x * x;
        }
        const stelmo::PathStatistics s = stelmo::pathStatistics(Photons, sum, squares, Mu);
        covered += std::abs(s.mean - 1 / Mu) <= 2 * s.standardError;
    }
    EXPECT_NEAR(100.0 * covered / Runs, 95.0, 1.5);
}

} // namespace
