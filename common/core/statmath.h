// SPDX-License-Identifier: MIT
// The few distributions the programs' statistics need, without a library.
#pragma once

namespace common {

// The regularized upper incomplete gamma function Q(a, x) = Γ(a, x) / Γ(a), a > 0,
// x >= 0: by its power series for x < a + 1 and by Lentz's continued fraction above
// (the usual split, as in Press et al., Numerical Recipes, §6.2), to about 1e-14.
double gammaQ(double a, double x);

// The probability that a χ² variable with ndf degrees of freedom reaches chi2 or more:
// Q(ndf/2, chi2/2). 1 for chi2 <= 0; NaN for ndf < 1.
double chiSquarePValue(double chi2, int ndf);

} // namespace common
