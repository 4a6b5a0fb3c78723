// SPDX-License-Identifier: MIT
// The numerics of the free-path program, without widgets: attenuation lookup,
// free-path sampling, depth bins, the transmittance scale and the reading of a typed
// photon energy. Lengths in cm, energies in keV, μ in 1/cm.
#pragma once

#include "common/core/csv.h"
#include "common/core/materialfile.h"
#include "common/core/materials.h"

#include <QPointF>
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

using DepthBins = std::array<std::int64_t, BinCount + 1>; // [1..400]; 0 idle

// The plots' geometry, in the boxes' user units: 40 cm of tissue from x = 200 to 1000
// in both plots; the transmittance plot's log scale puts T = 0.001 on y = 450 and
// spends 60 units a neper, so one decade is 60 ln 10 = 138.2 units.
namespace plot {
inline constexpr double SlabLeft = 200.0;  // x of depth 0
inline constexpr double UnitsPerCm = 20.0; // 40 cm across 800 units
inline constexpr double BottomY = 450.0;   // T = 0.001
inline constexpr double UnitsPerNeper = 60.0;
inline constexpr double TopY = 36.0; // where the law line starts (T = 1 as drawn)
// The law line's run to T = 0.001, in units times μ: 20 units per cm x ln 1000, with
// ln 1000 taken as 6.91 as the plot has always drawn it.
inline constexpr double LawSpan = 138.2;
inline constexpr double BinStep = 2.0; // x units per depth bin in the plot
} // namespace plot

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

// Transmittance T to the plot's y: 450 - 60 ln(1000 T), one decade 138.2 units,
// T = 0.001 on the bottom line; smaller fractions are drawn there too.
double transmittanceY(double transmittance);

// Where the exponential law crosses T = 0.001: d = ln(1000)/μ at 20 units per cm.
double lawLineEndX(double mu);

// The sampled transmittance as the plot draws it: bin k / bin 1 at x = 200 + 2k for
// k = 2..400, skipping empty bins (a logarithm of 0 has no place on the scale).
// Empty when no photon was counted.
std::vector<QPointF> transmittancePoints(const DepthBins &bins);

// The verdict on a typed photon energy, before anything is run.
struct EnergyEntry {
    enum class Verdict { Run, Empty, NotPositive, NoCoefficient };
    Verdict verdict = Verdict::Empty;
    double energy = 0.0; // keV, after the cap
    double mu = 0.0;     // 1/cm, when it runs
    bool capped = false; // 1000 or more: run at 999 and show "999"
    QString warning;     // the warning box's text when it does not run
};
// fileName names the material's table in the warning.
EnergyEntry
readEnergyEntry(const QString &text, const common::MaterialTable &table,
                const QString &fileName = QString::fromLatin1(common::MaterialFileName));

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

// The ±2σ binomial band about exp(−μx) as the plot draws it, for N photons: one edge
// (side +1 or −1) at T ± 2√(T(1−T)/N), T = exp(−μ d), d from 0 to 40 cm in 0.1 cm steps;
// an edge below the plot's floor lies on it.
std::vector<QPointF> lawBand(double mu, std::int64_t n, int side);

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
