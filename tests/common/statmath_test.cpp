// SPDX-License-Identifier: MIT
// The generic maths the programs' statistics are built on, against answers known exactly.
#include "common/core/statmath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace {

struct QuadratureCase {
    int points;
    int parts;
};

double integrate(const QuadratureCase &c, const auto &f, double a, double b)
{
    return c.points == 3 ? common::gaussLegendre<3>(f, a, b, c.parts)
                         : common::gaussLegendre<5>(f, a, b, c.parts);
}

// An n-point rule integrates every polynomial of degree 2n - 1 exactly, on each piece:
// a wrong node, weight or piece boundary shows on an interval not centred on 0.
TEST(GaussLegendre, ExactForPolynomialsOfItsDegree)
{
    for (const QuadratureCase c :
         {QuadratureCase{3, 1}, QuadratureCase{3, 7}, QuadratureCase{5, 1}, QuadratureCase{5, 4}}) {
        SCOPED_TRACE(testing::Message() << c.points << " points, " << c.parts << " parts");
        const int degree = 2 * c.points - 1;
        // 1 - 2x + 3x^2 - 4x^3 ...: every power present, with either sign.
        std::vector<double> coefficient;
        for (int j = 0; j <= degree; ++j)
            coefficient.push_back((j % 2 == 0 ? 1.0 : -1.0) * (j + 1));
        auto polynomial = [&](double x) {
            double sum = 0;
            for (int j = degree; j >= 0; --j)
                sum = sum * x + coefficient[j];
            return sum;
        };
        const double a = -0.5, b = 2.0;
        double exact = 0;
        for (int j = 0; j <= degree; ++j)
            exact += coefficient[j] * (std::pow(b, j + 1) - std::pow(a, j + 1)) / (j + 1);
        EXPECT_NEAR(integrate(c, polynomial, a, b) / exact, 1.0, 1e-13);
    }
}

// The ends of the interval are never evaluated: ln x from 0 gives a finite integral
// near its value -1, not -infinity.
TEST(GaussLegendre, NeverEvaluatesAtTheEnds)
{
    for (const QuadratureCase c : {QuadratureCase{3, 256}, QuadratureCase{5, 4}}) {
        const double got = integrate(
            c, [](double x) { return std::log(x); }, 0.0, 1.0);
        EXPECT_TRUE(std::isfinite(got)) << c.points;
        EXPECT_NEAR(got, -1.0, 1e-2) << c.points;
    }
}

struct MeanCase {
    const char *name;
    std::vector<double> values;
    double mean;
    double standardError;
};

// Mean and standard error from the sums the programs keep, worked by hand: {3, 5} has
// s = √2 and so an error of 1; {1, 2, 3, 4} has s² = 5/3. Five equal values, summed in
// floating point, leave Σx² − (Σx)²/n a little below 0: the spread is 0, not NaN.
TEST(MeanWithError, FromTheSumsWorkedByHand)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const MeanCase &c : {MeanCase{"none", {}, nan, nan}, MeanCase{"one", {2.5}, 2.5, nan},
                              MeanCase{"two", {3, 5}, 4, 1},
                              MeanCase{"four", {1, 2, 3, 4}, 2.5, std::sqrt(5.0 / 3) / 2},
                              MeanCase{"equal", {0.7, 0.7, 0.7, 0.7, 0.7}, 0.7, 0}}) {
        SCOPED_TRACE(c.name);
        double sum = 0, squares = 0;
        for (double x : c.values) {
            sum += x;
            squares += x * x;
        }
        const common::MeanWithError m =
            common::meanWithError(std::int64_t(c.values.size()), sum, squares);
        for (const auto &[got, want] :
             {std::pair{m.mean, c.mean}, std::pair{m.standardError, c.standardError}}) {
            if (std::isnan(want))
                EXPECT_TRUE(std::isnan(got)) << got;
            else
                EXPECT_NEAR(got, want, 1e-15);
        }
    }
}

} // namespace
