// SPDX-License-Identifier: MIT
// The agreement statistics of the angular distribution, judged on known cases and on
// many independent runs of the sampler.
#include "common/core/materialfile.h"
#include "common/core/statmath.h"
#include "rhunel/statistics.h"
#include "tests/rhunel/synthetictable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>
#include <random>
#include <vector>

namespace {

struct PCase {
    double chi2;
    int ndf;
    double p;
};

// Table values of the χ² distribution (any statistics table: the 5 % and 1 % points),
// and ndf = 2, where p = exp(−χ²/2) exactly.
TEST(ChiSquarePValue, MatchesTheTables)
{
    for (const PCase c :
         {PCase{3.841459, 1, 0.05}, PCase{6.634897, 1, 0.01}, PCase{18.307038, 10, 0.05},
          PCase{124.342113, 100, 0.05}, PCase{7.3, 2, 0.025991128778755347}, PCase{0.0, 5, 1.0}})
        EXPECT_NEAR(common::chiSquarePValue(c.chi2, c.ndf), c.p, 1e-6) << c.chi2 << " " << c.ndf;
}

// Expected counts 2, 3, 6, 4, 1 (sum 16) make groups {2, 3} = 5, {6}, {4, 1} (the
// short last group joins the one before): 3 groups, ndf 2.
TEST(ChiSquare, GroupsFromBinOneUpwardsWorkedByHand)
{
    rhunel::Expected e{};
    rhunel::Histogram h{};
    const double expected[] = {2, 3, 6, 4, 1};
    const std::int64_t observed[] = {1, 5, 6, 2, 2};
    for (int i = 0; i < 5; ++i) {
        e[i + 1] = expected[i];
        h[i + 1] = observed[i];
    }
    const rhunel::ChiSquare c = rhunel::chiSquare(h, e);
    // (6 − 5)²/5 + (6 − 6)²/6 + (4 − 5)²/5
    EXPECT_NEAR(c.chi2, 0.4, 1e-12);
    EXPECT_EQ(c.ndf, 2);
    EXPECT_NEAR(c.pValue, std::exp(-0.2), 1e-12);
}

class AtEnergy : public ::testing::TestWithParam<double> {};

// N times a normalised distribution: the expected counts add up to N.
TEST_P(AtEnergy, ExpectedCountsSumToThePhotons)
{
    const common::MaterialTable t = synthetic::table();
    const rhunel::Expected e =
        rhunel::expectedCounts(t.MomentumTransfer, t.FormFactor, GetParam(), 1000);
    EXPECT_NEAR(std::accumulate(e.begin() + 1, e.end(), 0.0), 1000.0, 1e-9);
    EXPECT_TRUE(std::all_of(e.begin() + 1, e.end(), [](double v) { return v >= 0; }));
}

// The integral per bin against a fine midpoint sum of the same distribution: within
// 0.1 % wherever a bin expects a count worth speaking of.
TEST_P(AtEnergy, BinIntegralsAccurateToATenthOfAPercent)
{
    const common::MaterialTable t = synthetic::table();
    const double keV = GetParam();
    const rhunel::Expected e = rhunel::expectedCounts(t.MomentumTransfer, t.FormFactor, keV, 1);
    std::vector<double> fine(181, 0.0);
    double total = 0;
    constexpr int Steps = 2000;
    for (int i = 1; i <= 180; ++i) {
        for (int k = 0; k < Steps; ++k) {
            const double theta = ((i - 1) + (k + 0.5) / Steps) * std::numbers::pi / 180;
            const double f = rhunel::formFactorAt(t.MomentumTransfer, t.FormFactor,
                                                  std::sin(theta / 2) * keV / rhunel::Hc);
            fine[i] += (1 + std::cos(theta) * std::cos(theta)) * f * f * std::sin(theta);
        }
        total += fine[i];
    }
    for (int i = 1; i <= 180; ++i) {
        if (fine[i] / total > 1e-4) {
            EXPECT_NEAR(e[i] / (fine[i] / total), 1.0, 1e-3) << "bin " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Energies, AtEnergy, ::testing::Values(5.0, 20.0, 60.0));

// A run of N photons sampled by the program's algorithm from a standard generator.
rhunel::Histogram sampledRun(std::mt19937_64 &engine, const common::MaterialTable &t, double keV,
                             int photons, double *angleSum = nullptr,
                             double *angleSquares = nullptr)
{
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    rhunel::Histogram h{};
    for (int n = 0; n < photons; ++n) {
        const rhunel::ScatteredPhoton p =
            rhunel::sampleScatteringWith([&] { return uniform(engine); }, t.MomentumTransfer,
                                         t.CumulativeWeight, t.CumulativeWeight[45], keV);
        ++h[p.bin];
        const double degrees = std::atan2(p.sinTheta, p.cosTheta) * 180 / std::numbers::pi;
        if (angleSum)
            *angleSum += degrees;
        if (angleSquares)
            *angleSquares += degrees * degrees;
    }
    return h;
}

// The shipped tissue table: its grid is designed so that the sampler follows the
// distribution to a KS distance of 0.003 (the stand-in's coarse grid does not).
common::MaterialTable shippedTable()
{
    common::MaterialTable t;
    const QString report =
        common::readMaterialFile(QStringLiteral(MCT_SHIPPED_DATA), common::MaterialBlocks::All, t);
    EXPECT_TRUE(report.isEmpty()) << report.toStdString();
    return t;
}

// For correct samples the p-value is uniform on (0, 1): over 200 independent runs the
// Kolmogorov–Smirnov distance of the p-values from the uniform law stays below its
// 1 % critical value, 1.628/√200.
TEST(ChiSquare, PValuesOfCorrectSamplesAreUniform)
{
    const common::MaterialTable t = shippedTable();
    std::mt19937_64 engine(777);
    constexpr double KeV = 20;
    const rhunel::Expected e = rhunel::expectedCounts(t.MomentumTransfer, t.FormFactor, KeV, 500);
    std::vector<double> p;
    for (int run = 0; run < 200; ++run)
        p.push_back(rhunel::chiSquare(sampledRun(engine, t, KeV, 500), e).pValue);
    std::sort(p.begin(), p.end());
    double d = 0;
    for (std::size_t i = 0; i < p.size(); ++i)
        d = std::max(
            {d, std::abs(p[i] - double(i) / p.size()), std::abs(p[i] - double(i + 1) / p.size())});
    EXPECT_LT(d, 1.628 / std::sqrt(200.0))
        << "median p " << p[100] << ", lowest " << p[0] << ", tenth " << p[20];
}

// Samples drawn as if there were no form factor (F = 1: weights as x²) are told apart.
TEST(ChiSquare, RejectsADistributionWithoutTheFormFactor)
{
    const common::MaterialTable t = synthetic::table();
    common::MaterialTable flat = t;
    const auto &x = flat.MomentumTransfer;
    for (int i = 1; i <= 45; ++i)
        flat.CumulativeWeight[i] = x[i] * x[i] - x[1] * x[1];
    std::mt19937_64 engine(31);
    constexpr double KeV = 20;
    const rhunel::ChiSquare c =
        rhunel::chiSquare(sampledRun(engine, flat, KeV, 500),
                          rhunel::expectedCounts(t.MomentumTransfer, t.FormFactor, KeV, 500));
    EXPECT_LT(c.pValue, 1e-6) << "chi2 " << c.chi2 << ", ndf " << c.ndf;
}

// The mean angle of many sampled photons lies within 4 standard errors of the theory.
TEST(MeanAngle, SampledMeanMeetsTheTheory)
{
    const common::MaterialTable t = synthetic::table();
    std::mt19937_64 engine(99);
    double sum = 0, squares = 0;
    constexpr int Photons = 20000;
    sampledRun(engine, t, 20, Photons, &sum, &squares);
    const rhunel::MeanAngle m =
        rhunel::meanAngle(Photons, sum, squares, t.MomentumTransfer, t.FormFactor, 20);
    EXPECT_GT(m.theory, 0);
    EXPECT_LT(m.theory, 90);
    EXPECT_NEAR(m.mean, m.theory, 4 * m.standardError);
}

} // namespace
