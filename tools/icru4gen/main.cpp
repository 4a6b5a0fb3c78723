// SPDX-License-Identifier: MIT
// Writes the material table ICRU4.dat of ICRU four-component soft tissue from the X-ray
// interaction library, and prints how well Stelmo's and Rhunel's use of it matches the
// library. Usage: icru4gen OUTPUT-FILE
#include "common/materialfile.h"
#include "rhunel/physics.h"
#include "stelmo/physics.h"
#include "tools/icru4gen/tissue.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

using icru4::Process;

// Attenuation row energies in keV: rounded values, denser where the photoelectric
// share turns over (1-30 keV) so that interpolating each column linearly in log-log
// keeps the sum within 1% of the library; the last row passes 1 MeV.
const std::vector<double> rowEnergiesKeV{
    1,  1.25, 1.5, 1.75, 2,  2.5, 3,  3.5, 4,   5,   6,   7,   8,   10,  12.5, 15,  17.5, 20,
    25, 30,   35,  40,   50, 60,  70, 80,  100, 125, 150, 200, 300, 400, 500,  600, 800,  1000};

constexpr int gridRows = common::GridRows;
constexpr double firstX = 0.004; // 1/angstrom: usable down to 0.05 keV
constexpr double lastX = 100.0;  // usable up to 1240 keV
// No two neighbouring grid points further apart than this ratio, so that the reference
// curve's interpolation in ln x stays close where the sampling weight is negligible.
constexpr double largestRatio = 1.6;
// Below this x the form factor is flat to a few per cent and the points may lie wider apart.
constexpr double flatBelowX = 0.05;
constexpr double largestFlatRatio = 2.5;
// How much the reference curve's interpolation counts beside the sampler's steps.
constexpr double curvatureWeight = 0.3;

// Energies (keV) over which the sampled angles must follow the theory.
constexpr double designLowKeV = 10;
constexpr double designHighKeV = 150;

