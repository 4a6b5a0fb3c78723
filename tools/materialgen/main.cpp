// SPDX-License-Identifier: MIT
// Writes the material tables that Stelmo and Rhunel read, from the X-ray interaction
// library, and prints how well the programs' use of each matches the library.
// Usage: materialgen OUTDIR [FILE-NAME...]; without names it writes every shipped file.
#include "common/core/materialfile.h"
#include "rhunel/physics.h"
#include "stelmo/physics.h"
#include "tools/materialgen/design.h"
#include "tools/materialgen/material.h"

#include <QDir>
#include <QString>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using materialgen::Process;
using materialgen::writtenValue;

// The energies the tests keep the library's total at, so they run without it.
constexpr double referenceEnergiesKeV[] = {10, 30, 100, 500};
// The energies over which the tests bound the sampled angles' distance from the theory.
constexpr double ksLowKeV = 10;
constexpr double ksHighKeV = 150;

int writeMaterial(const materialgen::ShippedMaterial &shipped, const QString &outDir)
{
    const materialgen::Material &m = shipped.material;
    std::printf("== %s: %s\n", shipped.fileName.c_str(), shipped.source.c_str());
    std::printf("density %g g/cm^3; mass fractions", m.density());
    for (const materialgen::Element &e : m.elements())
        std::printf(" %s %.6f", materialgen::elementSymbol(e.z).c_str(), e.massFraction);
    std::printf("\n");

    const materialgen::RowDesign rowDesign = materialgen::designRows(shipped);
    for (const materialgen::EdgeRows &e : rowDesign.edges)
        std::printf("edge %s %s: EdgeEnergy %.6g keV, photoelectric jump at %.9g keV (+%.2f%% "
                    "of the total); rows at %.7g and %.7g keV\n",
                    materialgen::elementSymbol(e.edge.z).c_str(), e.edge.name, e.edge.edgeKeV,
                    e.edge.jumpKeV, 100 * e.edge.rise, e.belowKeV, e.aboveKeV);
    for (const materialgen::Edge &e : rowDesign.passedOver)
        std::printf("edge %s %s at %.5g keV passed over: it moves the total by %.2f%%\n",
                    materialgen::elementSymbol(e.z).c_str(), e.name, e.jumpKeV, 100 * e.rise);

    struct AttenuationRow {
        double energyKeV = 0;
        std::array<double, 3> mu{};
    };
    std::vector<AttenuationRow> rows;
    for (double keV : rowDesign.energiesKeV)
        rows.push_back({keV,
                        {m.linearAttenuation(Process::Photoelectric, keV),
                         m.linearAttenuation(Process::Coherent, keV),
                         m.linearAttenuation(Process::Incoherent, keV)}});

    struct Grid {
        std::vector<double> x, w, f;
    } grid;
    grid.x = materialgen::designGrid(m, materialgen::gridDesignFor(shipped));
    double w = 0;
    for (std::size_t i = 0; i < grid.x.size(); ++i) {
        if (i > 0)
            w += m.formFactorWeight(grid.x[i - 1], grid.x[i]);
        grid.w.push_back(w);
        grid.f.push_back(m.formFactor(grid.x[i]));
    }

    const QString path = QDir(outDir).filePath(QString::fromStdString(shipped.fileName));
    const QByteArray localPath = QDir::toNativeSeparators(path).toLocal8Bit();
    FILE *out = std::fopen(localPath.constData(), "wb");
    if (out == nullptr) {
        std::perror(localPath.constData());
        return 1;
    }
    // Written with 7 significant digits; the tables are read back from this text, so
    // the checks below use the rounded numbers, as the programs will.
    std::fprintf(out, "%d,%.6E\n", int(rows.size()), m.density());
    for (auto &row : rows) {
        for (double &mu : row.mu)
            mu = writtenValue(mu);
        std::fprintf(out, "%.6E,%.6E,%.6E,%.6E\n", row.energyKeV / 1000, row.mu[0], row.mu[1],
                     row.mu[2]);
    }
    for (std::size_t i = 0; i < grid.x.size(); ++i) {
        grid.w[i] = writtenValue(grid.w[i]);
        grid.f[i] = writtenValue(grid.f[i]);
        std::fprintf(out, "%.6E,%.6E,%.6E\n", grid.x[i], grid.w[i], grid.f[i] * grid.f[i]);
    }
    for (std::size_t i = 0; i < grid.x.size(); ++i)
        std::fprintf(out, "%.6E,%.6E,%.6E\n", grid.x[i], grid.f[i], grid.w[i] / grid.w.back());
    if (std::fclose(out) != 0) {
        std::perror(localPath.constData());
        return 1;
    }

    // The report judges the file as written, read back by the programs' own reader (each
    // program's blocks, each with its own checks) and through their own lookups, sampler
    // and reference curve.
    common::MaterialTable table;
    for (common::MaterialBlocks blocks :
         {common::MaterialBlocks::Attenuation, common::MaterialBlocks::All}) {
        const QString readBack = common::readMaterialFile(path, blocks, table);
        if (!readBack.isEmpty()) {
            std::fprintf(stderr, "%s\n", readBack.toLocal8Bit().constData());
            return 1;
        }
    }

    std::printf("%zu attenuation rows (keV):", rows.size());
    for (const auto &row : rows)
        std::printf(" %.7g", row.energyKeV);
    std::printf("\n");
    // Attenuation sum against the library over a dense sweep.
    auto worstDeviation = [&](double fromKeV, double toKeV) {
        std::pair<double, double> worst{0, 0};
        for (double keV = fromKeV; keV <= toKeV; keV *= 1.001) {
            const double deviation = std::abs(
                stelmo::attenuationCoefficient(table, keV) / m.referenceAttenuation(keV) - 1);
            if (deviation > worst.first)
                worst = {deviation, keV};
        }
        return worst;
    };
    const auto accurate = worstDeviation(5, 999);
    std::printf("largest deviation of the interpolated sum from the library's total, 5-999 keV: "
                "%.3f%% at %.1f keV\n",
                100 * accurate.first, accurate.second);
    if (table.AttenuationTable[1][common::EnergyColumn] < 5) {
        const auto low = worstDeviation(table.AttenuationTable[1][common::EnergyColumn], 5);
        std::printf("(below 5 keV: %.2f%% at %.3f keV)\n", 100 * low.first, low.second);
    }
    std::printf("library total (1/cm):");
    for (double keV : referenceEnergiesKeV)
        std::printf(" %g keV %.6e;", keV, m.libraryTotalAttenuation(keV));
    std::printf("\n");

    std::printf("grid x (1/angstrom):");
    for (double x : grid.x)
        std::printf(" %g", x);
    std::printf("\n");

    std::printf("keV  KS(sampled, library F)  KS(sampled, table F)  reference curve max diff\n");
    const rhunel::FormFactorFunction libraryF = [&](double x) { return m.formFactor(x); };
    const rhunel::FormFactorFunction tableF =
        rhunel::tableFormFactor(table.MomentumTransfer, table.FormFactor);
    auto samplerKs = [&](double keV, const rhunel::FormFactorFunction &f) {
        return rhunel::samplerKsDistance(table.MomentumTransfer, table.CumulativeWeight, keV, f);
    };
    for (double keV : {1.0, 5.0, 10.0, 12.0, 15.0, 20.0, 25.0, 30.0, 40.0, 50.0, 60.0, 80.0, 100.0,
                       120.0, 150.0, 300.0, 600.0, 1000.0}) {
        const double ksLibrary = samplerKs(keV, libraryF);
        const double ksTable = samplerKs(keV, tableF);
        const auto a = rhunel::referenceCurve(keV, libraryF);
        const auto b = rhunel::referenceCurve(table.MomentumTransfer, table.FormFactor, keV);
        double curve = 0;
        for (int i = 1; i <= 180; ++i)
            curve = std::max(curve, std::abs(a[i] - b[i]));
        std::printf("%6.0f  %.5f  %.5f  %.5f\n", keV, ksLibrary, ksTable, curve);
    }
    double worstKs = 0, worstTableKs = 0;
    for (double keV = ksLowKeV; keV <= ksHighKeV; keV += 0.5) {
        worstKs = std::max(worstKs, samplerKs(keV, libraryF));
        worstTableKs = std::max(worstTableKs, samplerKs(keV, tableF));
    }
    std::printf("largest KS distance, %g-%g keV in steps of 0.5 keV: %.5f (library F), "
                "%.5f (table F)\n\n",
                ksLowKeV, ksHighKeV, worstKs, worstTableKs);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: materialgen OUTDIR [FILE-NAME...]\n");
        return 1;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    std::vector<const materialgen::ShippedMaterial *> chosen;
    for (int i = 2; i < argc; ++i) {
        const materialgen::ShippedMaterial *m = materialgen::findShipped(argv[i]);
        if (m == nullptr) {
            std::fprintf(stderr, "materialgen: no material file %s; there are:", argv[i]);
            for (const auto &shipped : materialgen::shippedMaterials())
                std::fprintf(stderr, " %s", shipped.fileName.c_str());
            std::fprintf(stderr, "\n");
            return 1;
        }
        chosen.push_back(m);
    }
    if (chosen.empty())
        for (const auto &shipped : materialgen::shippedMaterials())
            chosen.push_back(&shipped);
    for (const materialgen::ShippedMaterial *m : chosen)
        if (const int status = writeMaterial(*m, outDir); status != 0)
            return status;
    return 0;
}
