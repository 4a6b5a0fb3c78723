// SPDX-License-Identifier: MIT
#include "stelmo/physics.h"

#include "common/core/numbertext.h"
#include "common/core/randomgenerator.h"
#include "common/core/statmath.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace stelmo {

using common::EnergyColumn;

double attenuationCoefficient(const common::MaterialTable &table, double energyKeV)
{
    const auto &rows = table.AttenuationTable;
    const int n = table.RowCount;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    if (n < 2 || n > common::MaxAttenuationRows || !(energyKeV > 0))
        return nan;
    // The first row whose energy lies above E; a tabulated E moves past its own row.
    int i = 2;
    while (i <= n && energyKeV >= rows[i][EnergyColumn])
        ++i;
    if (i > n)
        return nan;
    const auto &lower = rows[i - 1];
    const auto &upper = rows[i];
    const double w = (std::log(energyKeV) - std::log(lower[EnergyColumn])) /
                     (std::log(upper[EnergyColumn]) - std::log(lower[EnergyColumn]));
    double partial[4] = {};
    for (int c = 1; c <= 3; ++c)
        partial[c] = std::exp(std::log(lower[c]) + (std::log(upper[c]) - std::log(lower[c])) * w);
    return (partial[1] + partial[2]) + partial[3];
}

double nonZeroDraw(common::RandomGenerator &random)
{
    // The generator can return exactly 0, whose logarithm has no value.
    do {
        random.RandomValues[1] = random.RandomNext(random.ShortLagIndex, random.LongLagIndex);
    } while (random.RandomValues[1] <= 0);
    return random.RandomValues[1];
}

double freePath(double r, double mu) { return -std::log(r) / mu; }

int binsReached(double pathCm)
{
    const double steps = std::floor(pathCm * BinsPerCm);
    if (!(steps < BinCount - 1))
        return BinCount;
    return steps < 0 ? 1 : static_cast<int>(steps) + 1;
}

DepthTransmittance sampledTransmittance(const DepthBins &bins)
{
    DepthTransmittance t{};
    const double all = static_cast<double>(bins[1]);
    for (int k = 1; k <= BinCount; ++k)
        t[static_cast<size_t>(k)] = all > 0
                                        ? static_cast<double>(bins[static_cast<size_t>(k)]) / all
                                        : std::numeric_limits<double>::quiet_NaN();
    return t;
}

DepthFraction fractionAtMeanFreePath(const DepthBins &bins, double mu)
{
    // Bin k holds the paths of at least (k - 1)/10 cm; bin 1 holds every path, so the
    // shallowest depth that says anything is bin 2's 0.1 cm (lead's 1/μ is 0.016 cm).
    const double nearest = std::round(BinsPerCm / mu) + 1;
    const int k = std::isfinite(nearest)
                      ? static_cast<int>(std::clamp(nearest, 2.0, double(BinCount)))
                      : BinCount;
    DepthFraction f;
    f.depthCm = (k - 1) / BinsPerCm;
    f.sampled = bins[1] > 0 ? static_cast<double>(bins[static_cast<size_t>(k)]) /
                                  static_cast<double>(bins[1])
                            : std::numeric_limits<double>::quiet_NaN();
    f.law = std::exp(-mu * f.depthCm);
    return f;
}

EnergyEntry readEnergyEntry(const QString &text, const common::MaterialTable &table)
{
    EnergyEntry entry;
    if (text.isEmpty()) {
        entry.verdict = EnergyEntry::Verdict::Empty;
        return entry;
    }
    entry.typed = common::leadingNumber(text);
    if (!(entry.typed > 0)) {
        entry.verdict = EnergyEntry::Verdict::NotPositive;
        return entry;
    }
    entry.energy = entry.typed;
    if (entry.typed >= CapFrom) {
        entry.energy = HighestEnergy;
        entry.capped = true;
    }
    entry.mu = attenuationCoefficient(table, entry.energy);
    if (!std::isfinite(entry.mu) || !(entry.mu > 0)) {
        entry.verdict = EnergyEntry::Verdict::NoCoefficient;
        entry.lowestKeV = table.RowCount >= 1 ? table.AttenuationTable[1][EnergyColumn] : 0.0;
        return entry;
    }
    entry.verdict = EnergyEntry::Verdict::Run;
    return entry;
}

