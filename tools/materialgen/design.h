// SPDX-License-Identifier: MIT
#pragma once

#include "tools/materialgen/material.h"

#include <string>
#include <vector>

// How the data tool lays out a material's file: the energies of the attenuation rows
// and the momentum-transfer grid of the form-factor blocks.
namespace materialgen {

// A number as the file writes it, with 7 significant digits, and reads it back.
double writtenValue(double v);

// The energy as the file writes it (MeV, 7 significant digits) and the programs read
// it back (keV): the library is evaluated at this energy, so a row holds what the
// library gives where the row says it is.
double writtenKeV(double keV);

// A row on each side of an absorption edge, at the two neighbouring written energies
// around the library's jump: the lower still below it, the upper at or past it.
struct EdgeRows {
    Edge edge;
    double belowKeV = 0;
    double aboveKeV = 0;
};

struct RowDesign {
    std::vector<double> energiesKeV; // written energies, rising
    std::vector<EdgeRows> edges;     // the edges given a pair of rows
    std::vector<Edge> passedOver;    // edges below 5 keV too small to spend rows on
};

// The tissue keeps the rows it has always had. Every other material starts from a
// series of rounded energies plus a row pair at each edge, and drops, one at a time,
// the rounded row whose loss adds the least deviation from the library, until the
// file's limit of rows is met.
RowDesign designRows(const ShippedMaterial &shipped);

// The form-factor grid's layout; see designGrid.
struct GridDesign {
    double firstX = 0.004; // 1/angstrom: usable down to 0.05 keV
    double lastX = 100.0;  // usable up to 1240 keV
    // No two neighbouring grid points further apart than this ratio, so that the
    // reference curve's interpolation in ln x stays close where the sampling weight is
    // negligible.
    double largestRatio = 1.6;
    // Below this x the form factor is flat to a few per cent and the points may lie
    // wider apart.
    double flatBelowX = 0.05;
    double largestFlatRatio = 2.5;
    // How much the reference curve's interpolation counts beside the sampler's steps.
    double curvatureWeight = 0.3;
    // Energies (keV) over which the sampled angles must follow the theory.
    double lowKeV = 10;
    double highKeV = 150;
};

GridDesign gridDesignFor(const ShippedMaterial &shipped);

// Places the grid so that every interval contributes about the same error to the
// sampled distribution. On an interval of width h the sampler replaces the density
// f(x) = (1 + cos^2 theta) F^2 x (rhunel::coherentDensityInTransfer) by its mean; the
// cumulative error that leaves is about |f'| h^2 / 8 over the total weight M. Equal
// errors need a point density in ln x proportional to x sqrt(max over energies of
// |f'|/M), with a floor set by largestRatio.
std::vector<double> designGrid(const Material &material, const GridDesign &design);

} // namespace materialgen
