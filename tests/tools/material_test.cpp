// SPDX-License-Identifier: MIT
// The shipped material files, judged by what Stelmo and Rhunel compute from them.
#include "common/core/materialfile.h"
#include "rhunel/physics.h"
#include "stelmo/physics.h"
#ifdef MCT_HAVE_XRL
#include "tools/materialgen/material.h"
#endif

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Sampled angles against the theory, 10-150 keV: tissue-like materials are held to the
// tissue's bound; the metals' form factors reach out to larger momentum transfers, which
// the same 45 grid points cover less finely.
constexpr double tissueKs = 0.003;
constexpr double metalKs = 0.005;

constexpr std::array<double, 4> muEnergiesKeV{10, 30, 100, 500};

struct MaterialCase {
    const char *file;
    double ksBound;
    // The library's total (coherent included) times the density at muEnergiesKeV, 1/cm,
    // computed once with xraylib 4.0.0 (materialgen prints them) and kept here so that
    // the check runs where the library is not installed.
    std::array<double, 4> libraryMu;
    // Where the library's photoelectric cross section jumps from 5 to 999 keV, keV, to
    // nine digits (two more than the file's energies).
    std::vector<double> edgesKeV;
};

const MaterialCase materialCases[] = {
    {"ICRU4.dat", tissueKs, {4.938285e+00, 3.604505e-01, 1.687541e-01, 9.593597e-02}, {}},
    {"water.dat", tissueKs, {5.329866e+00, 3.755949e-01, 1.707246e-01, 9.687234e-02}, {}},
    {"cortical_bone.dat",
     tissueKs,
     {5.041551e+01, 2.368201e+00, 3.440764e-01, 1.689759e-01},
     {9.65904441}},
    {"adipose.dat",
     tissueKs,
     {2.876674e+00, 2.785875e-01, 1.559313e-01, 8.962857e-02},
     {7.1120087, 9.65904441}},
    {"muscle.dat",
     tissueKs,
     {5.625933e+00, 3.946191e-01, 1.759371e-01, 9.971380e-02},
     {7.1120087, 9.65904441}},
    {"lung.dat",
     tissueKs,
     {5.741801e+00, 4.010831e-01, 1.777879e-01, 1.007237e-01},
     {7.1120087, 9.65904441}},
    {"pmma.dat", tissueKs, {3.994936e+00, 3.608246e-01, 1.952635e-01, 1.119815e-01}, {}},
    {"aluminium.dat", metalKs, {7.074558e+01, 3.045344e+00, 4.599390e-01, 2.279255e-01}, {}},
    {"copper.dat", metalKs, {1.935237e+03, 9.779268e+01, 4.107923e+00, 7.492994e-01}, {8.97896591}},
    {"lead.dat",
     metalKs,
     {1.482798e+03, 3.441447e+02, 6.297836e+01, 1.831396e+00},
     {13.0349566, 15.1999893, 15.8610231, 88.0006958}},
};

// gtest names a failing case by it.
void PrintTo(const MaterialCase &c, std::ostream *os) { *os << c.file; }

QString shippedPath(const char *file)
{
    return QStringLiteral(MCT_SHIPPED_DATA_DIR "/") + QString::fromLatin1(file);
}

// Each file read once, the way Rhunel reads it (all blocks); the reading itself is a test.
const common::MaterialTable &shippedTable(const char *file)
{
    static std::map<std::string, common::MaterialTable> tables;
    auto it = tables.find(file);
    if (it == tables.end()) {
        common::MaterialTable table;
        common::readMaterialFile(shippedPath(file), common::MaterialBlocks::All, table);
        it = tables.emplace(file, table).first;
    }
    return it->second;
}

class ShippedFile : public ::testing::TestWithParam<MaterialCase> {
protected:
    const common::MaterialTable &table() const { return shippedTable(GetParam().file); }

    // What the programs compute from the table: Stelmo's μ, Rhunel's F and sampler.
    double mu(double keV) const { return stelmo::attenuationCoefficient(table(), keV); }
    rhunel::FormFactorFunction tableF() const
    {
        const common::MaterialTable &t = table();
        return [&t](double x) { return rhunel::formFactorAt(t.MomentumTransfer, t.FormFactor, x); };
    }
    double samplerKs(double keV, const rhunel::FormFactorFunction &f) const
    {
        return rhunel::samplerKsDistance(table().MomentumTransfer, table().CumulativeWeight, keV,
                                         f);
    }
    int rowCount() const { return table().RowCount; }
    double rowKeV(int row) const { return table().AttenuationTable[row][common::EnergyColumn]; }

#ifdef MCT_HAVE_XRL
    const materialgen::Material &library() const
    {
        const materialgen::ShippedMaterial *m = materialgen::findShipped(GetParam().file);
        if (m == nullptr)
            throw std::runtime_error(std::string("the data tool writes no ") + GetParam().file);
        return m->material;
    }
#endif
};