PathStatistics pathStatistics(std::int64_t n, double sum, double sumOfSquares, double mu)
{
    const common::MeanWithError m = common::meanWithError(n, sum, sumOfSquares);
    PathStatistics s;
    s.mean = m.mean;
    s.standardError = m.standardError;
    s.errorsFromMfp = s.standardError > 0 ? (s.mean - 1 / mu) / s.standardError
                                          : std::numeric_limits<double>::quiet_NaN();
    return s;
}

double transmittanceSigma(double transmittance, std::int64_t n)
{
    return common::proportionStandardError(transmittance, static_cast<double>(n));
}

KsDistance ksDistance(const DepthBins &bins, std::int64_t n, double mu)
{
    KsDistance ks;
    if (n <= 0)
        return {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::quiet_NaN()};
    const double count = static_cast<double>(n);
    for (int k = 1; k <= BinCount; ++k) {
        const double law = std::exp(-mu * (k - 1) / BinsPerCm);
        ks.distance = std::max(
            ks.distance, std::abs(static_cast<double>(bins[static_cast<size_t>(k)]) / count - law));
    }
    ks.critical5 = 1.36 / std::sqrt(count);
    return ks;
}

std::vector<BandPoint> lawBand(double mu, std::int64_t n)
{
    std::vector<BandPoint> band;
    if (n <= 0)
        return band;
    for (int k = 0; k < BinCount; ++k) {
        const double depth = k / BinsPerCm;
        const double t = std::exp(-mu * depth);
        const double twoSigma = 2 * transmittanceSigma(t, n);
        band.push_back({depth, t - twoSigma, t + twoSigma});
    }
    return band;
}

common::CsvTable resultsCsv(const common::MaterialName &material, double energyKeV, double mu,
                            std::int64_t photons, double pathSum, double pathSquareSum,
                            const DepthBins &bins)
{
    common::CsvTable csv;
    const bool any = photons > 0;
    auto value = [any](double v) { return any ? common::csvNumber(v) : QString(); };
    csv.comments = {
        {QStringLiteral("program"), QStringLiteral("Stelmo")},
        {QStringLiteral("material"), material.name},
        {QStringLiteral("material_file"), material.fileName},
        {QStringLiteral("energy_keV"), value(energyKeV)},
        {QStringLiteral("mu_per_cm"), value(mu)},
        {QStringLiteral("mean_free_path_cm"), value(1 / mu)},
        {QStringLiteral("photons"), any ? QString::number(photons) : QString()},
        {QStringLiteral("mean_path_cm"), value(pathSum / static_cast<double>(photons))},
        {QStringLiteral("mean_path_sigma_cm"),
         value(pathStatistics(photons, pathSum, pathSquareSum, mu).standardError)},
        {QStringLiteral("ks_distance"), value(ksDistance(bins, photons, mu).distance)},
        {QStringLiteral("ks_critical_5pct"), value(ksDistance(bins, photons, mu).critical5)}};
    csv.header = {QStringLiteral("depth_cm"), QStringLiteral("reached"),
                  QStringLiteral("transmittance"), QStringLiteral("exp_law"),
                  QStringLiteral("sigma")};
    if (!any)
        return csv;
    const DepthTransmittance sampled = sampledTransmittance(bins);
    for (int k = 1; k <= BinCount; ++k) {
        const double depth = (k - 1) / BinsPerCm;
        const std::int64_t reached = bins[static_cast<size_t>(k)];
        const double transmittance = sampled[static_cast<size_t>(k)];
        csv.rows.push_back({common::csvNumber(depth), QString::number(reached),
                            common::csvNumber(transmittance),
                            common::csvNumber(std::exp(-mu * depth)),
                            common::csvNumber(transmittanceSigma(transmittance, photons))});
    }
    return csv;
}

} // namespace stelmo
