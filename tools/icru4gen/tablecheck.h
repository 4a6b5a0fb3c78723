// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <functional>
#include <vector>

// What Stelmo and Rhunel compute from the material table, in closed form, so that a
// table can be judged without random numbers: the generator designs the file with it
// and the tests check the shipped file with it.
namespace icru4 {

// One attenuation row: energy in keV and the three partial coefficients in 1/cm.
struct AttenuationRow {
    double energyKeV = 0;
    std::array<double, 3> mu{};
};

// Stelmo's lookup: the sum of the three columns, each interpolated linearly in
// ln(coefficient) against ln(energy) between the rows around the energy.
double interpolatedAttenuation(const std::vector<AttenuationRow> &rows, double keV);

// Rhunel's grid: momentum transfer x (1/angstrom), cumulative weight W, form factor F,
// all of the same length.
struct Grid {
    std::vector<double> x;
    std::vector<double> w;
    std::vector<double> f;
};

// Rhunel's reference-curve form factor: F linear in ln x between grid rows, the first
// two rows extended below the grid.
double tableFormFactor(const Grid &grid, double x);

using FormFactorFunction = std::function<double(double x)>;

// Kolmogorov-Smirnov distance, over the scattering angle, between what Rhunel's sampler
// draws at this energy and the coherent-scattering distribution
// (1 + cos^2 theta) sin theta F(x(theta))^2 for the given F. The sampler's density in x
// is exact: W's slope on each grid interval (x uniform within it), cut at
// x = E / 12.4 (sin(theta/2) <= 1), times the acceptance (1 + cos^2 theta) / 2. The
// distance is the same over x as over theta, since theta rises with x.
double samplerKsDistance(const Grid &grid, double keV, const FormFactorFunction &formFactor);

// Rhunel's reference curve at 1..180 degrees, normalised to a largest entry of 1.
std::array<double, 181> referenceCurve(double keV, const FormFactorFunction &formFactor);

// The momentum transfer at which the sampler's photon energy keV reaches sin(theta/2) = 1.
inline double largestMomentumTransfer(double keV) { return keV / 12.4; }

} // namespace icru4
