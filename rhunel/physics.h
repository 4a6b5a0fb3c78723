// SPDX-License-Identifier: MIT
// Coherent (Rayleigh) scattering of a photon at one atom-averaged centre of soft
// tissue: the angle is sampled from the tabulated distribution of the momentum
// transfer x = sin(theta/2)/lambda (weights proportional to the running integral of
// F(x)^2 over x^2) and the Thomson factor (1 + cos^2 theta)/2 applied by rejection,
// the same two-step method as the classic form-factor samplers of transport codes.
// No widgets here: these are the numerics the windows show, and what the data tool
// judges a table by.
#pragma once

#include "common/core/csv.h"
#include "common/core/materialfile.h"
#include "common/core/randomgenerator.h"

#include <QString>

#include <array>
#include <cmath>
#include <cstdint>
#include <functional>

namespace rhunel {

using Column = common::GridColumn;               // grid rows 1..45; element 0 idle
using Curve = std::array<double, 181>;           // degrees 1..180; element 0 idle
using Histogram = std::array<std::int64_t, 181>; // bins 1..180; element 0 idle

inline constexpr int PhotonsPerBatch = 500;
inline constexpr int GridRows = common::GridRows;
inline constexpr int AngleBins = 180;
// hc in keV x angstrom, to three figures as the program has always used it:
// lambda = Hc / E (the exact value is 12.398).
inline constexpr double Hc = 12.4;
// The program's own pi, to six decimals; it shifts the angle-bin edges by a few
// millionths of a degree.
inline constexpr double ModulePi = 3.141592;

// Row j (2..45) of the first grid entry above value: the search passes a row whose
// entry equals the value. Never beyond row 45, whatever the value.
int gridRow(const Column &column, double value);

// Momentum transfer (1/angstrom) for a cumulative weight u: linear in the weight,
// so x is uniform within each grid interval.
double momentumTransferAt(const Column &MomentumTransfer, const Column &CumulativeWeight, double u);

// The form factor at x as the reference curve takes it: linear in ln x between the
// grid rows around x, the first interval extended below the grid.
double formFactorAt(const Column &MomentumTransfer, const Column &FormFactor, double x);

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
// usable (see usableEnergies), or no attempt is ever accepted. draw() returns the
// next uniform number in [0, 1).
template <class Draw>
ScatteredPhoton sampleScatteringWith(Draw &&draw, const Column &MomentumTransfer,
                                     const Column &CumulativeWeight, double CumulativeTotal,
                                     double energyKeV, double pi = ModulePi);

// The same with the program's generator, each draw into RandomValues(1).
ScatteredPhoton sampleScattering(common::RandomGenerator &random, const Column &MomentumTransfer,
                                 const Column &CumulativeWeight, double CumulativeTotal,
                                 double energyKeV, double pi = ModulePi);

// The momentum transfer (1/angstrom) of a scattering angle theta (radians):
// x = sin(theta/2) / lambda, lambda = Hc / E the photon's wavelength in angstrom.
double momentumTransfer(double theta, double energyKeV);

// The largest momentum transfer at an energy, straight back: k = E / Hc.
double largestMomentumTransfer(double energyKeV);

using FormFactorFunction = std::function<double(double x)>;

// The table's form factor as formFactorAt interpolates it. The columns must outlive the
// function.
FormFactorFunction tableFormFactor(const Column &MomentumTransfer, const Column &FormFactor);

// The coherent-scattering distribution, up to a constant factor (every use normalises
// it). Per unit solid angle it is the Thomson factor times the form factor squared,
// (1 + cos^2 theta) F(x)^2. The solid angle 2 pi sin theta dtheta gives the density over
// theta the factor sin theta; with cos theta = 1 - 2 (x/k)^2 the same solid angle is
// 8 pi x dx / k^2, which gives the density over x the factor x.
// Over theta (radians, 0..pi), F taken at momentumTransfer(theta, energyKeV):
double coherentDensityInAngle(double theta, double energyKeV, const FormFactorFunction &formFactor);
// Over x (0..k, k = largestMomentumTransfer), given F at x:
double coherentDensityInTransfer(double x, double k, double formFactor);

// The coherent density over theta at 1..180 degrees, divided by its largest entry, for
// any form factor (the data tool compares the table's with the library's).
Curve referenceCurve(double energyKeV, const FormFactorFunction &formFactor, double pi = ModulePi);
// The program's curve: F from the table, as formFactorAt interpolates it.
Curve referenceCurve(const Column &MomentumTransfer, const Column &FormFactor, double energyKeV,
                     double pi = ModulePi);

// Kolmogorov-Smirnov distance, over the scattering angle, between what
// sampleScattering draws at this energy and the coherent-scattering distribution
// (1 + cos^2 theta) sin theta F(x(theta))^2 for the given F. The sampler's density in x
// is exact: W's slope on each grid interval (x uniform within it), cut at
// x = E / Hc (sin(theta/2) <= 1), times the acceptance (1 + cos^2 theta) / 2. The
// distance is the same over x as over theta, since theta rises with x. 1 when the
// energy is too low for any photon to be accepted.
double samplerKsDistance(const Column &MomentumTransfer, const Column &CumulativeWeight,
                         double energyKeV, const FormFactorFunction &formFactor);

// Energies for which the grid covers every angle and some angle can occur:
// strictly between Hc x(1) and Hc x(45).
struct EnergyRange {
    double lowKeV = 0;
    double highKeV = 0;
    bool contains(double energyKeV) const;
};
EnergyRange usableEnergies(const Column &MomentumTransfer);

// The verdict on a typed photon energy, before anything is run, with the range the
// window's warning quotes.
struct EnergyEntry {
    enum class Verdict { Run, Empty, OutOfRange };
    Verdict verdict = Verdict::Empty;
    double energy = 0.0; // keV, as read
    EnergyRange usable;  // the energies that run
};
EnergyEntry readEnergyEntry(const QString &text, const Column &MomentumTransfer);

template <class Draw>
ScatteredPhoton sampleScatteringWith(Draw &&draw, const Column &MomentumTransfer,
                                     const Column &CumulativeWeight, double CumulativeTotal,
                                     double energyKeV, double pi)
{
    ScatteredPhoton photon;
    for (;;) {
        // x from the cumulative weights: the distribution of F(x)^2 d(x^2).
        const double u = draw() * CumulativeTotal;
        ++photon.draws;
        const double x = momentumTransferAt(MomentumTransfer, CumulativeWeight, u);
        // sin(theta/2) = x lambda: larger momentum transfers cannot occur at this energy.
        const double s = (x * Hc) / energyKeV;
        if (s > 1)
            continue;
        double c = 1 - (2 * s) * s;
        // The Thomson factor (1 + cos^2 theta)/2 by rejection, with a fresh x.
        const double r = draw();
        ++photon.draws;
        if (2 * r > 1 + c * c)
            continue;
        c = c < 1.0 ? c : 1.0;
        photon.cosTheta = c;
        photon.sinTheta = std::sqrt(1 - c * c > 0 ? 1 - c * c : 0.0);
        photon.bin = angleBin(photon.cosTheta, photon.sinTheta, pi);
        return photon;
    }
}

} // namespace rhunel
