// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

namespace common {

// How much of the material file a program reads: Stelmo the header and the
// attenuation rows (blocks 1-3), Rhunel everything (blocks 1-5).
enum class MaterialBlocks { Attenuation, All };

// The tables as the programs keep them; every index starts at 1, element 0 is unused.
struct MaterialTable {
    int RowCount = 0; // N
    std::array<std::array<double, 5>, 38>
        AttenuationTable{}; // [row 1..37][col 1..3 coefficients 1/cm, col 4 energy keV]; index 0
                            // unused
    std::array<double, 46> MomentumTransfer{}; // [1..45] 1/angstrom
    std::array<double, 46> CumulativeWeight{}; // [1..45]
    std::array<double, 46> FormFactor{};       // [1..45]
};

inline constexpr const char *MaterialFileName = "ICRU4.dat";

// How a program gets its table: by default from the data file; tests hand one in.
using MaterialLoader = std::function<QString(MaterialTable &)>;

// Reads and checks one file. Returns an empty string on success, otherwise the whole
// report for a message box (names the file, what is wrong and where: item number and
// line). On failure the table is left empty, never half filled.
QString readMaterialFile(const QString &path, MaterialBlocks blocks, MaterialTable &table);

// The same for text already in memory; fileName only names it in the report. This is
// the entry point of the fuzz target.
QString readMaterialText(const QByteArray &text, const QString &fileName, MaterialBlocks blocks,
                         MaterialTable &table);

// Where the programs look: the working directory first, then the data directory of the
// installed program (QCoreApplication::applicationDirPath() + "/../share/monte-carlo-teaching").
QStringList materialFileCandidates();

// Finds the file among the candidates and reads it; on failure the report lists where it
// looked. The first candidate that exists is the one read: a broken file in the working
// directory is reported, not silently passed over for the installed one.
QString loadMaterialFile(MaterialBlocks blocks, MaterialTable &table);

} // namespace common
