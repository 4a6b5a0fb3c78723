// SPDX-License-Identifier: MIT
#include "tablecheck.h"

#include <algorithm>
#include <cmath>

namespace icru4 {

namespace {

constexpr double hcKeVAngstrom = 12.4;
// Rhunel's own value of pi, which shifts its angles by a hair.
constexpr double rhunelPi = 3.141592;

// Acceptance (1 + cos^2 theta) / 2 with cos theta = 1 - 2 u^2, u = x / k.
double acceptance(double x, double k)
{
    const double u2 = (x / k) * (x / k);
    return 1 - 2 * u2 + 2 * u2 * u2;
}

// Its integral over x from 0.
double acceptanceIntegral(double x, double k)
{
    const double k2 = k * k;
    return x - 2 * x * x * x / (3 * k2) + 2 * std::pow(x, 5) / (5 * k2 * k2);
}

// Three-point Gauss-Legendre on [a, b]: exact to degree 5, never evaluates at an end,
// so an integrand with ln x is safe at x = 0.
template <typename F> double gauss3(F f, double a, double b)
{
    static const double node = std::sqrt(0.6);
    const double mid = 0.5 * (a + b);
    const double half = 0.5 * (b - a);
    return half * (5 * f(mid - half * node) + 8 * f(mid) + 5 * f(mid + half * node)) / 9;
}

} // namespace

double interpolatedAttenuation(const std::vector<AttenuationRow> &rows, double keV)
{
    std::size_t i = 1;
    while (i + 1 < rows.size() && keV >= rows[i].energyKeV)
        ++i;
    const AttenuationRow &lo = rows[i - 1];
    const AttenuationRow &hi = rows[i];
    const double w = (std::log(keV) - std::log(lo.energyKeV)) /
                     (std::log(hi.energyKeV) - std::log(lo.energyKeV));
    double mu = 0;
    for (std::size_t c = 0; c < 3; ++c)
        mu += std::exp(std::log(lo.mu[c]) + (std::log(hi.mu[c]) - std::log(lo.mu[c])) * w);
    return mu;
}

double tableFormFactor(const Grid &grid, double x)
{
    std::size_t j = 1;
    while (j + 1 < grid.x.size() && x >= grid.x[j])
        ++j;
    const double t =
        (std::log(x) - std::log(grid.x[j - 1])) / (std::log(grid.x[j]) - std::log(grid.x[j - 1]));
    return grid.f[j - 1] + (grid.f[j] - grid.f[j - 1]) * t;
}

double samplerKsDistance(const Grid &grid, double keV, const FormFactorFunction &formFactor)
{
    const double k = keV / hcKeVAngstrom;
    if (k <= grid.x.front())
        return 1.0;
    auto trueDensity = [&](double x) {
        const double f = formFactor(x);
        return acceptance(x, k) * f * f * x;
    };

    // Points where both cumulative distributions are compared: fine steps below the
    // grid (where the sampler draws nothing) and within every grid interval up to k.
    constexpr int stepsPerInterval = 256;
    std::vector<double> points{0.0};
    auto addSteps = [&](double a, double b) {
        for (int s = 1; s <= stepsPerInterval; ++s)
            points.push_back(a + (b - a) * s / stepsPerInterval);
    };
    addSteps(0.0, grid.x.front());
    std::vector<double> sampled{0.0};
    std::vector<double> truth{0.0};
    for (int s = 1; s <= stepsPerInterval; ++s) {
        sampled.push_back(0.0);
        truth.push_back(truth.back() + gauss3(trueDensity, points[s - 1], points[s]));
    }
    double sampledBefore = 0;
    for (std::size_t j = 1; j < grid.x.size() && grid.x[j - 1] < k; ++j) {
        const double a = grid.x[j - 1];
        const double b = std::min(grid.x[j], k);
        const double slope = (grid.w[j] - grid.w[j - 1]) / (grid.x[j] - grid.x[j - 1]);
        const std::size_t first = points.size();
        addSteps(a, b);
        for (std::size_t p = first; p < points.size(); ++p) {
            sampled.push_back(sampledBefore + slope * (acceptanceIntegral(points[p], k) -
                                                       acceptanceIntegral(a, k)));
            truth.push_back(truth.back() + gauss3(trueDensity, points[p - 1], points[p]));
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

std::array<double, 181> referenceCurve(double keV, const FormFactorFunction &formFactor)
{
    std::array<double, 181> curve{};
    double largest = 0;
    for (int i = 1; i <= 180; ++i) {
        const double theta = i / 180.0 * rhunelPi;
        const double x = std::sin(theta * 0.5) / (hcKeVAngstrom / keV);
        const double f = formFactor(x);
        curve[i] = (std::cos(theta) * std::cos(theta) + 1) * std::sin(theta) * f * f;
        largest = std::max(largest, curve[i]);
    }
    for (int i = 1; i <= 180; ++i)
        curve[i] /= largest;
    return curve;
}

} // namespace icru4
