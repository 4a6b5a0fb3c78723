// SPDX-License-Identifier: MIT
#include "common/core/materialfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using common::MaterialBlocks;
using common::MaterialTable;

namespace {

// A small, valid file: N attenuation rows (energies in MeV, three coefficients) and the
// two 45-row grid blocks. Options let each case break exactly one thing.
struct FileLayout {
    int rows = 3;
    QString rowCountText; // overrides N as written
    double lastEnergyMeV = 1.5;
    std::function<void(int, double &, double &, double &, double &)> editRow;
    std::function<void(int, double &, double &)> editGrid; // x, W
    bool withGrid = true;
    QString separator = QStringLiteral(",");
    QString lineEnd = QStringLiteral("\n");
    QString tail;
};

QString num(double v) { return QString::number(v, 'g', 17); }

QString makeFile(const FileLayout &s)
{
    QString out = (s.rowCountText.isEmpty() ? QString::number(s.rows) : s.rowCountText) +
                  s.separator + QStringLiteral("4") + s.lineEnd;
    for (int i = 1; i <= s.rows; ++i) {
        double e = s.rows == 1
                       ? s.lastEnergyMeV
                       : 0.001 * std::pow(s.lastEnergyMeV / 0.001, (i - 1.0) / (s.rows - 1));
        double a = 1.0 / i, b = 0.5 / i, c = 0.25 + i;
        if (s.editRow)
            s.editRow(i, e, a, b, c);
        out +=
            num(e) + s.separator + num(a) + s.separator + num(b) + s.separator + num(c) + s.lineEnd;
    }
    if (s.withGrid) {
        for (int i = 1; i <= 45; ++i) {
            double x = 0.01 * std::pow(1.25, i - 1), w = (i - 1) * 0.5;
            if (s.editGrid)
                s.editGrid(i, x, w);
            out += num(x) + s.separator + num(w) + s.separator + QStringLiteral("0") + s.lineEnd;
        }
        for (int i = 1; i <= 45; ++i)
            out += num(0.01 * std::pow(1.25, i - 1)) + s.separator + num(8.0 / i) + s.separator +
                   QStringLiteral("0") + s.lineEnd;
    }
    return out + s.tail;
}

QString read(const QString &text, MaterialBlocks blocks, MaterialTable &table)
{
    return common::readMaterialText(text.toUtf8(), QStringLiteral("ICRU4.dat"), blocks, table);
}

struct Case {
    const char *name;
    QString text;
    bool stelmoOk;             // blocks 1-3, checked for the attenuation lookup
    bool rhunelOk;             // everything, checked for the angle sampler
    const char *expectedError; // a part of the report of the program(s) that refuse
};

// Rows print by name (the whole struct would show its padding bytes).
void PrintTo(const Case &c, std::ostream *os) { *os << c.name; }

FileLayout layout(std::function<void(FileLayout &)> edit)
{
    FileLayout s;
    edit(s);
    return s;
}

class MaterialFileVariants : public ::testing::TestWithParam<Case> {};

TEST_P(MaterialFileVariants, ServeOrFailEachProgram)
{
    const Case &c = GetParam();
    for (MaterialBlocks blocks : {MaterialBlocks::Attenuation, MaterialBlocks::All}) {
        const bool ok = blocks == MaterialBlocks::All ? c.rhunelOk : c.stelmoOk;
        MaterialTable table;
        const QString report = read(c.text, blocks, table);
        SCOPED_TRACE(blocks == MaterialBlocks::All ? "all blocks" : "attenuation rows");
        if (ok) {
            EXPECT_TRUE(report.isEmpty()) << report.toStdString();
        } else {
            EXPECT_TRUE(report.startsWith(QStringLiteral("ICRU4.dat: "))) << report.toStdString();
            EXPECT_TRUE(report.contains(QString::fromUtf8(c.expectedError)))
                << report.toStdString();
            EXPECT_EQ(table.RowCount, 0) << "a refused file leaves no partial table";
            EXPECT_EQ(table.AttenuationTable[1][4], 0.0);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, MaterialFileVariants,
    ::testing::Values(
        Case{"Complete", makeFile({}), true, true, ""},
        Case{"NoAttenuationRows", makeFile(layout([](FileLayout &s) { s.rows = 0; })), false, true,
             "at least 2 are needed"},
        Case{"OneRow", makeFile(layout([](FileLayout &s) { s.rows = 1; })), false, true,
             "1 attenuation row, but at least 2"},
        Case{"ThirtySevenRows", makeFile(layout([](FileLayout &s) { s.rows = 37; })), true, true,
             ""},
        Case{"ThirtyEightRows", makeFile(layout([](FileLayout &s) { s.rows = 38; })), false, false,
             "item 1 (line 1): the number of attenuation rows is 38"},
        Case{"NegativeRowCount", makeFile(layout([](FileLayout &s) { s.rowCountText = "-1"; })),
             false, false, "whole number from 0 to 37"},
        Case{"FractionalRowCount", makeFile(layout([](FileLayout &s) { s.rowCountText = "2.5"; })),
             false, false, "whole number from 0 to 37"},
        Case{"EndsAfterTheAttenuationRows",
             makeFile(layout([](FileLayout &s) { s.withGrid = false; })), true, false,
             "the file ends after item 14 (line 4), but 284 items are needed"},
        Case{"EndsInsideTheRows", QStringLiteral("3,4\n0.001,1,2,3\n0.01,1"), false, false,
             "the file ends after item 8 (line 3), but "},
        Case{"ByteOrderMark", QStringLiteral("\uFEFF") + makeFile({}), true, true, ""},
        Case{"Empty", QString(), false, false, "the file is empty"},
        Case{"OnlyBlanks", QStringLiteral("  \n\n \t\n"), false, false, "the file is empty"},
        Case{"NotANumber", QStringLiteral("3,4\n0.001,abc,2,3\n"), false, false,
             "item 4 (line 2): \"abc\" is not a number"},
        Case{"Infinity", QStringLiteral("3,inf\n"), false, false, "\"inf\" is not a number"},
        Case{"Hexadecimal", QStringLiteral("0x3,4\n"), false, false, "\"0x3\" is not a number"},
        Case{"Overflow", QStringLiteral("3,1e999\n"), false, false, "\"1e999\" is not a number"},
        Case{"TwoCommas", QStringLiteral("3,,4\n"), false, false,
             "item 2 (line 1): an empty item between two commas"},
        Case{"TrailingComma", QStringLiteral("3,4,\n0.001,1,2,3\n"), false, false,
             "the line ends with a comma"},
        Case{"HugeItem", QStringLiteral("3,") + QString(100000, QLatin1Char('7')), false, false,
             "more than 64 characters"},
        Case{"EnergiesNotRising", makeFile(layout([](FileLayout &s) {
                 s.editRow = [](int i, double &e, double &, double &, double &) {
                     if (i == 2)
                         e = 0.001;
                 };
             })),
             false, true, "row 2 (1 keV) does not lie above row 1 (1 keV)"},
        Case{"ZeroCoefficient", makeFile(layout([](FileLayout &s) {
                 s.editRow = [](int i, double &, double &, double &b, double &) {
                     if (i == 3)
                         b = 0;
                 };
             })),
             false, true, "item 13 (line 4): coefficient 2 of row 3 is not positive"},
        Case{"NegativeEnergy", makeFile(layout([](FileLayout &s) {
                 s.editRow = [](int i, double &e, double &, double &, double &) {
                     if (i == 1)
                         e = -0.001;
                 };
             })),
             false, true, "the energy of row 1 is not positive"},
        Case{"StopsBelowOneMeV", makeFile(layout([](FileLayout &s) { s.lastEnergyMeV = 0.5; })),
             false, true, "the last row is at 500 keV"},
        Case{"GridNotRising", makeFile(layout([](FileLayout &s) {
                 s.editGrid = [](int i, double &x, double &) {
                     if (i == 10)
                         x = 0.001;
                 };
             })),
             true, false, "row 10 does not lie above row 9"},
        Case{"GridNotPositive", makeFile(layout([](FileLayout &s) {
                 s.editGrid = [](int i, double &x, double &) {
                     if (i == 1)
                         x = 0;
                 };
             })),
             true, false, "momentum transfer 1 is not positive"},
        Case{"WeightsDecrease", makeFile(layout([](FileLayout &s) {
                 s.editGrid = [](int i, double &, double &w) {
                     if (i == 20)
                         w = 1;
                 };
             })),
             true, false, "row 20 lies below row 19"},
        Case{"WeightsDoNotStartAtZero", makeFile(layout([](FileLayout &s) {
                 s.editGrid = [](int, double &, double &w) { w += 1; };
             })),
             true, false, "the cumulative weight of row 1 must be 0"},
        Case{"AllWeightsZero", makeFile(layout([](FileLayout &s) {
                 s.editGrid = [](int, double &, double &w) { w = 0; };
             })),
             true, false, "the cumulative weight of row 45 must be positive"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(MaterialFile, LayoutOfItemsOverLinesDoesNotMatter)
{
    const FileLayout rows;
    FileLayout onePerLine;
    onePerLine.separator = QStringLiteral("\n");
    FileLayout windows;
    windows.lineEnd = QStringLiteral("\r\n");
    FileLayout blanks;
    blanks.separator = QStringLiteral(" ,  ");
    FileLayout blanksAlone;
    blanksAlone.separator = QStringLiteral("   ");
    MaterialTable reference;
    ASSERT_EQ(read(makeFile(rows), MaterialBlocks::All, reference), QString());
    for (const FileLayout *variant : {&onePerLine, &windows, &blanks, &blanksAlone}) {
        MaterialTable table;
        ASSERT_EQ(read(makeFile(*variant), MaterialBlocks::All, table), QString());
        EXPECT_EQ(table.RowCount, reference.RowCount);
        EXPECT_EQ(table.AttenuationTable, reference.AttenuationTable);
        EXPECT_EQ(table.MomentumTransfer, reference.MomentumTransfer);
        EXPECT_EQ(table.CumulativeWeight, reference.CumulativeWeight);
        EXPECT_EQ(table.FormFactor, reference.FormFactor);
    }
}

TEST(MaterialFile, KeepsWhatEachProgramReads)
{
    FileLayout s;
    s.rows = 2;
    s.editRow = [](int i, double &e, double &a, double &b, double &c) {
        e = i == 1 ? 0.1 : 2.0; // MeV
        a = 0.1 * i;
        b = 0.2 * i;
        c = 0.3 * i;
    };
    s.tail = QStringLiteral("99,98,97\n"); // extra items are ignored
    MaterialTable t;
    ASSERT_EQ(read(makeFile(s), MaterialBlocks::All, t), QString());
    EXPECT_EQ(t.RowCount, 2);
    EXPECT_DOUBLE_EQ(t.AttenuationTable[1][4], 100.0); // 0.1 MeV held as 100 keV
    EXPECT_DOUBLE_EQ(t.AttenuationTable[2][4], 2000.0);
    EXPECT_DOUBLE_EQ(t.AttenuationTable[2][1], 0.2);
    EXPECT_DOUBLE_EQ(t.AttenuationTable[2][3], 0.6);
    EXPECT_DOUBLE_EQ(t.MomentumTransfer[1], 0.01);
    EXPECT_DOUBLE_EQ(t.CumulativeWeight[45], 22.0);
    EXPECT_DOUBLE_EQ(t.FormFactor[2], 4.0);
    EXPECT_EQ(t.AttenuationTable[0], (std::array<double, 5>{}));

    MaterialTable attenuationOnly;
    ASSERT_EQ(read(makeFile(s), MaterialBlocks::Attenuation, attenuationOnly), QString());
    EXPECT_EQ(attenuationOnly.AttenuationTable, t.AttenuationTable);
    EXPECT_EQ(attenuationOnly.MomentumTransfer[1], 0.0); // never read
}

TEST(MaterialFile, FilesOnDiskAndWhereTheyAreLookedFor)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    MaterialTable t;
    const QString missing = dir.filePath(QStringLiteral("ICRU4.dat"));
    QString report = common::readMaterialFile(missing, MaterialBlocks::All, t);
    EXPECT_TRUE(report.contains(QStringLiteral("cannot be opened"))) << report.toStdString();
    EXPECT_TRUE(report.startsWith(QDir::toNativeSeparators(missing)));
    report = common::readMaterialFile(dir.path(), MaterialBlocks::All, t);
    EXPECT_TRUE(report.contains(QStringLiteral("folder"))) << report.toStdString();

    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const QStringList candidates = common::materialFileCandidates();
    ASSERT_EQ(candidates.size(), 2);
    EXPECT_EQ(candidates[0], dir.filePath(QStringLiteral("ICRU4.dat")));
    EXPECT_TRUE(candidates[1].endsWith(QStringLiteral("/share/monte-carlo-teaching/ICRU4.dat")));
    if (!QFile::exists(candidates[1])) {
        report = common::loadMaterialFile(MaterialBlocks::All, t);
        EXPECT_TRUE(report.contains(QStringLiteral("was not found")));
        EXPECT_TRUE(report.contains(QDir::toNativeSeparators(candidates[0])));
        EXPECT_TRUE(report.contains(QDir::toNativeSeparators(candidates[1])));
    }
    QFile f(candidates[0]);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(makeFile({}).toUtf8());
    f.close();
    EXPECT_EQ(common::loadMaterialFile(MaterialBlocks::All, t), QString());
    EXPECT_EQ(t.RowCount, 3);
    QDir::setCurrent(previous);
}

} // namespace
