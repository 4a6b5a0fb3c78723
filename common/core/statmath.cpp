// SPDX-License-Identifier: MIT
#include "common/core/statmath.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace common {

namespace {
constexpr int MaxTerms = 1000;
constexpr double Tiny = 1e-300;
constexpr double Epsilon = 1e-15;

// P(a, x) by the series e^-x x^a / Γ(a+1) Σ x^n / ((a+1)...(a+n)).
double seriesP(double a, double x)
{
    double term = 1.0 / a, sum = term;
    for (int n = 1; n < MaxTerms; ++n) {
        term *= x / (a + n);
        sum += term;
        if (std::abs(term) < std::abs(sum) * Epsilon)
            break;
    }
    return sum * std::exp(-x + a * std::log(x) - std::lgamma(a));
}

// Q(a, x) by the continued fraction e^-x x^a / Γ(a) · 1/(x+1-a- 1(1-a)/(x+3-a- ...)).
double fractionQ(double a, double x)
{
    double b = x + 1 - a, c = 1 / Tiny, d = 1 / b, h = d;
    for (int i = 1; i < MaxTerms; ++i) {
        const double an = -i * (i - a);
        b += 2;
        d = an * d + b;
        if (std::abs(d) < Tiny)
            d = Tiny;
        c = b + an / c;
        if (std::abs(c) < Tiny)
            c = Tiny;
        d = 1 / d;
        const double step = d * c;
        h *= step;
        if (std::abs(step - 1) < Epsilon)
            break;
    }
    return std::exp(-x + a * std::log(x) - std::lgamma(a)) * h;
}
} // namespace

double gammaQ(double a, double x)
{
    if (!(a > 0) || !(x >= 0))
        return std::numeric_limits<double>::quiet_NaN();
    if (x == 0)
        return 1.0;
    if (x < a + 1)
        return 1.0 - seriesP(a, x);
    return fractionQ(a, x);
}

double chiSquarePValue(double chi2, int ndf)
{
    if (ndf < 1)
        return std::numeric_limits<double>::quiet_NaN();
    if (!(chi2 > 0))
        return 1.0;
    return gammaQ(0.5 * ndf, 0.5 * chi2);
}

MeanWithError meanWithError(std::int64_t n, double sum, double sumOfSquares)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    if (n < 2)
        return {n == 1 ? sum : nan, nan};
    const double count = static_cast<double>(n);
    // Σ(x − mean)² = Σx² − (Σx)²/n; never below 0 for rounding.
    const double squares = std::max(0.0, sumOfSquares - sum * sum / count);
    return {sum / count, std::sqrt(squares / (count - 1)) / std::sqrt(count)};
}

double proportionStandardError(double p, double n)
{
    if (!(n > 0))
        return std::numeric_limits<double>::quiet_NaN();
    return std::sqrt(std::max(0.0, p * (1 - p)) / n);
}

} // namespace common
