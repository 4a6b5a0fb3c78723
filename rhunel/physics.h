// SPDX-License-Identifier: MIT
// Coherent (Rayleigh) scattering of a photon at one atom-averaged centre of soft
// tissue: the angle is sampled from the tabulated distribution of the momentum
// transfer x = sin(theta/2)/lambda (weights proportional to the running integral of
// F(x)^2 over x^2) and the Thomson factor (1 + cos^2 theta)/2 applied by rejection,
// the same two-step method as the classic form-factor samplers of transport codes.
// No widgets here: these are the numerics the windows show.
#pragma once

#include "randomgenerator.h"

#include <array>
#include <cstdint>

namespace rhunel {

using Column = std::array<double, 46>;           // grid rows 1..45; element 0 idle
using Curve = std::array<double, 181>;           // degrees 1..180; element 0 idle
using Histogram = std::array<std::int64_t, 181>; // bins 1..180; element 0 idle

inline constexpr int GridRows = 45;
inline constexpr int AngleBins = 180;
inline constexpr double Hc = 12.4;           // keV x angstrom: lambda = Hc / E
inline constexpr double ModulePi = 3.141592; // the program's six-decimal pi

// Row j (2..45) of the first grid entry above value: the search passes a row whose
// entry equals the value. Never beyond row 45, whatever the value.
int gridRow(const Column &column, double value);

// Momentum transfer (1/angstrom) for a cumulative weight u: linear in the weight,
// so x is uniform within each grid interval.
double momentumTransferAt(const Column &MomentumTransfer, const Column &CumulativeWeight, double u);

// The histogram bin (1..180) of a scattering angle given by its cosine and sine
// (sine never negative), by the arctangent of sin/cos and the program's pi.
// cos = 0 counts as +90 degrees (bin 91); cos = -1 as 180 degrees (bin 180).
int angleBin(double cosTheta, double sinTheta, double pi = ModulePi);

struct ScatteredPhoton {
    double cosTheta = 1;
    double sinTheta = 0;
    int bin = 1;
    int draws = 0; // random numbers spent, rejected attempts included
};

// One accepted photon: repeats until both rejections pass. The energy must be
// usable (see usableEnergies), or no attempt is ever accepted.
ScatteredPhoton sampleScattering(common::RandomGenerator &random, const Column &MomentumTransfer,
                                 const Column &CumulativeWeight, double CumulativeTotal,
                                 double energyKeV, double pi = ModulePi);

// (1 + cos^2 theta) F(x)^2 sin theta at 1..180 degrees, F interpolated linearly in
// ln x, divided by its largest entry.
Curve referenceCurve(const Column &MomentumTransfer, const Column &FormFactor, double energyKeV,
                     double pi = ModulePi);

// Energies for which the grid covers every angle and some angle can occur:
// strictly between Hc x(1) and Hc x(45).
struct EnergyRange {
    double lowKeV = 0;
    double highKeV = 0;
    bool contains(double energyKeV) const;
};
EnergyRange usableEnergies(const Column &MomentumTransfer);

} // namespace rhunel
