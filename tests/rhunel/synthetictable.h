// SPDX-License-Identifier: MIT
// A small stand-in for the tissue's form-factor table, in the file's layout: 45
// momentum transfers spaced evenly in ln x from 0.02 to 10 1/angstrom (usable
// energies 0.248 to 124 keV), F(x) = 7 / (1 + 3 x^2)^2 (a smooth, falling form
// factor of the right size), and the cumulative weight as the running integral of
// F(x)^2 d(x^2), taken numerically.
#pragma once

#include "common/core/materialfile.h"

#include <QString>

#include <cmath>

namespace synthetic {

inline double formFactor(double x) { return 7.0 / ((1 + 3 * x * x) * (1 + 3 * x * x)); }

inline common::MaterialTable table()
{
    common::MaterialTable t;
    t.RowCount = 0;
    for (int i = 1; i <= 45; ++i) {
        t.MomentumTransfer[i] = 0.02 * std::pow(10.0 / 0.02, (i - 1) / 44.0);
        t.FormFactor[i] = formFactor(t.MomentumTransfer[i]);
    }
    t.CumulativeWeight[1] = 0;
    for (int i = 2; i <= 45; ++i) {
        const double a = t.MomentumTransfer[i - 1], b = t.MomentumTransfer[i];
        constexpr int Steps = 200; // midpoint rule in x of F^2 2x
        double sum = 0;
        for (int k = 0; k < Steps; ++k) {
            const double x = a + (b - a) * (k + 0.5) / Steps;
            sum += formFactor(x) * formFactor(x) * 2 * x;
        }
        t.CumulativeWeight[i] = t.CumulativeWeight[i - 1] + sum * (b - a) / Steps;
    }
    return t;
}

inline QString source(common::MaterialTable &t)
{
    t = table();
    return {};
}

} // namespace synthetic