// Places the grid so that every interval contributes about the same error to the
// sampled distribution. On an interval of width h the sampler replaces the density
// f(x) = acceptance * F^2 * x by its mean; the cumulative error that leaves is about
// |f'| h^2 / 8 over the total weight M. Equal errors need a point density in ln x
// proportional to x sqrt(max over energies of |f'|/M), with a floor set by largestRatio.
std::vector<double> designGrid()
{
    constexpr int fine = 4000;
    const double u0 = std::log(firstX);
    const double u1 = std::log(lastX);
    std::vector<double> x(fine + 1), f2(fine + 1), need(fine + 1, 0.0);
    for (int i = 0; i <= fine; ++i) {
        x[i] = std::exp(u0 + (u1 - u0) * i / fine);
        const double f = icru4::formFactor(x[i]);
        f2[i] = f * f;
    }
    for (double keV = designLowKeV; keV <= designHighKeV; keV += 1) {
        const double k = keV / rhunel::Hc;
        std::vector<double> density(fine + 1, 0.0);
        double total = 0;
        for (int i = 0; i <= fine && x[i] < k; ++i) {
            density[i] = rhunel::thomsonAcceptance(x[i], k) * f2[i] * x[i];
            if (i > 0)
                total += 0.5 * (density[i] + density[i - 1]) * (x[i] - x[i - 1]);
        }
        for (int i = 1; i < fine && x[i + 1] < k; ++i) {
            const double slope = (density[i + 1] - density[i - 1]) / (x[i + 1] - x[i - 1]);
            // The reference curve takes F linear in ln x: its error there weighs as the
            // curvature of ln F^2 against ln x, over an interval x * du wide.
            const double du = (u1 - u0) / fine;
            const double curvature =
                std::abs(std::log(f2[i + 1]) - 2 * std::log(f2[i]) + std::log(f2[i - 1])) /
                (du * du);
            need[i] = std::max(need[i],
                               (std::abs(slope) + curvatureWeight * curvature * density[i] / x[i]) /
                                   total);
        }
    }
    auto count = [&](double scale, std::vector<double> *cumulative) {
        double n = 0;
        if (cumulative)
            cumulative->assign(1, 0.0);
        for (int i = 1; i <= fine; ++i) {
            auto rho = [&](int j) {
                const double ratio = x[j] < flatBelowX ? largestFlatRatio : largestRatio;
                return std::max(1 / std::log(ratio), scale * x[j] * std::sqrt(need[j]));
            };
            n += 0.5 * (rho(i) + rho(i - 1)) * (u1 - u0) / fine;
            if (cumulative)
                cumulative->push_back(n);
        }
        return n;
    };
    double lo = 0, hi = 1e6;
    for (int it = 0; it < 200; ++it) {
        const double mid = 0.5 * (lo + hi);
        (count(mid, nullptr) < gridRows - 1 ? lo : hi) = mid;
    }
    std::vector<double> cumulative;
    count(lo, &cumulative);
    const double scale = (gridRows - 1) / cumulative.back();
    std::vector<double> grid{firstX};
    int i = 0;
    for (int node = 1; node < gridRows - 1; ++node) {
        const double target = node / scale;
        while (cumulative[i + 1] < target)
            ++i;
        const double t = (target - cumulative[i]) / (cumulative[i + 1] - cumulative[i]);
        const double u = u0 + (u1 - u0) * (i + t) / fine;
        // Rounded to 4 significant digits, so the file reads plainly.
        const double value = std::exp(u);
        const double unit = std::pow(10.0, std::floor(std::log10(value)) - 3);
        grid.push_back(std::round(value / unit) * unit);
    }
    grid.push_back(lastX);
    return grid;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: icru4gen OUTPUT-FILE\n");
        return 1;
    }

    struct AttenuationRow {
        double energyKeV = 0;
        std::array<double, 3> mu{};
    };
    std::vector<AttenuationRow> rows;
    for (double keV : rowEnergiesKeV)
        rows.push_back({keV,
                        {icru4::linearAttenuation(Process::Photoelectric, keV),
                         icru4::linearAttenuation(Process::Coherent, keV),
                         icru4::linearAttenuation(Process::Incoherent, keV)}});

    struct Grid {
        std::vector<double> x, w, f;
    } grid;
    grid.x = designGrid();
    double w = 0;
    for (std::size_t i = 0; i < grid.x.size(); ++i) {
        if (i > 0)
            w += icru4::formFactorWeight(grid.x[i - 1], grid.x[i]);
        grid.w.push_back(w);
        grid.f.push_back(icru4::formFactor(grid.x[i]));
    }

    FILE *out = std::fopen(argv[1], "wb");
    if (out == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    // Written with 7 significant digits; the tables are read back from this text, so
    // the checks below use the rounded numbers, as the programs will.
    auto number = [](double v) {
        char text[32];
        std::snprintf(text, sizeof text, "%.6E", v);
        double back = 0;
        std::sscanf(text, "%lf", &back);
        return back;
    };
    std::fprintf(out, "%d,%.6E\n", int(rows.size()), icru4::tissueDensity);
    for (auto &row : rows) {
        for (double &mu : row.mu)
            mu = number(mu);
        std::fprintf(out, "%.6E,%.6E,%.6E,%.6E\n", row.energyKeV / 1000, row.mu[0], row.mu[1],
                     row.mu[2]);
    }
    for (std::size_t i = 0; i < grid.x.size(); ++i) {
        grid.w[i] = number(grid.w[i]);
        grid.f[i] = number(grid.f[i]);
        std::fprintf(out, "%.6E,%.6E,%.6E\n", grid.x[i], grid.w[i], grid.f[i] * grid.f[i]);
    }
    for (std::size_t i = 0; i < grid.x.size(); ++i)
        std::fprintf(out, "%.6E,%.6E,%.6E\n", grid.x[i], grid.f[i], grid.w[i] / grid.w.back());
    if (std::fclose(out) != 0) {
        std::perror(argv[1]);
        return 1;
    }

    // The report judges the file as written, read back by the programs' own reader and
    // through their own lookups, sampler and reference curve.
    common::MaterialTable table;
    const QString readBack = common::readMaterialFile(QString::fromLocal8Bit(argv[1]),
                                                      common::MaterialBlocks::All, table);
    if (!readBack.isEmpty()) {
        std::fprintf(stderr, "%s\n", readBack.toLocal8Bit().constData());
        return 1;
    }

    // Report: attenuation sum against the library over a dense sweep.
    double worst = 0, worstKeV = 0;
    for (double keV = 5; keV <= 999; keV *= 1.001) {
        const double reference = keV <= icru4::libraryTopKeV ? icru4::libraryTotalAttenuation(keV)
                                                             : icru4::totalAttenuation(keV);
        const double deviation =
            std::abs(stelmo::attenuationCoefficient(table, keV) / reference - 1);
        if (deviation > worst) {
            worst = deviation;
            worstKeV = keV;
        }
    }
    std::printf("%zu attenuation rows; largest deviation of the interpolated sum from the "
                "library's total, 5-999 keV: %.3f%% at %.1f keV\n",
                rows.size(), 100 * worst, worstKeV);

    std::printf("grid x (1/angstrom):");
    for (double x : grid.x)
        std::printf(" %g", x);
    std::printf("\n");

    std::printf("keV  KS(sampled, library F)  KS(sampled, table F)  reference curve max diff\n");
    const rhunel::FormFactorFunction libraryF = [](double x) { return icru4::formFactor(x); };
    const rhunel::FormFactorFunction tableF = [&](double x) {
        return rhunel::formFactorAt(table.MomentumTransfer, table.FormFactor, x);
    };
    auto samplerKs = [&](double keV, const rhunel::FormFactorFunction &f) {
        return rhunel::samplerKsDistance(table.MomentumTransfer, table.CumulativeWeight, keV, f);
    };
    double worstKs = 0;
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
    double worstTableKs = 0;
    for (double keV = designLowKeV; keV <= designHighKeV; keV += 0.5) {
        worstKs = std::max(worstKs, samplerKs(keV, libraryF));
        worstTableKs = std::max(worstTableKs, samplerKs(keV, tableF));
    }
    std::printf("largest KS distance, %g-%g keV in steps of 0.5 keV: %.5f (library F), "
                "%.5f (table F)\n",
                designLowKeV, designHighKeV, worstKs, worstTableKs);
    return 0;
}
