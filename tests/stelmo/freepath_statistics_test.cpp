// SPDX-License-Identifier: MIT
// The free paths the program samples, judged as a physicist would judge any sampler
// of the exponential law: by the mean and by the fraction that gets deep.
#include "common/randomgenerator.h"
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
