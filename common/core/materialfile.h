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

// The sizes of the file's blocks: at most 37 attenuation rows, then two blocks of
// exactly 45 grid rows. Every table below is built from them.
inline constexpr int MaxAttenuationRows = 37;
inline constexpr int GridRows = 45;

// Column of an attenuation row: the three partial coefficients (1/cm), then the energy.
inline constexpr int EnergyColumn = 4;

// The tables as the programs keep them; every index starts at 1, element 0 is unused.
// [row 1..37][col 1..3 coefficients 1/cm, col 4 energy keV]
using AttenuationRows = std::array<std::array<double, EnergyColumn + 1>, MaxAttenuationRows + 1>;
using GridColumn = std::array<double, GridRows + 1>; // [1..45]

struct MaterialTable {
    int RowCount = 0; // N
    AttenuationRows AttenuationTable{};
    GridColumn MomentumTransfer{}; // 1/angstrom
    GridColumn CumulativeWeight{};
    GridColumn FormFactor{};
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
// installed program (the data folder the build installs it to, found from
// QCoreApplication::applicationDirPath()).
QStringList materialFileCandidates(const QString &fileName = QString::fromLatin1(MaterialFileName));

// Finds the file among the candidates and reads it; on failure the report lists where it
// looked. The first candidate that exists is the one read: a broken file in the working
// directory is reported, not silently passed over for the installed one.
QString loadMaterialFile(MaterialBlocks blocks, MaterialTable &table,
                         const QString &fileName = QString::fromLatin1(MaterialFileName));

// The programs' default loader: loadMaterialFile for the blocks the program reads.
MaterialLoader materialFileLoader(MaterialBlocks blocks);

// How a program reads another material's file by its name; tests hand one in.
using MaterialFileReader = std::function<QString(const QString &fileName, MaterialTable &)>;
// loadMaterialFile of that name, for the blocks the program reads.
MaterialFileReader materialFileReader(MaterialBlocks blocks);

} // namespace common
