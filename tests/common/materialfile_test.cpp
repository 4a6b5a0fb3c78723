// SPDX-License-Identifier: MIT
#include "materialfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using common::MaterialBlocks;
using common::MaterialTable;

// A small but complete material file, as a list of rows of item texts, so that a case
// can change one item, cut the file or lay the same items out differently.
struct Rows {
    std::vector<std::vector<std::string>> rows;

    std::vector<std::string> items() const {
        std::vector<std::string> all;
        for (const auto &row : rows)
            all.insert(all.end(), row.begin(), row.end());
        return all;
    }
    // Item n counted from 1 over the whole file, as the reports count.
    Rows &set(std::size_t n, const std::string &text) {
        for (auto &row : rows) {
            if (n <= row.size()) {
                row[n - 1] = text;
                return *this;
            }
            n -= row.size();
        }
        ADD_FAILURE() << "no item " << n;
        return *this;
    }
    Rows &keepItems(std::size_t count) {
        std::size_t kept = 0;
        for (auto &row : rows) {
            if (kept + row.size() > count)
                row.resize(count - kept);
            kept += row.size();
        }
        return *this;
    }
};

std::string number(double v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.10g", v);
    return buffer;
}

// Row i of the attenuation block: energies 0.01 i MeV, the last 1.5 MeV; coefficient c
// of row i is i + c/10, so a value put into the wrong place shows.
Rows sampleRows(int n, bool withGrid = true) {
    Rows r;
    r.rows.push_back({number(n), "0"});
    for (int i = 1; i <= n; ++i) {
        const double energy = i == n ? 1.5 : 0.01 * i;
        r.rows.push_back({number(energy), number(i + 0.1), number(i + 0.2), number(i + 0.3)});
    }
    if (withGrid) {
        for (int i = 1; i <= 45; ++i)
            r.rows.push_back({number(0.01 * i), number(0.5 * (i - 1) * (i - 1)), "7"});
        for (int i = 1; i <= 45; ++i)
            r.rows.push_back({number(0.01 * i), number(8 - 0.1 * i), "9"});
    }
    return r;
}

enum class Layout { CommaRows, OnePerLine, BlankColumns, WindowsLineEnds, OneLine, PaddedCommas };

QByteArray write(const Rows &r, Layout layout = Layout::CommaRows) {
    std::string out;
    switch (layout) {
    case Layout::OnePerLine:
        for (const auto &item : r.items())
            out += item + "\n";
        break;
    case Layout::OneLine:
        for (const auto &item : r.items())
            out += item + ",";
        out += "\n";
        break;
    default:
        for (const auto &row : r.rows) {
            for (std::size_t k = 0; k < row.size(); ++k) {
                if (k > 0)
                    out += layout == Layout::BlankColumns   ? "   "
                           : layout == Layout::PaddedCommas ? " ,\t "
                                                            : ",";
                out += row[k];
            }
            out += layout == Layout::WindowsLineEnds ? "\r\n" : "\n";
        }
    }
    return QByteArray::fromStdString(out);
}

QByteArray withExtraItems(QByteArray text) {
    return text + "99,98,97\nnot even numbers\n";
}

void expectOutcome(const QString &report, const char *expected) {
    if (expected == nullptr) {
        EXPECT_TRUE(report.isEmpty()) << report.toStdString();
        return;
    }
    ASSERT_FALSE(report.isEmpty()) << "expected a report containing: " << expected;
    EXPECT_TRUE(report.contains(QString::fromUtf8(expected))) << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("sample.dat"))) << report.toStdString();
}

// One file variant and what each program makes of it: nullptr for success, otherwise a
// fragment the report must contain (where the fault is, and what it is).
struct VariantCase {
    const char *name;
    std::function<QByteArray()> text;
    const char *attenuation; // Stelmo: blocks 1-3
    const char *all;         // Rhunel: blocks 1-5
};

class FileVariant : public ::testing::TestWithParam<VariantCase> {};

TEST_P(FileVariant, GivesTheExpectedOutcomeInEachProgram) {
    const VariantCase &c = GetParam();
    const QByteArray text = c.text();
    MaterialTable table;
    expectOutcome(common::readMaterialText(text, "sample.dat", MaterialBlocks::Attenuation, table),
                  c.attenuation);
    expectOutcome(common::readMaterialText(text, "sample.dat", MaterialBlocks::All, table), c.all);
}

