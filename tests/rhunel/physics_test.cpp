// SPDX-License-Identifier: MIT
#include "common/core/statmath.h"
#include "rhunel/physics.h"
#include "tests/rhunel/synthetictable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <ostream>

namespace {

using rhunel::angleBin;

double radians(double degrees) { return degrees * std::numbers::pi / 180; }

struct BinCase {
    const char *name;
    double cosTheta, sinTheta;
    int bin;
};
void PrintTo(const BinCase &c, std::ostream *os) { *os << c.name; }

class AngleBinTest : public ::testing::TestWithParam<BinCase> {};

TEST_P(AngleBinTest, FallsIntoItsDegree)
{
    const BinCase &c = GetParam();
    EXPECT_EQ(angleBin(c.cosTheta, c.sinTheta), c.bin);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, AngleBinTest,
    ::testing::Values(
        BinCase{"StraightOn", 1, 0, 1},
        BinCase{"UnderOneDegree", std::cos(radians(0.999)), std::sin(radians(0.999)), 1},
        BinCase{"JustOverOneDegree", std::cos(radians(1.001)), std::sin(radians(1.001)), 2},
        BinCase{"FortyFiveDegrees", std::cos(radians(45.5)), std::sin(radians(45.5)), 46},
        BinCase{"JustUnderNinety", std::cos(radians(89.999)), std::sin(radians(89.999)), 90},
        BinCase{"ExactlyNinety", 0, 1, 91},
        BinCase{"JustOverNinety", std::cos(radians(90.001)), std::sin(radians(90.001)), 91},
        BinCase{"JustUnder180", std::cos(radians(179.999)), std::sin(radians(179.999)), 180},
        // sin/cos is -0 here; its arctangent must not file the photon as forward.
        BinCase{"Exactly180", -1, 0, 180}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(GridSearch, AWeightEqualToUPassesItsRow)
{
    rhunel::Column weight{};
    for (int i = 1; i <= 45; ++i)
        weight[i] = i - 1.0; // 0, 1, 2, ...
    EXPECT_EQ(rhunel::gridRow(weight, 0.0), 2);
    EXPECT_EQ(rhunel::gridRow(weight, 4.0), 6); // weight[5] == 4 is passed
    EXPECT_EQ(rhunel::gridRow(weight, 3.999), 5);
    // Past the last row the search stops at row 45 instead of reading beyond it.
    EXPECT_EQ(rhunel::gridRow(weight, 1e9), 45);

    const common::MaterialTable t = synthetic::table();
    for (int j : {2, 17, 44}) {
        SCOPED_TRACE(j);
        const double x = rhunel::momentumTransferAt(t.MomentumTransfer, t.CumulativeWeight,
                                                    t.CumulativeWeight[j]);
        // u on a weight falls into the interval that starts at that row: x is its start.
        EXPECT_DOUBLE_EQ(x, t.MomentumTransfer[j]);
    }
    EXPECT_DOUBLE_EQ(rhunel::momentumTransferAt(t.MomentumTransfer, t.CumulativeWeight, 0.0),
                     t.MomentumTransfer[1]);
}

class ReferenceCurveTest : public ::testing::TestWithParam<double> {};

TEST_P(ReferenceCurveTest, PeaksAtOneAndEndsTinyButNotZero)
{
    const common::MaterialTable t = synthetic::table();
    const rhunel::Curve curve =
        rhunel::referenceCurve(t.MomentumTransfer, t.FormFactor, GetParam());
    const double largest = *std::max_element(curve.begin() + 1, curve.end());
    EXPECT_EQ(largest, 1.0);
    EXPECT_TRUE(
        std::all_of(curve.begin() + 1, curve.end(), [](double v) { return v >= 0 && v <= 1; }));
    // sin(180 degrees of the short pi) is about 6.5e-7.
    EXPECT_GT(curve[180], 0.0);
    EXPECT_LT(curve[180], 1e-5);
}

INSTANTIATE_TEST_SUITE_P(Energies, ReferenceCurveTest, ::testing::Values(1.0, 20.0, 60.0, 120.0));

// The coherent density over theta and the one over x describe one distribution: the
// share of photons scattered below an angle is the same by either, at any energy (a
// wrong factor from the change of variable, or a wrong x(theta), would split them).
TEST(CoherentDensity, SameShareOverTheAngleAndOverTheMomentumTransfer)
{
    const rhunel::FormFactorFunction F = [](double x) { return 1 / (1 + 4 * x * x); };
    for (const double keV : {5.0, 20.0, 120.0}) {
        const double k = rhunel::largestMomentumTransfer(keV);
        auto overAngle = [&](double a, double b) {
            return common::gaussLegendre<5>(
                [&](double t) { return rhunel::coherentDensityInAngle(t, keV, F); }, a, b, 400);
        };
        auto overTransfer = [&](double a, double b) {
            return common::gaussLegendre<5>(
                [&](double x) { return rhunel::coherentDensityInTransfer(x, k, F(x)); }, a, b, 400);
        };
        const double angleTotal = overAngle(0, std::numbers::pi);
        const double transferTotal = overTransfer(0, k);
        for (const double degrees : {10.0, 45.0, 90.0, 150.0}) {
            const double theta = radians(degrees);
            EXPECT_NEAR(overAngle(0, theta) / angleTotal,
                        overTransfer(0, rhunel::momentumTransfer(theta, keV)) / transferTotal, 1e-9)
                << keV << " keV, " << degrees << " degrees";
        }
    }
}

TEST(UsableEnergies, StrictlyInsideTheGrid)
{
    const common::MaterialTable t = synthetic::table();
    const rhunel::EnergyRange r = rhunel::usableEnergies(t.MomentumTransfer);
    EXPECT_DOUBLE_EQ(r.lowKeV, 12.4 * 0.02);
    EXPECT_DOUBLE_EQ(r.highKeV, 124.0);
}

struct EntryCase {
    const char *name;
    const char *typed;
    rhunel::EnergyEntry::Verdict verdict;
    double keV = 0; // as read
};
void PrintTo(const EntryCase &c, std::ostream *os) { *os << c.name; }

class EnergyEntryTest : public ::testing::TestWithParam<EntryCase> {};

// The verdict, the energy read and the usable range the warning quotes.
TEST_P(EnergyEntryTest, ReadAndJudgedAgainstTheGrid)
{
    const EntryCase &c = GetParam();
    const common::MaterialTable t = synthetic::table();
    const rhunel::EnergyEntry e =
        rhunel::readEnergyEntry(QString::fromUtf8(c.typed), t.MomentumTransfer);
    EXPECT_EQ(e.verdict, c.verdict);
    EXPECT_DOUBLE_EQ(e.energy, c.keV);
    EXPECT_DOUBLE_EQ(e.usable.lowKeV, 12.4 * 0.02);
    EXPECT_DOUBLE_EQ(e.usable.highKeV, 124.0);
}

using V = rhunel::EnergyEntry::Verdict;
INSTANTIATE_TEST_SUITE_P(Cases, EnergyEntryTest,
                         ::testing::Values(EntryCase{"Twenty", "20", V::Run, 20},
                                           EntryCase{"Empty", "", V::Empty},
                                           EntryCase{"WithUnit", "30keV", V::Run, 30},
                                           EntryCase{"JustBelowTheTop", "123.5", V::Run, 123.5},
                                           EntryCase{"AboveTheTop", "500", V::OutOfRange, 500},
                                           EntryCase{"BelowTheBottom", "0.2", V::OutOfRange, 0.2},
                                           EntryCase{"Zero", "0", V::OutOfRange},
                                           EntryCase{"Blanks", "   ", V::OutOfRange},
                                           EntryCase{"Negative", "-20", V::OutOfRange, -20},
                                           EntryCase{"TooLargeForADouble", "1e999", V::OutOfRange,
                                                     std::numeric_limits<double>::infinity()}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
