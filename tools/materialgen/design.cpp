// SPDX-License-Identifier: MIT
#include "tools/materialgen/design.h"

#include "common/core/materialfile.h"
#include "rhunel/physics.h"
#include "stelmo/physics.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace materialgen {

double writtenValue(double v)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.6E", v);
    return std::strtod(text, nullptr);
}

double writtenKeV(double keV) { return 1000 * writtenValue(keV / 1000); }

namespace {

// Attenuation row energies of the tissue in keV: rounded values, denser where the
// photoelectric share turns over (1-30 keV) so that interpolating each column linearly
// in log-log keeps the sum within 1% of the library; the last row passes 1 MeV.
const std::vector<double> tissueRowsKeV{
    1,  1.25, 1.5, 1.75, 2,  2.5, 3,  3.5, 4,   5,   6,   7,   8,   10,  12.5, 15,  17.5, 20,
    25, 30,   35,  40,   50, 60,  70, 80,  100, 125, 150, 200, 300, 400, 500,  600, 800,  1000};

// What the other materials' rows are picked from: the tissue's kind of rounded values,
// denser, from 1 keV (the first row must lie at or below it) to 1 MeV (the last at or
// above it).
const std::vector<double> candidateRowsKeV{
    1,   1.1,  1.25, 1.5,  1.75, 2,   2.25, 2.5, 2.75, 3,   3.25, 3.5, 3.75, 4,   4.5, 5,
    5.5, 6,    6.5,  7,    7.5,  8,   9,    10,  11,   12,  12.5, 13,  14,   15,  16,  17.5,
    20,  22.5, 25,   27.5, 30,   35,  40,   45,  50,   55,  60,   70,  80,   90,  100, 110,
    125, 150,  175,  200,  250,  300, 350,  400, 450,  500, 600,  700, 800,  1000};

constexpr double firstKeV = 1;
constexpr double lastKeV = 1000;
// From here on the interpolated sum must follow the library within 1%. Below, the rows
// still follow every edge that moves the total by as much, and a deviation weighs a
// tenth of what it weighs above.
constexpr double accurateFromKeV = 5;
constexpr double smallEdge = 0.01;
constexpr double belowAccurateWeight = 0.1;

std::array<double, 3> writtenCoefficients(const Material &m, double keV)
{
    return {writtenValue(m.linearAttenuation(Process::Photoelectric, keV)),
            writtenValue(m.linearAttenuation(Process::Coherent, keV)),
            writtenValue(m.linearAttenuation(Process::Incoherent, keV))};
}

EdgeRows edgeRows(const Edge &edge)
{
    // Steps of the last written digit of the energy in MeV.
    const double mev = edge.jumpKeV / 1000;
    const double unit = std::pow(10.0, std::floor(std::log10(mev)) - 6);
    double steps = std::floor(mev / unit);
    while (writtenKeV(steps * unit * 1000) >= edge.jumpKeV)
        --steps;
    while (writtenKeV((steps + 1) * unit * 1000) < edge.jumpKeV)
        ++steps;
    return {edge, writtenKeV(steps * unit * 1000), writtenKeV((steps + 1) * unit * 1000)};
}

} // namespace

