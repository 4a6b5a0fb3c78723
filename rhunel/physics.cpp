// SPDX-License-Identifier: MIT
#include "physics.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace rhunel {

int gridRow(const Column &column, double value)
{
    int j = 2;
    // Row 45 is the last: a value past the grid stays in its last interval instead of
    // reading beyond the table.
    while (j < GridRows && value >= column[j])
        ++j;
    return j;
}

double momentumTransferAt(const Column &MomentumTransfer, const Column &CumulativeWeight, double u)
{
    const int j = gridRow(CumulativeWeight, u);
    const double span = CumulativeWeight[j] - CumulativeWeight[j - 1];
    if (span <= 0)
        return MomentumTransfer[j];
    return MomentumTransfer[j - 1] +
           ((u - CumulativeWeight[j - 1]) * (MomentumTransfer[j] - MomentumTransfer[j - 1])) / span;
}

int angleBin(double cosTheta, double sinTheta, double pi)
{
    // Straight back: sin/cos is -0, whose arctangent would file the photon as
    // scattered forward.
    if (cosTheta < 0 && sinTheta == 0)
        return AngleBins;
    // Straight up: the quotient is infinite, its arctangent +pi/2.
    const double a = cosTheta == 0 ? std::numbers::pi / 2 : std::atan(sinTheta / cosTheta);
    const double degrees = a >= 0 ? (a * 180) / pi : ((a + pi) * 180) / pi;
    // The short pi shifts the edges by a few millionths of a degree; keep the ends.
    return std::clamp(static_cast<int>(degrees) + 1, 1, AngleBins);
}

ScatteredPhoton sampleScattering(common::RandomGenerator &random, const Column &MomentumTransfer,
                                 const Column &CumulativeWeight, double CumulativeTotal,
                                 double energyKeV, double pi)
{
    ScatteredPhoton photon;
    for (;;) {
        // x from the cumulative weights: the distribution of F(x)^2 d(x^2).
        random.RandomValues[1] = random.RandomNext(random.ShortLagIndex, random.LongLagIndex);
        ++photon.draws;
        const double u = random.RandomValues[1] * CumulativeTotal;
        const double x = momentumTransferAt(MomentumTransfer, CumulativeWeight, u);
        // sin(theta/2) = x lambda: larger momentum transfers cannot occur at this energy.
        const double s = (x * Hc) / energyKeV;
        if (s > 1)
            continue;
        double c = 1 - (2 * s) * s;
        // The Thomson factor (1 + cos^2 theta)/2 by rejection, with a fresh x.
        random.RandomValues[1] = random.RandomNext(random.ShortLagIndex, random.LongLagIndex);
        ++photon.draws;
        if (2 * random.RandomValues[1] > 1 + c * c)
            continue;
        c = std::min(c, 1.0);
        photon.cosTheta = c;
        photon.sinTheta = std::sqrt(std::max(0.0, 1 - c * c));
        photon.bin = angleBin(photon.cosTheta, photon.sinTheta, pi);
        return photon;
    }
}

Curve referenceCurve(const Column &MomentumTransfer, const Column &FormFactor, double energyKeV,
                     double pi)
{
    Curve curve{};
    double largest = 0;
    for (int i = 1; i <= AngleBins; ++i) {
        const double theta = (i / 180.0) * pi;
        const double s = std::sin(theta * 0.5);
        const double lambda = Hc / energyKeV;
        const double x = s / lambda;
        const int j = gridRow(MomentumTransfer, x);
        // The form factor falls roughly as a power of x: interpolate it against ln x.
        const double t = (std::log(x) - std::log(MomentumTransfer[j - 1])) /
                         (std::log(MomentumTransfer[j]) - std::log(MomentumTransfer[j - 1]));
        const double F = FormFactor[j - 1] + (FormFactor[j] - FormFactor[j - 1]) * t;
        const double w = (std::cos(theta) * std::cos(theta) + 1) * std::sin(theta);
        curve[i] = w * F * F;
        if (curve[i] >= largest)
            largest = curve[i];
    }
    if (largest > 0)
        for (int i = 1; i <= AngleBins; ++i)
            curve[i] /= largest;
    return curve;
}

bool EnergyRange::contains(double energyKeV) const
{
    return std::isfinite(energyKeV) && energyKeV > 0 && energyKeV > lowKeV && energyKeV < highKeV;
}

EnergyRange usableEnergies(const Column &MomentumTransfer)
{
    // At or below Hc x(1) every sampled x is rejected; at or above Hc x(45) the
    // angles near 180 degrees lie past the grid.
    return {Hc * MomentumTransfer[1], Hc * MomentumTransfer[GridRows]};
}

} // namespace rhunel
