// SPDX-License-Identifier: MIT
// The attenuation table comes from the shared data-file reader. Until that reader is
// part of the build, the same struct is declared here so the module, its tests and
// its windows can be written against it; the reader's header wins once present.
#pragma once

#if __has_include("materialfile.h")
#include "materialfile.h"
#else
#include <QString>

#include <array>

namespace common {
enum class MaterialBlocks { Attenuation, All };
struct MaterialTable {
    int RowCount = 0;
    std::array<std::array<double, 5>, 38> AttenuationTable{};
    std::array<double, 46> MomentumTransfer{};
    std::array<double, 46> CumulativeWeight{};
    std::array<double, 46> FormFactor{};
};
inline constexpr const char *MaterialFileName = "ICRU4.dat";
inline QString loadMaterialFile(MaterialBlocks, MaterialTable &)
{
    return QStringLiteral("ICRU4.dat: this build has no reader for the data file.");
}
} // namespace common
#endif
