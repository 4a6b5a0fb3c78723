// SPDX-License-Identifier: MIT
#include "dartley/physics.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace dartley {

DartPoint pointFromDraws(double r1, double r2)
{
    DartPoint p;
    p.x = (0.5 - r1) * 1000;
    p.y = (0.5 - r2) * 1000;
    p.hit = p.x * p.x + p.y * p.y <= RadiusSquared;
    return p;
}

DartPoint nextPoint(common::RandomGenerator &random)
{
    random.RandomValues[1] = random.RandomNext(random.ShortLagIndex, random.LongLagIndex);
    random.RandomValues[2] = random.RandomNext(random.ShortLagIndex, random.LongLagIndex);
    return pointFromDraws(random.RandomValues[1], random.RandomValues[2]);
}

double piEstimate(std::int64_t hits, std::int64_t batches)
{
    const double estimate =
        static_cast<double>(hits) / (double(PointsPerBatch) * static_cast<double>(batches));
    return estimate * 4.0;
}

PiStatistics piStatistics(std::int64_t hits, std::int64_t points)
{
    PiStatistics s;
    if (points <= 0)
        return {0, 0, std::numeric_limits<double>::quiet_NaN()};
    const double n = static_cast<double>(points);
    const double p = static_cast<double>(hits) / n;
    s.estimate = 4 * p;
    s.sigma = 4 * std::sqrt(p * (1 - p) / n);
    s.sigmasFromPi = s.sigma > 0 ? (s.estimate - std::numbers::pi) / s.sigma
                                 : std::numeric_limits<double>::quiet_NaN();
    return s;
}

common::CsvTable resultsCsv(const std::vector<BatchResult> &batches)
{
    common::CsvTable csv;
    csv.comments = {{QStringLiteral("program"), QStringLiteral("Dartley")},
                    {QStringLiteral("points_per_batch"), QString::number(PointsPerBatch)}};
    csv.header = {QStringLiteral("batch"), QStringLiteral("points"), QStringLiteral("hits"),
                  QStringLiteral("pi_estimate"), QStringLiteral("sigma")};
    for (const BatchResult &b : batches)
        csv.rows.push_back({QString::number(b.batch), QString::number(b.points),
                            QString::number(b.hits), common::csvNumber(b.estimate),
                            common::csvNumber(b.sigma)});
    return csv;
}

} // namespace dartley
