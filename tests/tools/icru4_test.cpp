// SPDX-License-Identifier: MIT
// The shipped material table, judged by what Stelmo and Rhunel compute from it.
#include "common/materialfile.h"
#include "rhunel/physics.h"
#include "stelmo/physics.h"
#ifdef MCT_HAVE_XRL
#include "tools/icru4gen/tissue.h"
#endif

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

constexpr double ksBound = 0.003;

class ShippedTable : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // Both programs accept it: Stelmo its first blocks, Rhunel the whole file.
        common::MaterialTable table;
        const QString stelmoReport = common::readMaterialFile(
            QStringLiteral(MCT_SHIPPED_DATA), common::MaterialBlocks::Attenuation, table);
        ASSERT_TRUE(stelmoReport.isEmpty()) << stelmoReport.toStdString();
        const QString report = common::readMaterialFile(QStringLiteral(MCT_SHIPPED_DATA),
                                                        common::MaterialBlocks::All, table);
        ASSERT_TRUE(report.isEmpty()) << report.toStdString();
        shipped = table;
    }

    // What the programs compute from the table: Stelmo's μ, Rhunel's F and sampler.
    static double mu(double keV) { return stelmo::attenuationCoefficient(shipped, keV); }
    static double tableF(double x)
    {
        return rhunel::formFactorAt(shipped.MomentumTransfer, shipped.FormFactor, x);
    }
    static double samplerKs(double keV, const rhunel::FormFactorFunction &f,
                            const common::MaterialTable &table = shipped)
    {
        return rhunel::samplerKsDistance(table.MomentumTransfer, table.CumulativeWeight, keV, f);
    }

    static inline common::MaterialTable shipped;
};

TEST_F(ShippedTable, CoversTheEnergiesBothProgramsAccept)
{
    EXPECT_LE(shipped.AttenuationTable[1][common::EnergyColumn], 1.0);
    EXPECT_GE(shipped.AttenuationTable[shipped.RowCount][common::EnergyColumn], 1000.0);
    // Rhunel samples only where 12.4 x(1) < E < 12.4 x(45).
    const rhunel::EnergyRange usable = rhunel::usableEnergies(shipped.MomentumTransfer);
    EXPECT_LT(usable.lowKeV, 1.0);
    EXPECT_GT(usable.highKeV, 1000.0);
}

// Attenuation: mu of ICRU-44 four-component soft tissue (1.00 g/cm^3), the sum of the
// library's photoelectric, coherent and incoherent cross sections, computed once with
// xraylib 4.0.0 (tools/icru4gen, libraryTotalAttenuation) and kept here so that the
// check runs where the library is not installed.
struct MuCase {
    double keV;
    double mu; // 1/cm
};

class ShippedAttenuation : public ShippedTable, public ::testing::WithParamInterface<MuCase> {};

TEST_P(ShippedAttenuation, InterpolatesToTheLibraryTotalWithinOnePercent)
{
    const double m = mu(GetParam().keV);
    EXPECT_NEAR(m / GetParam().mu, 1.0, 0.01) << m;
}

INSTANTIATE_TEST_SUITE_P(Energies, ShippedAttenuation,
                         ::testing::Values(MuCase{5, 3.947736e+01}, MuCase{10, 4.938285e+00},
                                           MuCase{20, 7.617207e-01}, MuCase{30, 3.604505e-01},
                                           MuCase{50, 2.223228e-01}, MuCase{80, 1.812791e-01},
                                           MuCase{100, 1.687541e-01}, MuCase{150, 1.489631e-01},
                                           MuCase{300, 1.174781e-01}, MuCase{500, 9.593597e-02},
                                           MuCase{800, 7.789757e-02}),
                         [](const auto &info) {
                             return "keV" + std::to_string(int(info.param.keV));
                         });

// Above the library's tables (800 keV) nearly all attenuation is Compton scattering on
// practically free electrons: Klein-Nishina times the electron density, from textbook
// constants, bounds the table from below within a fraction of a per cent.
TEST_F(ShippedTable, FollowsKleinNishinaNearOneMeV)
{
    constexpr double electronRadius = 2.8179403262e-13; // cm
    constexpr double avogadro = 6.02214076e23;          // 1/mol
    constexpr double pi = 3.14159265358979323846;
    struct Part {
        double z, a, w;
    };
    constexpr Part parts[] = {
        {1, 1.008, 0.101172}, {6, 12.011, 0.111}, {7, 14.007, 0.026}, {8, 15.999, 0.761828}};
    double electronsPerCm3 = 0;
    for (const Part &p : parts)
        electronsPerCm3 += 1.00 * avogadro * p.w * p.z / p.a;
    for (double keV : {850.0, 900.0, 999.0}) {
        const double k = keV / 510.99895;
        const double kn =
            2 * pi * electronRadius * electronRadius *
            ((1 + k) / (k * k) * (2 * (1 + k) / (1 + 2 * k) - std::log(1 + 2 * k) / k) +
             std::log(1 + 2 * k) / (2 * k) - (1 + 3 * k) / ((1 + 2 * k) * (1 + 2 * k)));
        EXPECT_NEAR(mu(keV) / (kn * electronsPerCm3), 1.0, 0.005) << keV << " keV";
    }
}

