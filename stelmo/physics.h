// SPDX-License-Identifier: MIT
// The numerics of the free-path program, without widgets: attenuation lookup,
// free-path sampling, depth bins, the sampled transmittance and the reading of a typed
// photon energy. Lengths in cm, energies in keV, μ in 1/cm.
#pragma once

#include "common/core/csv.h"
#include "common/core/materialfile.h"
#include "common/core/materials.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace common {
class RandomGenerator;
}

namespace stelmo {

inline constexpr int PhotonsPerBatch = 400;
inline constexpr int BinCount = 400; // depth bins of 0.1 cm
inline constexpr double BinsPerCm = 10.0;
inline constexpr double HighestEnergy = 999.0; // keV; 1000 or more is run at this
inline constexpr double CapFrom = 1000.0;      // keV

using DepthBins = std::array<std::int64_t, BinCount + 1>;    // [1..400]; 0 idle
using DepthTransmittance = std::array<double, BinCount + 1>; // [1..400]; 0 idle

// μ at an energy: ln(coefficient) interpolated linearly against ln(energy) between
// the first row above the energy and the row below it, column by column, then the
// three partial coefficients summed. An energy equal to a tabulated one lands on that
// row with weight 0. Below row 2 rows 1 and 2 are used (extrapolating below row 1).
// NaN when the table has no row above the energy.
double attenuationCoefficient(const common::MaterialTable &table, double energyKeV);

// A uniform number in (0, 1): draws again while the generator returns 0.
double nonZeroDraw(common::RandomGenerator &random);

// Inverse-transform sampling of the exponential law: x = -ln(r)/μ.
double freePath(double r, double mu);

// How many depth bins a path reaches: bin k counts paths of at least (k-1)/10 cm,
// so a path reaches bins 1 .. floor(10x)+1, the last bin holding everything beyond.
int binsReached(double pathCm);

// The sampled transmittance per depth bin: bin k / bin 1 for k = 1..400, the share of
// the photons that reached (k-1)/10 cm. NaN in every bin before any photon.
DepthTransmittance sampledTransmittance(const DepthBins &bins);

// The verdict on a typed photon energy, before anything is run, with the numbers the
// window's warning quotes.
struct EnergyEntry {
    enum class Verdict { Run, Empty, NotPositive, NoCoefficient };
    Verdict verdict = Verdict::Empty;
    double typed = 0.0;  // keV, the number read from the text (0 when there is none)
    double energy = 0.0; // keV, after the cap
    double mu = 0.0;     // 1/cm: when it runs, or what the table gave instead of one
    bool capped = false; // 1000 or more: run at 999 and show "999"
    // No coefficient: the table's first energy, the lowest one worth typing (keV).
    double lowestKeV = 0.0;
};
EnergyEntry readEnergyEntry(const QString &text, const common::MaterialTable &table);

// The mean sampled path and its standard error s/√N, s the sample standard deviation
// (N − 1 in its denominator) from the sums of the paths and of their squares; its
// distance from 1/μ in standard errors (the central limit theorem: the mean of N
// paths is near normal about 1/μ). NaN where N < 2.
struct PathStatistics {
    double mean = 0;
    double standardError = 0;
    double errorsFromMfp = 0;
};
PathStatistics pathStatistics(std::int64_t n, double sum, double sumOfSquares, double mu);

// The binomial standard deviation of a transmittance T measured on N photons:
// √(T(1 − T)/N).
double transmittanceSigma(double transmittance, std::int64_t n);

// The Kolmogorov–Smirnov distance of the depth bins from the law: the largest of
// |bin k / N − exp(−μ (k − 1)/10)| over k = 1..400, and its 5 % critical value 1.36/√N
// (the asymptotic Kolmogorov distribution; e.g. Stephens 1970, or any statistics
// table of the one-sample test).
struct KsDistance {
    double distance = 0;
    double critical5 = 0;
};
KsDistance ksDistance(const DepthBins &bins, std::int64_t n, double mu);

// The ±2σ binomial band about exp(−μx) for N photons: at depths d from 0 to 39.9 cm in
// 0.1 cm steps, T − 2σ and T + 2σ with T = exp(−μ d) and σ = √(T(1−T)/N), as they come
// (not cut to 0..1). Empty when N is 0.
struct BandPoint {
    double depthCm = 0;
    double lower = 0;
    double upper = 0;
};
std::vector<BandPoint> lawBand(double mu, std::int64_t n);

// The photons that reached the bin depth nearest the mean free path 1/μ (0.1 cm at
// least, 39.9 cm at most), as a fraction of all, beside the law exp(−μ d) at that
// depth: about e^−1 when the law holds and 1/μ lies on a bin. The sampled fraction is
// NaN before any photon.
struct DepthFraction {
    double depthCm = 0;
    double sampled = 0;
    double law = 0;
};
DepthFraction fractionAtMeanFreePath(const DepthBins &bins, double mu);

// The results as a table: the material, the energy, μ, 1/μ, the photons and the mean sampled path
// as comments (with the mean's standard error and the KS distance), then per depth bin
// k = 1..400: depth (k-1)/10 cm, the photons that reached it, bin k / bin 1,
// exp(-μ depth) and the binomial σ of the transmittance. Header only before the first
// batch.
common::CsvTable resultsCsv(const common::MaterialName &material, double energyKeV, double mu,
                            std::int64_t photons, double pathSum, double pathSquareSum,
                            const DepthBins &bins);

} // namespace stelmo
