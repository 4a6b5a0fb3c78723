// SPDX-License-Identifier: MIT
#include "common/core/randomgenerator.h"
#include "stelmo/physics.h"
#include "tests/stelmo/tissuetable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <vector>

namespace {

using stelmo::EnergyEntry;
using stelmotest::TissueRows;
using stelmotest::tissueTable;

// Every tabulated energy but the last (which needs a row above it) gives that row's sum.
TEST(Attenuation, TabulatedEnergyGivesTheRowSum)
{
    const common::MaterialTable table = tissueTable();
    for (int i = 0; i + 1 < stelmotest::TissueRowCount; ++i) {
        const auto &r = TissueRows[i];
        EXPECT_DOUBLE_EQ(stelmo::attenuationCoefficient(table, r.keV),
                         (r.first + r.second) + r.third)
            << r.keV << " keV";
    }
}

struct Interpolated {
    const char *name;
    double keV;
    double mu; // 1/cm
    // Named in test output, instead of a dump of the bytes.
    friend std::ostream &operator<<(std::ostream &os, const Interpolated &c)
    {
        return os << c.name;
    }
};

class AttenuationBetweenRows : public ::testing::TestWithParam<Interpolated> {};

// Reference values: each coefficient as a power law through its two rows,
// a1 (E/e1)^(ln(a2/a1)/ln(e2/e1)), summed by hand in a calculator.
TEST_P(AttenuationBetweenRows, FollowsPowerLawsThroughNeighbouringRows)
{
    const Interpolated &c = GetParam();
    EXPECT_NEAR(stelmo::attenuationCoefficient(tissueTable(), c.keV), c.mu, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Cases, AttenuationBetweenRows,
                         ::testing::Values(
                             // 30 and 40 keV rows, w = ln(35/30)/ln(40/30) = 0.535837
                             Interpolated{"Between30And40keV", 35.0, 0.30323447113787694},
                             // below row 1 the first two rows extrapolate, w = -1.709511
                             Interpolated{"BelowTheFirstRow", 5.0, 42.13368419138603},
                             // 500 and 1000 keV rows, w = ln(999/500)/ln 2 = 0.998557
                             Interpolated{"HighestRunnableEnergy", 999.0, 0.07076993907367528}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Attenuation, NoRowAboveOrTooFewRowsGivesNaN)
{
    common::MaterialTable table = tissueTable();
    EXPECT_TRUE(std::isnan(stelmo::attenuationCoefficient(table, 1500.0)));
    EXPECT_TRUE(std::isnan(stelmo::attenuationCoefficient(table, 2000.0)));
    EXPECT_TRUE(std::isnan(stelmo::attenuationCoefficient(table, 0.0)));
    EXPECT_TRUE(std::isnan(stelmo::attenuationCoefficient(table, -5.0)));
    table.RowCount = 1;
    EXPECT_TRUE(std::isnan(stelmo::attenuationCoefficient(table, 10.0)));
}

struct BinCase {
    const char *name;
    double pathCm;
    int bins;
    // Named in test output, instead of a dump of the bytes.
    friend std::ostream &operator<<(std::ostream &os, const BinCase &c) { return os << c.name; }
};

class DepthBins : public ::testing::TestWithParam<BinCase> {};

TEST_P(DepthBins, PathReachesBinsUpToItsDepth)
{
    EXPECT_EQ(stelmo::binsReached(GetParam().pathCm), GetParam().bins);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DepthBins,
    ::testing::Values(BinCase{"Zero", 0.0, 1}, BinCase{"HalfABin", 0.05, 1},
                      BinCase{"ExactlyOneBin", 0.1, 2}, BinCase{"JustUnderOneBin", 0.0999, 1},
                      BinCase{"TenCm", 10.0, 101}, BinCase{"LastBinStarts", 39.9, 400},
                      BinCase{"BeforeTheLastBin", 39.85, 399}, BinCase{"BeyondTheSlab", 45.0, 400},
                      BinCase{"LongestPossible", std::log(16384.1) / 0.0707, 400},
                      BinCase{"Infinite", std::numeric_limits<double>::infinity(), 400}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(FreePath, SamplesTheExponentialLaw)
{
    EXPECT_DOUBLE_EQ(stelmo::freePath(std::exp(-1.0), 0.2), 5.0);
    EXPECT_DOUBLE_EQ(stelmo::freePath(1.0 / 16384.1, 1.0), std::log(16384.1));
}

// The 14248th draw after seeding is exactly 0 (raw value 0): it is drawn again.
TEST(FreePath, ZeroDrawIsRepeated)
{
    common::RandomGenerator random{common::RandomGenerator::Divisor::Tenth};
    random.RandomInit();
    for (int n = 1; n < 14248; ++n)
        random.Next();
    common::RandomGenerator twin = random;
    EXPECT_EQ(twin.Next(), 0.0);
    const double following = twin.Next();
    const double r = stelmo::nonZeroDraw(random);
    EXPECT_GT(r, 0.0);
    EXPECT_EQ(r, following);
    EXPECT_EQ(random.RandomValues[1], r);
    EXPECT_EQ(random.ShortLagIndex, twin.ShortLagIndex);
}

TEST(SampledTransmittance, EachBinOverTheFirst)
{
    stelmo::DepthBins bins{};
    bins[1] = 400;
    bins[2] = 300;
    bins[3] = 100;
    bins[400] = 1;
    const stelmo::DepthTransmittance t = stelmo::sampledTransmittance(bins);
    EXPECT_EQ(t[1], 1.0);
    EXPECT_EQ(t[2], 0.75);
    EXPECT_EQ(t[3], 0.25);
    EXPECT_EQ(t[4], 0.0); // nobody got that far
    EXPECT_EQ(t[400], 1.0 / 400);
}

TEST(SampledTransmittance, NoPhotonsYetIsNaNEverywhere)
{
    const stelmo::DepthTransmittance t = stelmo::sampledTransmittance(stelmo::DepthBins{});
    for (int k = 1; k <= stelmo::BinCount; ++k)
        EXPECT_TRUE(std::isnan(t[static_cast<size_t>(k)])) << k;
}

// The band about exp(−μd): T ∓ 2√(T(1−T)/N) every 0.1 cm, not cut to 0..1.
TEST(LawBand, TwoBinomialSigmasAboutTheLaw)
{
    const double mu = 0.2;
    const std::vector<stelmo::BandPoint> band = stelmo::lawBand(mu, 400);
    ASSERT_EQ(band.size(), std::size_t(stelmo::BinCount));
    EXPECT_EQ(band.front().depthCm, 0.0);
    EXPECT_EQ(band.front().lower, 1.0); // σ = 0 at T = 1
    EXPECT_EQ(band.front().upper, 1.0);
    EXPECT_DOUBLE_EQ(band[100].depthCm, 10.0);
    const double t = std::exp(-2.0), sigma = std::sqrt(t * (1 - t) / 400);
    EXPECT_DOUBLE_EQ(band[100].lower, t - 2 * sigma);
    EXPECT_DOUBLE_EQ(band[100].upper, t + 2 * sigma);
    EXPECT_DOUBLE_EQ(band.back().depthCm, 39.9);
    EXPECT_LT(band.back().lower, 0.0); // deep down two σ reach below nothing
}

TEST(LawBand, NoneBeforeAnyPhoton) { EXPECT_TRUE(stelmo::lawBand(0.2, 0).empty()); }

// The fraction a screen reader hears: the bin nearest 1/μ, kept inside the slab.
struct MeanPathCase {
    const char *name;
    double mu;
    double depthCm;
};

class FractionAtMeanFreePath : public ::testing::TestWithParam<MeanPathCase> {};

TEST_P(FractionAtMeanFreePath, ReadsTheBinNearestOneOverMu)
{
    // 1000 photons, bin k holding those that reached (k - 1)/10 cm: 1000 - 2 (k - 1).
    stelmo::DepthBins bins{};
    for (int k = 1; k <= stelmo::BinCount; ++k)
        bins[static_cast<size_t>(k)] = 1000 - 2 * (k - 1);
    const stelmo::DepthFraction f = stelmo::fractionAtMeanFreePath(bins, GetParam().mu);
    EXPECT_DOUBLE_EQ(f.depthCm, GetParam().depthCm);
    EXPECT_DOUBLE_EQ(f.sampled, (1000 - 20 * GetParam().depthCm) / 1000);
    EXPECT_DOUBLE_EQ(f.law, std::exp(-GetParam().mu * GetParam().depthCm));
}

INSTANTIATE_TEST_SUITE_P(Depths, FractionAtMeanFreePath,
                         ::testing::Values(MeanPathCase{"OnABin", 0.2, 5.0},
                                           MeanPathCase{"RoundedToNearest", 0.169, 5.9},
                                           MeanPathCase{"ShallowerThanTheFirstBin", 60.0, 0.1},
                                           MeanPathCase{"BeyondTheSlab", 0.01, 39.9}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(FractionAtMeanFreePath, NoPhotonsYet)
{
    EXPECT_TRUE(std::isnan(stelmo::fractionAtMeanFreePath(stelmo::DepthBins{}, 0.2).sampled));
}

struct EnergyCase {
    const char *name;
    const char *typed;
    EnergyEntry::Verdict verdict;
    double keV = 0; // runs at this energy; refused: the number read from the text
    bool capped = false;
    // Named in test output, instead of a dump of the bytes.
    friend std::ostream &operator<<(std::ostream &os, const EnergyCase &c) { return os << c.name; }
};

class EnergyTexts : public ::testing::TestWithParam<EnergyCase> {};

TEST_P(EnergyTexts, ReadCappedOrRefused)
{
    const EnergyCase &c = GetParam();
    const EnergyEntry e = stelmo::readEnergyEntry(QString::fromUtf8(c.typed), tissueTable());
    EXPECT_EQ(e.verdict, c.verdict);
    switch (c.verdict) {
    case EnergyEntry::Verdict::Run:
        EXPECT_DOUBLE_EQ(e.energy, c.keV);
        EXPECT_EQ(e.capped, c.capped);
        EXPECT_TRUE(std::isfinite(e.mu) && e.mu > 0);
        break;
    case EnergyEntry::Verdict::Empty: break;
    case EnergyEntry::Verdict::NotPositive:
        // The warning quotes what the text read as.
        EXPECT_DOUBLE_EQ(e.typed, c.keV);
        break;
    case EnergyEntry::Verdict::NoCoefficient:
        // The warning quotes the energy, what came out as μ and the table's first energy.
        EXPECT_DOUBLE_EQ(e.energy, c.keV);
        EXPECT_FALSE(std::isfinite(e.mu) && e.mu > 0);
        EXPECT_EQ(e.lowestKeV, TissueRows[0].keV);
        break;
    }
}

using V = EnergyEntry::Verdict;
INSTANTIATE_TEST_SUITE_P(
    Cases, EnergyTexts,
    ::testing::Values(EnergyCase{"Default", "100", V::Run, 100}, EnergyCase{"Empty", "", V::Empty},
                      EnergyCase{"FullWidthDigits", "１００", V::Run, 100},
                      EnergyCase{"FullWidthPointAndMinus", "－３０．５", V::NotPositive, -30.5},
                      EnergyCase{"FullWidthDecimal", "３０．５", V::Run, 30.5},
                      EnergyCase{"UnitAfterDigits", "30keV", V::Run, 30},
                      EnergyCase{"BlankBetweenDigits", "2 5", V::Run, 25},
                      EnergyCase{"Exponent", "1.5E2", V::Run, 150},
                      EnergyCase{"CappedAbove", "1500", V::Run, 999, true},
                      EnergyCase{"CappedAtThousand", "1000", V::Run, 999, true},
                      EnergyCase{"JustBelowTheCap", "999.5", V::Run, 999.5},
                      EnergyCase{"Overflow", "1e400", V::Run, 999, true},
                      EnergyCase{"BlanksOnly", "   ", V::NotPositive},
                      EnergyCase{"NoNumber", "abc", V::NotPositive},
                      EnergyCase{"Zero", "0", V::NotPositive},
                      EnergyCase{"NegativeZero", "-0", V::NotPositive},
                      EnergyCase{"Negative", "-5", V::NotPositive, -5},
                      EnergyCase{"NegativeOverflow", "-1e400", V::NotPositive,
                                 -std::numeric_limits<double>::infinity()},
                      EnergyCase{"Underflow", "1e-400", V::NotPositive},
                      EnergyCase{"TinyEnergyOverflowsMu", "1e-300", V::NoCoefficient, 1e-300}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(EnergyTexts, NoRowAboveIsRefused)
{
    common::MaterialTable table = tissueTable();
    table.RowCount = 9; // rows up to 100 keV only: a file that breaks the 1000 keV rule
    const EnergyEntry e = stelmo::readEnergyEntry(QStringLiteral("500"), table);
    EXPECT_EQ(e.verdict, EnergyEntry::Verdict::NoCoefficient);
    EXPECT_EQ(e.energy, 500.0);
    EXPECT_TRUE(std::isnan(e.mu));
    EXPECT_EQ(e.lowestKeV, TissueRows[0].keV);
}

} // namespace
