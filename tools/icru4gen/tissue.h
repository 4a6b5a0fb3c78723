// SPDX-License-Identifier: MIT
#pragma once

#include <array>

// ICRU four-component soft tissue from the X-ray interaction library (xraylib).
namespace icru4 {

struct Element {
    int z;
    double massFraction;
};

inline constexpr std::array<Element, 4> tissueElements{
    {{1, 0.101172}, {6, 0.111000}, {7, 0.026000}, {8, 0.761828}}};
inline constexpr double tissueDensity = 1.00; // g/cm^3

// The library's cross-section tables end here; above it each process is extended.
inline constexpr double libraryTopKeV = 800.0;

enum class Process { Photoelectric, Coherent, Incoherent };

// Linear attenuation coefficient of one process in 1/cm: the library's cross sections up
// to libraryTopKeV; above it photoelectric as the power law of the last 100 keV,
// incoherent as Klein-Nishina, coherent as the integral of the differential cross
// section (Thomson times the form factor squared), each scaled to meet the library's
// value at libraryTopKeV.
double linearAttenuation(Process process, double keV);

// Sum of the three processes.
double totalAttenuation(double keV);

// The library's own total (coherent included), 1/cm; only up to libraryTopKeV.
double libraryTotalAttenuation(double keV);

// Effective form factor of the tissue at momentum transfer x = sin(theta/2)/lambda
// (1/angstrom): F^2 = sum (w/A) F_Z^2 / sum (w/A), the per-atom mean of F^2.
double formFactor(double x);

// Integral of F^2 d(x^2) from a to b.
double formFactorWeight(double a, double b);

} // namespace icru4