// Rhunel: the angles its sampler draws from the grid (computed exactly from the table)
// against (1 + cos^2 theta) sin theta F^2 with F as its reference curve takes it.
class ShippedGrid : public ShippedTable, public ::testing::WithParamInterface<double> {};

TEST_P(ShippedGrid, SamplerFollowsTheReferenceCurve)
{
    EXPECT_LT(samplerKs(GetParam(), tableF), ksBound);
}

#ifdef MCT_HAVE_XRL
TEST_P(ShippedGrid, SamplerFollowsTheLibraryFormFactor)
{
    EXPECT_LT(samplerKs(GetParam(), icru4::formFactor), ksBound);
}

TEST_P(ShippedGrid, ReferenceCurveMatchesTheLibrary)
{
    const auto table =
        rhunel::referenceCurve(shipped.MomentumTransfer, shipped.FormFactor, GetParam());
    const auto library = rhunel::referenceCurve(GetParam(), icru4::formFactor);
    for (int i = 1; i <= 180; ++i)
        EXPECT_NEAR(table[i], library[i], 0.01) << i << " degrees";
}
#endif

INSTANTIATE_TEST_SUITE_P(Energies, ShippedGrid,
                         ::testing::Values(10, 12, 15, 17.5, 20, 25, 30, 40, 50, 60, 70, 80, 100,
                                           120, 135, 150),
                         [](const auto &info) {
                             return "keV" + std::to_string(int(info.param * 10)) + "tenths";
                         });

TEST_F(ShippedTable, SamplerStaysWithinBoundAtEveryHalfKeV)
{
    for (double keV = 10; keV <= 150; keV += 0.5)
        EXPECT_LT(samplerKs(keV, tableF), ksBound) << keV << " keV";
}

// The exact distance notices a grid whose weights ignore the form factor (W as x^2).
TEST_F(ShippedTable, DistanceSeesWeightsWithoutFormFactor)
{
    common::MaterialTable flat = shipped;
    const auto &x = flat.MomentumTransfer;
    for (int i = 1; i <= common::GridRows; ++i)
        flat.CumulativeWeight[i] = x[i] * x[i] - x[1] * x[1];
    EXPECT_GT(samplerKs(60, tableF, flat), 0.1);
}

// The form factor between grid points, as the reference curve interpolates it, against
// the tissue's F from xraylib 4.0.0 (tools/icru4gen, formFactor), kept here so that the
// check runs without the library.
TEST_F(ShippedTable, FormFactorBetweenGridPointsMatchesTheLibrary)
{
    struct Point {
        double x, f;
    };
    for (const Point p : {Point{0.03, 4.692789}, Point{0.15, 3.772745}, Point{0.5, 1.358806},
                          Point{1.0, 0.8113162}, Point{2.0, 0.3828654}, Point{3.3, 0.1283968}})
        EXPECT_NEAR(tableF(p.x) / p.f, 1.0, 0.03) << "x = " << p.x;
}

#ifdef MCT_HAVE_XRL
TEST_F(ShippedTable, AttenuationWithinOnePercentOfTheLibraryFromFiveKeVToOneMeV)
{
    for (double keV = 5; keV <= 999; keV *= 1.0005) {
        // Above its tables the library has no total; there the extension stands in.
        const double reference = keV <= icru4::libraryTopKeV ? icru4::libraryTotalAttenuation(keV)
                                                             : icru4::totalAttenuation(keV);
        EXPECT_NEAR(mu(keV) / reference, 1.0, 0.01) << keV << " keV";
    }
}

TEST(AttenuationExtension, JoinsTheLibraryAtItsLastEnergy)
{
    using icru4::Process;
    for (Process p : {Process::Photoelectric, Process::Coherent, Process::Incoherent}) {
        const double at = icru4::linearAttenuation(p, icru4::libraryTopKeV);
        const double above = icru4::linearAttenuation(p, icru4::libraryTopKeV * (1 + 1e-9));
        EXPECT_NEAR(above / at, 1.0, 1e-6) << int(p);
        EXPECT_LT(icru4::linearAttenuation(p, 1000), at) << int(p);
        EXPECT_GT(icru4::linearAttenuation(p, 1000), 0) << int(p);
    }
}
#endif

} // namespace
