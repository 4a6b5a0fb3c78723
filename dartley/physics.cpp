// SPDX-License-Identifier: MIT
#include "dartley/physics.h"

#include "common/core/statmath.h"

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

namespace {
// The hit fraction times 4, in that order of operations: the running estimate is
// compared decimal for decimal.
double piFromHits(std::int64_t hits, double points)
{
    return static_cast<double>(hits) / points * 4.0;
}
} // namespace

double piEstimate(std::int64_t hits, std::int64_t batches)
{
    return piFromHits(hits, double(PointsPerBatch) * static_cast<double>(batches));
}

double piSigma(double p, double points) { return 4 * common::proportionStandardError(p, points); }

PiStatistics piStatistics(std::int64_t hits, std::int64_t points)
{
    PiStatistics s;
    if (points <= 0)
        return {0, 0, std::numeric_limits<double>::quiet_NaN()};
    const double n = static_cast<double>(points);
    s.estimate = piFromHits(hits, n);
    s.sigma = piSigma(static_cast<double>(hits) / n, n);
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