TEST_P(ShippedFile, BothProgramsAcceptIt)
{
    // Stelmo reads the first blocks and checks the attenuation rows, Rhunel the whole
    // file and checks the grid.
    for (common::MaterialBlocks blocks :
         {common::MaterialBlocks::Attenuation, common::MaterialBlocks::All}) {
        common::MaterialTable t;
        const QString report = common::readMaterialFile(shippedPath(GetParam().file), blocks, t);
        EXPECT_TRUE(report.isEmpty()) << report.toStdString();
    }
}

TEST_P(ShippedFile, CoversTheEnergiesBothProgramsAccept)
{
    ASSERT_GE(rowCount(), 2);
    EXPECT_LE(rowKeV(1), 1.0);
    EXPECT_GE(rowKeV(rowCount()), 1000.0);
    // Rhunel samples only where 12.4 x(1) < E < 12.4 x(45).
    const rhunel::EnergyRange usable = rhunel::usableEnergies(table().MomentumTransfer);
    EXPECT_LE(usable.lowKeV, 1.0);
    EXPECT_GE(usable.highKeV, 1000.0);
}

TEST_P(ShippedFile, InterpolatesToTheLibraryTotalWithinOnePercent)
{
    for (std::size_t i = 0; i < muEnergiesKeV.size(); ++i)
        EXPECT_NEAR(mu(muEnergiesKeV[i]) / GetParam().libraryMu[i], 1.0, 0.01)
            << muEnergiesKeV[i] << " keV";
}

// An edge needs a row just below the jump and the next at it, or Stelmo interpolates
// across it and is wrong over the whole interval.
TEST_P(ShippedFile, EveryEdgeLiesBetweenTwoNeighbouringRows)
{
    for (double edge : GetParam().edgesKeV) {
        int below = 1;
        while (below < rowCount() && !(rowKeV(below + 1) >= edge))
            ++below;
        ASSERT_LT(below, rowCount()) << edge << " keV";
        EXPECT_LT(rowKeV(below), edge);
        EXPECT_LT(rowKeV(below + 1) / rowKeV(below) - 1, 1e-5) << edge << " keV";
        // Photoelectric absorption rises there, where elsewhere it only falls.
        const auto &rows = table().AttenuationTable;
        EXPECT_GT(rows[below + 1][1], rows[below][1]) << edge << " keV";
    }
}

// Rhunel: the angles its sampler draws from the grid (computed exactly from the table)
// against (1 + cos^2 theta) sin theta F^2 with F as its reference curve takes it.
TEST_P(ShippedFile, SamplerFollowsTheReferenceCurveAtEveryHalfKeV)
{
    const rhunel::FormFactorFunction f = tableF();
    for (double keV = 10; keV <= 150; keV += 0.5)
        EXPECT_LT(samplerKs(keV, f), GetParam().ksBound) << keV << " keV";
}

// The exact distance notices a grid whose weights ignore the form factor (W as x^2).
TEST_P(ShippedFile, DistanceSeesWeightsWithoutFormFactor)
{
    common::MaterialTable flat = table();
    const auto &x = flat.MomentumTransfer;
    for (int i = 1; i <= common::GridRows; ++i)
        flat.CumulativeWeight[i] = x[i] * x[i] - x[1] * x[1];
    EXPECT_GT(rhunel::samplerKsDistance(flat.MomentumTransfer, flat.CumulativeWeight, 60, tableF()),
              0.1);
}

#ifdef MCT_HAVE_XRL
TEST_P(ShippedFile, KeptTotalsAndEdgesAreTheLibrarys)
{
    for (std::size_t i = 0; i < muEnergiesKeV.size(); ++i)
        EXPECT_NEAR(library().libraryTotalAttenuation(muEnergiesKeV[i]) / GetParam().libraryMu[i],
                    1.0, 1e-6)
            << muEnergiesKeV[i] << " keV";
    const std::vector<materialgen::Edge> edges = library().edges(5, 999);
    ASSERT_EQ(edges.size(), GetParam().edgesKeV.size());
    for (std::size_t i = 0; i < edges.size(); ++i)
        EXPECT_NEAR(edges[i].jumpKeV / GetParam().edgesKeV[i], 1.0, 1e-8);
}