RowDesign designRows(const ShippedMaterial &shipped)
{
    const Material &m = shipped.material;
    RowDesign design;
    for (const Edge &edge : m.edges(firstKeV, lastKeV)) {
        if (edge.jumpKeV < accurateFromKeV && edge.rise < smallEdge)
            design.passedOver.push_back(edge);
        else
            design.edges.push_back(edgeRows(edge));
    }
    // Each pair must straddle the library's own jump, or the rows around it would
    // interpolate across it.
    for (const EdgeRows &e : design.edges) {
        const double step =
            m.libraryTotalAttenuation(e.aboveKeV) / m.libraryTotalAttenuation(e.belowKeV) - 1;
        if (!(step > 0.5 * e.edge.rise)) {
            std::fprintf(stderr,
                         "materialgen: %s: rows %.7g and %.7g keV miss the Z = %d %s edge\n",
                         shipped.fileName.c_str(), e.belowKeV, e.aboveKeV, e.edge.z, e.edge.name);
            std::exit(2);
        }
    }

    if (shipped.fileName == "ICRU4.dat") {
        if (!design.edges.empty()) {
            std::fprintf(stderr, "materialgen: the tissue's rows pass over an edge\n");
            std::exit(2);
        }
        for (double keV : tissueRowsKeV)
            design.energiesKeV.push_back(writtenKeV(keV));
        return design;
    }

    struct Row {
        double keV;
        bool fixed;
        std::array<double, 3> mu;
    };
    std::vector<Row> rows;
    for (double keV : candidateRowsKeV) {
        const double at = writtenKeV(keV);
        rows.push_back({at, at == firstKeV || at == libraryTopKeV || at == lastKeV, {}});
    }
    for (const EdgeRows &e : design.edges) {
        rows.push_back({e.belowKeV, true, {}});
        rows.push_back({e.aboveKeV, true, {}});
    }
    std::sort(rows.begin(), rows.end(), [](const Row &a, const Row &b) { return a.keV < b.keV; });
    for (Row &row : rows)
        row.mu = writtenCoefficients(m, row.keV);

    // The deviation is judged as the report and the tests judge it: every 0.1% of
    // energy, against the library (its extension above its tables).
    struct Point {
        double keV, reference, weight;
    };
    std::vector<Point> sweep;
    for (double keV = firstKeV; keV < lastKeV; keV *= 1.001)
        sweep.push_back(
            {keV, m.referenceAttenuation(keV), keV < accurateFromKeV ? belowAccurateWeight : 1.0});

    // The largest weighted deviation between two rows, as Stelmo interpolates them.
    auto intervalDeviation = [&](const Row &lower, const Row &upper) {
        common::MaterialTable table;
        table.RowCount = 2;
        for (int r = 1; r <= 2; ++r) {
            const Row &row = r == 1 ? lower : upper;
            table.AttenuationTable[r][common::EnergyColumn] = row.keV;
            for (int c = 1; c <= 3; ++c)
                table.AttenuationTable[r][c] = row.mu[c - 1];
        }
        double worst = 0;
        for (const Point &p : sweep)
            if (p.keV > lower.keV && p.keV < upper.keV)
                worst = std::max(
                    worst,
                    p.weight *
                        std::abs(stelmo::attenuationCoefficient(table, p.keV) / p.reference - 1));
        return worst;
    };
    while (static_cast<int>(rows.size()) > common::MaxAttenuationRows) {
        std::size_t best = 0;
        double bestCost = 0;
        for (std::size_t i = 1; i + 1 < rows.size(); ++i) {
            if (rows[i].fixed)
                continue;
            const double cost = intervalDeviation(rows[i - 1], rows[i + 1]);
            if (best == 0 || cost < bestCost) {
                best = i;
                bestCost = cost;
            }
        }
        if (best == 0) {
            std::fprintf(stderr, "materialgen: %s: more than %d rows are fixed\n",
                         shipped.fileName.c_str(), common::MaxAttenuationRows);
            std::exit(2);
        }
        rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(best));
    }
    for (const Row &row : rows)
        design.energiesKeV.push_back(row.keV);
    return design;
}

GridDesign gridDesignFor(const ShippedMaterial &shipped)
{
    GridDesign design;
    // At 150 keV Rhunel samples copper up to x = 12, where its K electrons still give F
    // a tail: points up to 1.6 apart there leave the sampled angles 0.0055 from the
    // theory (table F), at most 1.4 apart 0.0038.
    if (shipped.fileName == "copper.dat")
        design.largestRatio = 1.4;
    return design;
}

std::vector<double> designGrid(const Material &material, const GridDesign &design)
{
    constexpr int gridRows = common::GridRows;
    constexpr int fine = 4000;
    const double u0 = std::log(design.firstX);
    const double u1 = std::log(design.lastX);
    std::vector<double> x(fine + 1), f(fine + 1), f2(fine + 1), need(fine + 1, 0.0);
    for (int i = 0; i <= fine; ++i) {
        x[i] = std::exp(u0 + (u1 - u0) * i / fine);
        f[i] = material.formFactor(x[i]);
        f2[i] = f[i] * f[i];
    }
    for (double keV = design.lowKeV; keV <= design.highKeV; keV += 1) {
        const double k = rhunel::largestMomentumTransfer(keV);
        std::vector<double> density(fine + 1, 0.0);
        double total = 0;
        for (int i = 0; i <= fine && x[i] < k; ++i) {
            density[i] = rhunel::coherentDensityInTransfer(x[i], k, f[i]);
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
            need[i] = std::max(
                need[i],
                (std::abs(slope) + design.curvatureWeight * curvature * density[i] / x[i]) / total);
        }
    }
    auto count = [&](double scale, std::vector<double> *cumulative) {
        double n = 0;
        if (cumulative)
            cumulative->assign(1, 0.0);
        for (int i = 1; i <= fine; ++i) {
            auto rho = [&](int j) {
                const double ratio =
                    x[j] < design.flatBelowX ? design.largestFlatRatio : design.largestRatio;
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
    std::vector<double> grid{design.firstX};
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
    grid.push_back(design.lastX);
    return grid;
}

} // namespace materialgen