// Items of a file with N = 3: 1 = N, 2 = header, 3..14 attenuation rows (energy first),
// 15..149 sampling grid (x, W, third), 150..284 form-factor rows.
constexpr int gridStart = 15;

INSTANTIATE_TEST_SUITE_P(
    Variants, FileVariant,
    ::testing::Values(
        VariantCase{"Complete", [] { return write(sampleRows(3)); }, nullptr, nullptr},
        VariantCase{
            "NoAttenuationRows", [] { return write(sampleRows(0)); },
            "Item 1 (line 1), the row count N is 0; the attenuation lookup needs at least 2",
            nullptr},
        VariantCase{"OneAttenuationRow", [] { return write(sampleRows(1)); }, "at least 2 rows",
                    nullptr},
        VariantCase{"ThirtySevenRows", [] { return write(sampleRows(37)); }, nullptr, nullptr},
        VariantCase{"ThirtyEightRows", [] { return write(sampleRows(38)); },
                    "row count N is 38; it must be a whole number from 0 to 37",
                    "row count N is 38"},
        VariantCase{"NegativeRowCount", [] { return write(sampleRows(3).set(1, "-1")); },
                    "row count N is -1", "row count N is -1"},
        VariantCase{"FractionalRowCount", [] { return write(sampleRows(3).set(1, "2.5")); },
                    "whole number", "whole number"},
        VariantCase{"EndsAfterAttenuationRows", [] { return write(sampleRows(3, false)); }, nullptr,
                    "ends early, after item 14 on line 4: the momentum transfer x of "
                    "sampling-grid row 1 was expected as item 15, and 284 items in all"},
        VariantCase{"EndsInsideAttenuationRows",
                    [] { return write(sampleRows(3).keepItems(9), Layout::OnePerLine); },
                    "after item 9 on line 9: coefficient 3 of attenuation row 2 was expected as "
                    "item 10",
                    "after item 9 on line 9"},
        VariantCase{"EndsInsideFormFactorRows", [] { return write(sampleRows(3).keepItems(283)); },
                    nullptr, "the third number of form-factor row 45 was expected as item 284"},
        VariantCase{"ExtraItemsIgnored", [] { return withExtraItems(write(sampleRows(3))); },
                    nullptr, nullptr},
        VariantCase{"EmptyFile", [] { return QByteArray(); }, "no numbers at all",
                    "no numbers at all"},
        VariantCase{"BlanksOnly", [] { return QByteArray(" \r\n\n\t \n"); }, "no numbers at all",
                    "no numbers at all"},
        VariantCase{"WordInsteadOfNumber", [] { return write(sampleRows(3).set(5, "abc")); },
                    "Item 5 (line 2), coefficient 2 of attenuation row 1 is \"abc\"",
                    "Item 5 (line 2)"},
        VariantCase{"NumberWithUnit", [] { return write(sampleRows(3).set(3, "0.01MeV")); },
                    "is \"0.01MeV\", which is not a finite decimal number", "\"0.01MeV\""},
        VariantCase{"DecimalComma", [] { return write(sampleRows(3).set(4, "1;1")); }, "\"1;1\"",
                    "\"1;1\""},
        VariantCase{"InfinityInGridNotReadByStelmo",
                    [] { return write(sampleRows(3).set(gridStart + 3, "inf")); }, nullptr,
                    "Item 18 (line 6), the momentum transfer x of sampling-grid row 2 is \"inf\""},
        VariantCase{"NanFormFactor", [] { return write(sampleRows(3).set(151, "nan")); }, nullptr,
                    "the form factor F of form-factor row 1 is \"nan\""},
        VariantCase{"OverflowingNumber", [] { return write(sampleRows(3).set(6, "1e999")); },
                    "\"1e999\"", "\"1e999\""},
        VariantCase{"TwoCommasInARow", [] { return QByteArray("3,0,0.01,1,,2,3\n"); },
                    "Item 5 (line 1), coefficient 2 of attenuation row 1 is empty",
                    "Item 5 (line 1)"},
        VariantCase{"LeadingComma", [] { return QByteArray(",3,0\n"); }, "Item 1 (line 1)",
                    "Item 1 (line 1)"},
        // Stelmo's requirements; Rhunel does not use the attenuation rows.
        VariantCase{"EnergiesNotRising", [] { return write(sampleRows(3).set(7, "0.01")); },
                    "Item 7 (line 3), the energy of attenuation row 2 is 0.01 MeV, not above the "
                    "0.01 MeV of row 1",
                    nullptr},
        VariantCase{"ZeroEnergy", [] { return write(sampleRows(3).set(3, "0")); },
                    "the energy of attenuation row 1 is 0; it must be positive", nullptr},
        VariantCase{"NegativeCoefficient", [] { return write(sampleRows(3).set(14, "-0.3")); },
                    "Item 14 (line 4), coefficient 3 of attenuation row 3 is -0.3", nullptr},
        VariantCase{"ZeroCoefficient", [] { return write(sampleRows(3).set(4, "0")); },
                    "coefficient 1 of attenuation row 1 is 0", nullptr},
        VariantCase{"TableEndsBelowOneMeV", [] { return write(sampleRows(3).set(11, "0.999")); },
                    "the energy of attenuation row 3 is 0.999 MeV; the last row must reach at "
                    "least 1 MeV",
                    nullptr},
        VariantCase{"TableEndsAtOneMeV", [] { return write(sampleRows(3).set(11, "1")); }, nullptr,
                    nullptr},
        // Rhunel's requirements; Stelmo never reads blocks 4 and 5.
        VariantCase{"ZeroMomentumTransfer", [] { return write(sampleRows(3).set(gridStart, "0")); },
                    nullptr,
                    "the momentum transfer x of sampling-grid row 1 is 0; it must be "
                    "positive"},
        VariantCase{"MomentumTransferNotRising",
                    [] { return write(sampleRows(3).set(gridStart + 3 * 44, "0.44")); }, nullptr,
                    "x of sampling-grid row 45 is 0.44, not above the 0.44 of row 44"},
        VariantCase{"WeightNotStartingAtZero",
                    [] { return write(sampleRows(3).set(gridStart + 1, "0.1")); }, nullptr,
                    "the cumulative weight W of sampling-grid row 1 is 0.1; the cumulative "
                    "weight must start at 0"},
        VariantCase{"WeightDecreasing",
                    [] { return write(sampleRows(3).set(gridStart + 3 * 9 + 1, "1")); }, nullptr,
                    "the cumulative weight W of sampling-grid row 10 is 1, below the 32 of row 9"},
        VariantCase{"WeightTotalZero",
                    [] {
                        Rows r = sampleRows(3);
                        for (int i = 2; i <= 45; ++i)
                            r.set(gridStart + 3 * (i - 1) + 1, "0");
                        return write(r);
                    },
                    nullptr, "W of sampling-grid row 45 is 0; the total weight must be positive"},
        VariantCase{"FlatWeightStretchAllowed",
                    [] { return write(sampleRows(3).set(gridStart + 3 * 1 + 1, "0")); }, nullptr,
                    nullptr}),
    [](const auto &info) { return std::string(info.param.name); });