TEST_P(ShippedFile, AttenuationWithinOnePercentOfTheLibraryFromFiveKeVToOneMeV)
{
    for (double keV = 5; keV <= 999; keV *= 1.0005) {
        // Above its tables the library has no total; there the extension stands in.
        EXPECT_NEAR(mu(keV) / library().referenceAttenuation(keV), 1.0, 0.01) << keV << " keV";
    }
}

TEST_P(ShippedFile, EveryRowIsTheLibraryAtItsWrittenEnergy)
{
    using materialgen::Process;
    const auto &rows = table().AttenuationTable;
    for (int i = 1; i <= rowCount(); ++i) {
        int c = 1;
        for (Process p : {Process::Photoelectric, Process::Coherent, Process::Incoherent})
            EXPECT_NEAR(rows[i][c++] / library().linearAttenuation(p, rowKeV(i)), 1.0, 1e-6)
                << rowKeV(i) << " keV, column " << c - 1;
    }
}

TEST_P(ShippedFile, SamplerFollowsTheLibraryFormFactorAtEveryHalfKeV)
{
    const materialgen::Material &m = library();
    const rhunel::FormFactorFunction f = [&m](double x) { return m.formFactor(x); };
    for (double keV = 10; keV <= 150; keV += 0.5)
        EXPECT_LT(samplerKs(keV, f), GetParam().ksBound) << keV << " keV";
}

// F between the grid points, as the reference curve interpolates it: the curve drawn
// from the table within 1% of its peak of the curve drawn from the library's F.
TEST_P(ShippedFile, ReferenceCurveMatchesTheLibrary)
{
    const materialgen::Material &m = library();
    const rhunel::FormFactorFunction f = [&m](double x) { return m.formFactor(x); };
    for (double keV : {10.0, 12.0, 15.0, 17.5, 20.0, 25.0, 30.0, 40.0, 50.0, 60.0, 70.0, 80.0,
                       100.0, 120.0, 135.0, 150.0, 300.0, 1000.0}) {
        const auto fromTable =
            rhunel::referenceCurve(table().MomentumTransfer, table().FormFactor, keV);
        const auto fromLibrary = rhunel::referenceCurve(keV, f);
        for (int i = 1; i <= 180; ++i)
            EXPECT_NEAR(fromTable[i], fromLibrary[i], 0.01) << keV << " keV, " << i << " degrees";
    }
}

TEST_P(ShippedFile, AttenuationExtensionJoinsTheLibraryAtItsLastEnergy)
{
    using materialgen::Process;
    const double top = materialgen::libraryTopKeV;
    for (Process p : {Process::Photoelectric, Process::Coherent, Process::Incoherent}) {
        const double at = library().linearAttenuation(p, top);
        const double above = library().linearAttenuation(p, top * (1 + 1e-9));
        EXPECT_NEAR(above / at, 1.0, 1e-6) << int(p);
        EXPECT_LT(library().linearAttenuation(p, 1000), at) << int(p);
        EXPECT_GT(library().linearAttenuation(p, 1000), 0) << int(p);
    }
}
#endif

INSTANTIATE_TEST_SUITE_P(Materials, ShippedFile, ::testing::ValuesIn(materialCases),
                         [](const auto &info) {
                             std::string name = info.param.file;
                             return name.substr(0, name.find('.'));
                         });

// The tissue's own checks, from textbook physics and values kept from the library.
class TissueTable : public ::testing::Test {
protected:
    static const common::MaterialTable &table() { return shippedTable("ICRU4.dat"); }
};

// Above the library's tables (800 keV) nearly all attenuation is Compton scattering on
// practically free electrons: Klein-Nishina times the electron density, from textbook
// constants, bounds the table from below within a fraction of a per cent.
TEST_F(TissueTable, FollowsKleinNishinaNearOneMeV)
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
        EXPECT_NEAR(stelmo::attenuationCoefficient(table(), keV) / (kn * electronsPerCm3), 1.0,
                    0.005)
            << keV << " keV";
    }
}

// The form factor between grid points, as the reference curve interpolates it, against
// the tissue's F from xraylib 4.0.0 (materialgen, Material::formFactor), kept here so
// that the check runs without the library.
TEST_F(TissueTable, FormFactorBetweenGridPointsMatchesTheLibrary)
{
    struct Point {
        double x, f;
    };
    for (const Point p : {Point{0.03, 4.692789}, Point{0.15, 3.772745}, Point{0.5, 1.358806},
                          Point{1.0, 0.8113162}, Point{2.0, 0.3828654}, Point{3.3, 0.1283968}})
        EXPECT_NEAR(rhunel::formFactorAt(table().MomentumTransfer, table().FormFactor, p.x) / p.f,
                    1.0, 0.03)
            << "x = " << p.x;
}

} // namespace
