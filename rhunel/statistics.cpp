// SPDX-License-Identifier: MIT
#include "rhunel/statistics.h"

#include "common/core/statmath.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

namespace rhunel {

namespace {

// ∫ g over [a, b], one degree, by 5-point Gauss–Legendre on each of four equal parts.
template <class G> double integral(G &&g, double a, double b)
{
    return common::gaussLegendre<5>(g, a, b, 4);
}

constexpr double Degree = std::numbers::pi / 180;

} // namespace

Expected expectedCounts(const Column &MomentumTransfer, const Column &FormFactor, double energyKeV,
                        std::int64_t photons)
{
    const FormFactorFunction F = tableFormFactor(MomentumTransfer, FormFactor);
    auto density = [&](double theta) { return coherentDensityInAngle(theta, energyKeV, F); };
    Expected e{};
    double total = 0;
    for (int i = 1; i <= AngleBins; ++i) {
        e[i] = integral(density, (i - 1) * Degree, i * Degree);
        total += e[i];
    }
    if (total > 0)
        for (int i = 1; i <= AngleBins; ++i)
            e[i] *= static_cast<double>(photons) / total;
    return e;
}

ChiSquare chiSquare(const Histogram &histogram, const Expected &expected)
{
    struct Group {
        double observed = 0, expected = 0;
    };
    std::vector<Group> groups;
    Group open;
    for (int i = 1; i <= AngleBins; ++i) {
        open.observed += static_cast<double>(histogram[i]);
        open.expected += expected[i];
        if (open.expected >= 5) {
            groups.push_back(open);
            open = {};
        }
    }
    if (open.expected > 0 || open.observed > 0) {
        if (groups.empty()) {
            groups.push_back(open);
        } else {
            groups.back().observed += open.observed;
            groups.back().expected += open.expected;
        }
    }
    ChiSquare result;
    for (const Group &g : groups)
        if (g.expected > 0)
            result.chi2 += (g.observed - g.expected) * (g.observed - g.expected) / g.expected;
    result.ndf = int(groups.size()) - 1;
    result.pValue = result.ndf >= 1 ? common::chiSquarePValue(result.chi2, result.ndf)
                                    : std::numeric_limits<double>::quiet_NaN();
    return result;
}

MeanAngle meanAngle(std::int64_t photons, double angleSum, double angleSquareSum,
                    const Column &MomentumTransfer, const Column &FormFactor, double energyKeV)
{
    MeanAngle m;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const FormFactorFunction F = tableFormFactor(MomentumTransfer, FormFactor);
    auto density = [&](double theta) { return coherentDensityInAngle(theta, energyKeV, F); };
    double weight = 0, moment = 0, second = 0;
    for (int i = 1; i <= AngleBins; ++i) {
        const double a = (i - 1) * Degree, b = i * Degree;
        weight += integral(density, a, b);
        moment += integral([&](double t) { return t / Degree * density(t); }, a, b);
        second +=
            integral([&](double t) { return (t / Degree) * (t / Degree) * density(t); }, a, b);
    }
    m.theory = weight > 0 ? moment / weight : nan;
    m.theorySpread =
        weight > 0 ? std::sqrt(std::max(0.0, second / weight - m.theory * m.theory)) : nan;
    const common::MeanWithError sampled = common::meanWithError(photons, angleSum, angleSquareSum);
    m.mean = sampled.mean;
    m.standardError = sampled.standardError;
    return m;
}

common::CsvTable resultsCsv(const Results &r)
{
    common::CsvTable csv;
    const bool any = r.photons > 0;
    auto value = [any](double v) { return any ? common::csvNumber(v) : QString(); };
    Expected expected{};
    ChiSquare chi;
    MeanAngle mean;
    if (any) {
        expected = expectedCounts(*r.momentumTransfer, *r.formFactor, r.energyKeV, r.photons);
        chi = chiSquare(*r.histogram, expected);
        mean = meanAngle(r.photons, r.angleSum, r.angleSquareSum, *r.momentumTransfer,
                         *r.formFactor, r.energyKeV);
    }
    csv.comments = {{QStringLiteral("program"), QStringLiteral("Rhunel")},
                    {QStringLiteral("material"), r.material.name},
                    {QStringLiteral("material_file"), r.material.fileName},
                    {QStringLiteral("energy_keV"), value(r.energyKeV)},
                    {QStringLiteral("photons"), any ? QString::number(r.photons) : QString()},
                    {QStringLiteral("chi2"), value(chi.chi2)},
                    {QStringLiteral("ndf"), any ? QString::number(chi.ndf) : QString()},
                    {QStringLiteral("p_value"), value(chi.pValue)},
                    {QStringLiteral("mean_angle_deg"), value(mean.mean)},
                    {QStringLiteral("mean_angle_sigma_deg"), value(mean.standardError)},
                    {QStringLiteral("mean_angle_theory_deg"), value(mean.theory)}};
    csv.header = {QStringLiteral("bin"),      QStringLiteral("from_deg"),
                  QStringLiteral("to_deg"),   QStringLiteral("count"),
                  QStringLiteral("relative"), QStringLiteral("reference"),
                  QStringLiteral("expected")};
    if (!any)
        return csv;
    const Histogram &h = *r.histogram;
    const std::int64_t largest = *std::max_element(h.begin() + 1, h.end());
    for (int i = 1; i <= AngleBins; ++i) {
        const double relative =
            largest > 0 ? static_cast<double>(h[i]) / static_cast<double>(largest) : 0.0;
        csv.rows.push_back({QString::number(i), QString::number(i - 1), QString::number(i),
                            QString::number(h[i]), common::csvNumber(relative),
                            common::csvNumber((*r.reference)[i]), common::csvNumber(expected[i])});
    }
    return csv;
}

} // namespace rhunel
