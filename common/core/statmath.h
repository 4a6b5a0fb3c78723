// SPDX-License-Identifier: MIT
// The few distributions the programs' statistics need, without a library.
#pragma once

#include <cstdint>

namespace common {

// The regularized upper incomplete gamma function Q(a, x) = Γ(a, x) / Γ(a), a > 0,
// x >= 0: by its power series for x < a + 1 and by Lentz's continued fraction above
// (the usual split, as in Press et al., Numerical Recipes, §6.2), to about 1e-14.
double gammaQ(double a, double x);

// The probability that a χ² variable with ndf degrees of freedom reaches chi2 or more:
// Q(ndf/2, chi2/2). 1 for chi2 <= 0; NaN for ndf < 1.
double chiSquarePValue(double chi2, int ndf);

// The mean of n values from their sum and the sum of their squares, and its standard
// error s/√n, s the sample standard deviation (n − 1 in its denominator). With one
// value the mean is that value and the error NaN; with none both are NaN.
struct MeanWithError {
    double mean = 0;
    double standardError = 0;
};
MeanWithError meanWithError(std::int64_t n, double sum, double sumOfSquares);

// The standard error of a proportion p found in n trials, each a success with the same
// probability (binomial): √(p(1 − p)/n). NaN unless n > 0. n need not be whole, so
// that a plot can draw it as a curve.
double proportionStandardError(double p, double n);

// The nodes (on -1..1) and weights of the Gauss-Legendre rules the programs integrate by.
template <int Points> struct GaussLegendreRule;
template <> struct GaussLegendreRule<3> {
    static constexpr double node[3] = {0.0, 0.7745966692414834, -0.7745966692414834};
    static constexpr double weight[3] = {8.0 / 9, 5.0 / 9, 5.0 / 9};
};
template <> struct GaussLegendreRule<5> {
    static constexpr double node[5] = {0.0, 0.5384693101056831, -0.5384693101056831,
                                       0.9061798459386640, -0.9061798459386640};
    static constexpr double weight[5] = {0.5688888888888889, 0.4786286704993665, 0.4786286704993665,
                                         0.2369268850561891, 0.2369268850561891};
};

// The integral of f over [a, b] by the Points-point Gauss-Legendre rule on each of parts
// equal pieces: exact for polynomials of degree 2 Points - 1 on each piece. It never
// evaluates f at a piece's ends, so an integrand with ln x is safe at x = 0.
template <int Points, class F> double gaussLegendre(F &&f, double a, double b, int parts = 1)
{
    using Rule = GaussLegendreRule<Points>;
    const double h = (b - a) / parts;
    double sum = 0;
    for (int p = 0; p < parts; ++p) {
        const double mid = a + (p + 0.5) * h;
        for (int i = 0; i < Points; ++i)
            sum += Rule::weight[i] * f(mid + 0.5 * h * Rule::node[i]);
    }
    return 0.5 * h * sum;
}

} // namespace common