// The same items, however laid out, give the same tables in both programs.
class LayoutOfItems : public ::testing::TestWithParam<std::pair<const char *, Layout>> {};

TEST_P(LayoutOfItems, GivesTheSameTables) {
    const Rows rows = sampleRows(37);
    for (MaterialBlocks blocks : {MaterialBlocks::Attenuation, MaterialBlocks::All}) {
        MaterialTable reference;
        MaterialTable table;
        ASSERT_EQ(common::readMaterialText(write(rows), "sample.dat", blocks, reference),
                  QString());
        const QString report =
            common::readMaterialText(write(rows, GetParam().second), "sample.dat", blocks, table);
        ASSERT_TRUE(report.isEmpty()) << report.toStdString();
        EXPECT_EQ(table.RowCount, reference.RowCount);
        EXPECT_EQ(table.AttenuationTable, reference.AttenuationTable);
        EXPECT_EQ(table.MomentumTransfer, reference.MomentumTransfer);
        EXPECT_EQ(table.CumulativeWeight, reference.CumulativeWeight);
        EXPECT_EQ(table.FormFactor, reference.FormFactor);
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, LayoutOfItems,
                         ::testing::Values(std::pair{"OnePerLine", Layout::OnePerLine},
                                           std::pair{"BlankColumns", Layout::BlankColumns},
                                           std::pair{"WindowsLineEnds", Layout::WindowsLineEnds},
                                           std::pair{"AllOnOneLine", Layout::OneLine},
                                           std::pair{"BlanksAroundCommas", Layout::PaddedCommas}),
                         [](const auto &info) { return std::string(info.param.first); });

TEST(MaterialText, PutsEachItemInItsPlace) {
    Rows rows = sampleRows(3);
    rows.set(3, "0.1"); // energy of row 1, in MeV
    MaterialTable table;
    ASSERT_EQ(common::readMaterialText(write(rows), "sample.dat", MaterialBlocks::All, table),
              QString());
    EXPECT_EQ(table.RowCount, 3);
    EXPECT_DOUBLE_EQ(table.AttenuationTable[1][4], 100.0);
    EXPECT_DOUBLE_EQ(table.AttenuationTable[3][4], 1500.0);
    for (int row = 1; row <= 3; ++row)
        for (int c = 1; c <= 3; ++c)
            EXPECT_DOUBLE_EQ(table.AttenuationTable[row][c], row + c / 10.0) << row << "," << c;
    EXPECT_EQ(table.AttenuationTable[4], (std::array<double, 5>{}));
    EXPECT_EQ(table.AttenuationTable[0], (std::array<double, 5>{}));
    for (int i = 1; i <= 45; ++i) {
        EXPECT_DOUBLE_EQ(table.MomentumTransfer[i], 0.01 * i);
        EXPECT_DOUBLE_EQ(table.CumulativeWeight[i], 0.5 * (i - 1) * (i - 1));
        EXPECT_DOUBLE_EQ(table.FormFactor[i], 8 - 0.1 * i);
    }
    EXPECT_EQ(table.MomentumTransfer[0], 0.0);
}

TEST(MaterialText, StelmoLeavesTheFormFactorBlocksUnread) {
    MaterialTable table;
    ASSERT_EQ(common::readMaterialText(write(sampleRows(3)), "sample.dat",
                                       MaterialBlocks::Attenuation, table),
              QString());
    EXPECT_EQ(table.MomentumTransfer, (std::array<double, 46>{}));
    EXPECT_EQ(table.FormFactor, (std::array<double, 46>{}));
}

TEST(MaterialText, FailureLeavesNoPartialTable) {
    MaterialTable table;
    ASSERT_EQ(
        common::readMaterialText(write(sampleRows(3)), "sample.dat", MaterialBlocks::All, table),
        QString());
    // The first rows are fine; the file breaks further on.
    const QByteArray broken = write(sampleRows(3).set(200, "x"));
    EXPECT_FALSE(
        common::readMaterialText(broken, "sample.dat", MaterialBlocks::All, table).isEmpty());
    EXPECT_EQ(table.RowCount, 0);
    EXPECT_EQ(table.AttenuationTable, (std::array<std::array<double, 5>, 38>{}));
    EXPECT_EQ(table.MomentumTransfer, (std::array<double, 46>{}));
}

TEST(MaterialText, CountsLinesWithWindowsLineEnds) {
    const QByteArray text = write(sampleRows(3).set(11, "oops"), Layout::WindowsLineEnds);
    MaterialTable table;
    const QString report =
        common::readMaterialText(text, "sample.dat", MaterialBlocks::Attenuation, table);
    EXPECT_TRUE(report.contains(QStringLiteral("Item 11 (line 4)"))) << report.toStdString();
}

TEST(MaterialText, SkipsAByteOrderMark) {
    MaterialTable table;
    EXPECT_EQ(common::readMaterialText("\xEF\xBB\xBF" + write(sampleRows(3)), "sample.dat",
                                       MaterialBlocks::All, table),
              QString());
    EXPECT_EQ(table.RowCount, 3);
}

// Files on disk and where the programs look for them.
class MaterialFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        previous = QDir::currentPath();
    }
    void TearDown() override { QDir::setCurrent(previous); }

    QString put(const QString &folder, const QByteArray &text) {
        QDir().mkpath(folder);
        const QString path = QDir(folder).filePath(QString::fromLatin1(common::MaterialFileName));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path;
    }

    QTemporaryDir dir;
    QString previous;
};

