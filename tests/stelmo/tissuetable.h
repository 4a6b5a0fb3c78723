// SPDX-License-Identifier: MIT
// A hand-filled attenuation table in the data file's units (coefficients in 1/cm,
// energies in keV), with values of the size soft tissue has: the window tests run
// without depending on the shipped data file.
#pragma once

#include "common/core/materialfile.h"

#include <QString>

namespace stelmotest {

struct Row {
    double keV, first, second, third;
};

inline constexpr Row TissueRows[] = {
    {10, 0.13, 0.15, 4.9},        {15, 0.08, 0.17, 1.4},         {20, 0.055, 0.18, 0.56},
    {30, 0.028, 0.19, 0.15},      {40, 0.017, 0.19, 0.06},       {50, 0.011, 0.185, 0.03},
    {60, 0.0078, 0.18, 0.017},    {80, 0.0045, 0.173, 0.0068},   {100, 0.0030, 0.1630, 0.00266},
    {150, 0.0014, 0.148, 0.0008}, {200, 0.0008, 0.136, 0.00035}, {300, 0.00036, 0.118, 0.0001},
    {500, 0.00013, 0.0966, 3e-5}, {1000, 3e-5, 0.0707, 8e-6},    {1500, 1.4e-5, 0.0575, 4e-6},
};
inline constexpr int TissueRowCount = static_cast<int>(std::size(TissueRows));

inline common::MaterialTable tissueTable()
{
    common::MaterialTable t;
    t.RowCount = TissueRowCount;
    for (int i = 1; i <= TissueRowCount; ++i) {
        const Row &r = TissueRows[i - 1];
        t.AttenuationTable[i] = {0, r.first, r.second, r.third, r.keV};
    }
    return t;
}

inline QString loadTissueTable(common::MaterialTable &table)
{
    table = tissueTable();
    return {};
}

} // namespace stelmotest
