// SPDX-License-Identifier: MIT
// The material table comes in through the shared reader's struct. Until that reader
// is in the tree, the same struct is declared here and loading reports that no
// reader is available, so the module and its tests build against the final API.
#pragma once

#if __has_include("materialfile.h")
#include "materialfile.h"
#else
#include <QString>
#include <QStringList>

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
    return QStringLiteral("ICRU4.dat: no reader for the material table in this build");
}
} // namespace common
#endif