TEST_F(MaterialFileOnDisk, ReadsAFile) {
    const QString path = put(dir.path(), write(sampleRows(3)));
    MaterialTable table;
    EXPECT_EQ(common::readMaterialFile(path, MaterialBlocks::All, table), QString());
    EXPECT_EQ(table.RowCount, 3);
}

TEST_F(MaterialFileOnDisk, ReportsAMissingFileByName) {
    const QString path = dir.filePath(QStringLiteral("absent.dat"));
    MaterialTable table;
    const QString report = common::readMaterialFile(path, MaterialBlocks::Attenuation, table);
    EXPECT_TRUE(report.contains(path)) << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("does not exist"))) << report.toStdString();
}

TEST_F(MaterialFileOnDisk, ReportsAFolderInsteadOfAFile) {
    MaterialTable table;
    const QString report = common::readMaterialFile(dir.path(), MaterialBlocks::All, table);
    EXPECT_TRUE(report.contains(QStringLiteral("folder"))) << report.toStdString();
}

TEST_F(MaterialFileOnDisk, ReportsAnUnreadableFile) {
    const QString path = put(dir.path(), write(sampleRows(3)));
    QFile::setPermissions(path, QFileDevice::Permissions());
    QFile probe(path);
    if (probe.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "running with rights that read any file";
    MaterialTable table;
    const QString report = common::readMaterialFile(path, MaterialBlocks::All, table);
    EXPECT_TRUE(report.contains(QStringLiteral("cannot be opened"))) << report.toStdString();
}

TEST_F(MaterialFileOnDisk, LooksInTheWorkingDirectoryThenBesideTheProgram) {
    QDir::setCurrent(dir.path());
    const QStringList candidates = common::materialFileCandidates();
    ASSERT_EQ(candidates.size(), 2);
    EXPECT_EQ(candidates[0], QDir(dir.path()).filePath(QStringLiteral("ICRU4.dat")));
    EXPECT_EQ(candidates[1],
              QDir::cleanPath(QCoreApplication::applicationDirPath() +
                              QStringLiteral("/../share/monte-carlo-teaching/ICRU4.dat")));
}

TEST_F(MaterialFileOnDisk, WorkingDirectoryWinsOverTheInstalledFile) {
    const QString installed = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                              QStringLiteral("/../share/monte-carlo-teaching"));
    if (QDir(installed).exists())
        GTEST_SKIP() << "an installed data folder already exists at " << installed.toStdString();
    // The test program's own build folder stands in for an installation.
    struct Cleanup {
        QString root;
        ~Cleanup() { QDir(root).removeRecursively(); }
    } cleanup{QDir::cleanPath(installed + QStringLiteral("/.."))};
    ASSERT_FALSE(QDir(cleanup.root).exists()) << "would remove a folder the test did not make";

    put(installed, write(sampleRows(2)));
    QDir::setCurrent(dir.path());
    MaterialTable table;
    EXPECT_EQ(common::loadMaterialFile(MaterialBlocks::All, table), QString());
    EXPECT_EQ(table.RowCount, 2) << "the installed file is used when the working folder has none";

    put(dir.path(), write(sampleRows(3)));
    EXPECT_EQ(common::loadMaterialFile(MaterialBlocks::All, table), QString());
    EXPECT_EQ(table.RowCount, 3) << "the working folder comes first";

    put(dir.path(), "garbage");
    const QString report = common::loadMaterialFile(MaterialBlocks::All, table);
    EXPECT_TRUE(report.contains(QDir(dir.path()).filePath(QStringLiteral("ICRU4.dat"))))
        << "a broken file in the working folder is reported, not passed over: "
        << report.toStdString();
}

TEST_F(MaterialFileOnDisk, ReportsEveryPlaceItLookedWhenNoneHasTheFile) {
    QDir::setCurrent(dir.path());
    MaterialTable table;
    const QString report = common::loadMaterialFile(MaterialBlocks::Attenuation, table);
    if (QFile::exists(common::materialFileCandidates().last()))
        GTEST_SKIP() << "an installed data file exists beside the test program";
    EXPECT_TRUE(report.contains(QStringLiteral("not found"))) << report.toStdString();
    for (const QString &place : common::materialFileCandidates()) {
        EXPECT_TRUE(report.contains(place)) << report.toStdString();
    }
}

} // namespace
