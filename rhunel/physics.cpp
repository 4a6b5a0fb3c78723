// SPDX-License-Identifier: MIT
#include "rhunel/physics.h"

#include "common/core/numbertext.h"
#include "common/core/statmath.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

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

double formFactorAt(const Column &MomentumTransfer, const Column &FormFactor, double x)
{
    const int j = gridRow(MomentumTransfer, x);
    // The form factor falls roughly as a power of x: interpolate it against ln x.
    const double t = (std::log(x) - std::log(MomentumTransfer[j - 1])) /
                     (std::log(MomentumTransfer[j]) - std::log(MomentumTransfer[j - 1]));
    return FormFactor[j - 1] + (FormFactor[j] - FormFactor[j - 1]) * t;
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
    return sampleScatteringWith(
        [&random] {
            random.RandomValues[1] = random.RandomNext(random.ShortLagIndex, random.LongLagIndex);
            return random.RandomValues[1];
        },
        MomentumTransfer, CumulativeWeight, CumulativeTotal, energyKeV, pi);
}

double momentumTransfer(double theta, double energyKeV)
{
    const double lambda = Hc / energyKeV;
    return std::sin(theta * 0.5) / lambda;
}

double largestMomentumTransfer(double energyKeV) { return energyKeV / Hc; }

FormFactorFunction tableFormFactor(const Column &MomentumTransfer, const Column &FormFactor)
{
    return [&MomentumTransfer, &FormFactor](double x) {
        return formFactorAt(MomentumTransfer, FormFactor, x);
    };
}

namespace {
// Per unit solid angle: the Thomson factor 1 + cos^2 theta times F^2.
double coherentPerSolidAngle(double cosTheta, double formFactor)
{
    return (1 + cosTheta * cosTheta) * formFactor * formFactor;
}
} // namespace

double coherentDensityInAngle(double theta, double energyKeV, const FormFactorFunction &formFactor)
{
    return coherentPerSolidAngle(std::cos(theta), formFactor(momentumTransfer(theta, energyKeV))) *
           std::sin(theta);
}

double coherentDensityInTransfer(double x, double k, double formFactor)
{
    const double u = x / k; // sin(theta/2)
    return coherentPerSolidAngle(1 - 2 * u * u, formFactor) * x;
}

Curve referenceCurve(double energyKeV, const FormFactorFunction &formFactor, double pi)
{
    Curve curve{};
    double largest = 0;
    for (int i = 1; i <= AngleBins; ++i) {
        curve[i] = coherentDensityInAngle((i / 180.0) * pi, energyKeV, formFactor);
        if (curve[i] >= largest)
            largest = curve[i];
    }
    if (largest > 0)
        for (int i = 1; i <= AngleBins; ++i)
            curve[i] /= largest;
    return curve;
}

Curve referenceCurve(const Column &MomentumTransfer, const Column &FormFactor, double energyKeV,
                     double pi)
{
    return referenceCurve(energyKeV, tableFormFactor(MomentumTransfer, FormFactor), pi);
}

namespace {

// The sampler's acceptance, the Thomson factor (1 + cos^2 theta) / 2 =
// 1 - 2 (x/k)^2 + 2 (x/k)^4, integrated over x from 0.
double acceptanceIntegral(double x, double k)
{
    const double k2 = k * k;
    return x - 2 * x * x * x / (3 * k2) + 2 * std::pow(x, 5) / (5 * k2 * k2);
}

} // namespace

double samplerKsDistance(const Column &MomentumTransfer, const Column &CumulativeWeight,
                         double energyKeV, const FormFactorFunction &formFactor)
{
    const double k = largestMomentumTransfer(energyKeV);
    if (k <= MomentumTransfer[1])
        return 1.0;
    auto trueDensity = [&](double x) { return coherentDensityInTransfer(x, k, formFactor(x)); };

    // Points where both cumulative distributions are compared: fine steps below the
    // grid (where the sampler draws nothing) and within every grid interval up to k.
    constexpr int stepsPerInterval = 256;
    std::vector<double> points{0.0};
    auto addSteps = [&](double a, double b) {
        for (int s = 1; s <= stepsPerInterval; ++s)
            points.push_back(a + (b - a) * s / stepsPerInterval);
    };
    addSteps(0.0, MomentumTransfer[1]);
    std::vector<double> sampled{0.0};
    std::vector<double> truth{0.0};
    for (int s = 1; s <= stepsPerInterval; ++s) {
        sampled.push_back(0.0);
        truth.push_back(truth.back() +
                        common::gaussLegendre<3>(trueDensity, points[s - 1], points[s]));
    }
    double sampledBefore = 0;
    for (int j = 2; j <= GridRows && MomentumTransfer[j - 1] < k; ++j) {
        const double a = MomentumTransfer[j - 1];
        const double b = std::min(MomentumTransfer[j], k);
        const double slope =
            (CumulativeWeight[j] - CumulativeWeight[j - 1]) / (MomentumTransfer[j] - a);
        const std::size_t first = points.size();
        addSteps(a, b);
        for (std::size_t p = first; p < points.size(); ++p) {
            sampled.push_back(sampledBefore + slope * (acceptanceIntegral(points[p], k) -
                                                       acceptanceIntegral(a, k)));
            truth.push_back(truth.back() +
                            common::gaussLegendre<3>(trueDensity, points[p - 1], points[p]));
        }
        sampledBefore = sampled.back();
    }
    const double sampledTotal = sampled.back();
    const double trueTotal = truth.back();
    double distance = 0;
    for (std::size_t p = 0; p < points.size(); ++p)
        distance = std::max(distance, std::abs(sampled[p] / sampledTotal - truth[p] / trueTotal));
    return distance;
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

EnergyEntry readEnergyEntry(const QString &text, const Column &MomentumTransfer)
{
    EnergyEntry entry;
    entry.usable = usableEnergies(MomentumTransfer);
    // Only the empty text is the described warning; any other text is read.
    if (text.isEmpty()) {
        entry.verdict = EnergyEntry::Verdict::Empty;
        return entry;
    }
    entry.energy = common::leadingNumber(text);
    // Outside these bounds a batch would never end or the curve would read past the
    // grid: refuse, and leave everything as it was.
    if (!entry.usable.contains(entry.energy)) {
        entry.verdict = EnergyEntry::Verdict::OutOfRange;
        return entry;
    }
    entry.verdict = EnergyEntry::Verdict::Run;
    return entry;
}

} // namespace rhunel
