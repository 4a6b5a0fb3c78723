// SPDX-License-Identifier: MIT
#include "common/core/materialfile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <charconv>
#include <cmath>
#include <vector>

namespace common {

namespace {
// The reports and warnings in the translation system; the texts are written in English.
class MaterialFileText {
    Q_DECLARE_TR_FUNCTIONS(common::MaterialFile)
};
} // namespace

namespace {

constexpr int ItemsPerGridBlock = 3 * GridRows;
// Longer than any number written sensibly; a longer item is not a number we read.
constexpr int MaxItemLength = 64;

struct Item {
    double value;
    int line;
};

// Reads items as the file layout defines them: numbers separated by commas or line
// ends, blanks before an item skipped. A blank after a number also ends it, so
// "1.5 2.5" on one line is two items, as the layout's text reading has always taken
// it. A comma with nothing before it (",," or a trailing comma) is refused: it
// would shift every later number into the wrong column.
class ItemReader {
public:
    ItemReader(QIODevice &device, QString name) : device_(device), name_(std::move(name))
    {
        // Editors on some desktops start a saved text with a byte-order mark.
        if (device_.peek(3) == QByteArray("\xEF\xBB\xBF"))
            device_.skip(3);
    }

    // Reads up to `count` items; fewer only at the end of the file. "" or an error.
    QString read(int count, std::vector<Item> &items)
    {
        QByteArray &token = token_;
        int &tokenLine = tokenLine_;
        bool &afterComma = afterComma_;
        char c = 0;
        auto finish = [&]() -> QString {
            if (token.isEmpty())
                return QString();
            const int index = static_cast<int>(items.size()) + 1;
            double value = 0;
            if (!parse(token, value))
                return where(index, tokenLine) +
                       MaterialFileText::tr(": \"%1\" is not a number")
                           .arg(QString::fromUtf8(token.left(MaxItemLength)));
            items.push_back({value, tokenLine});
            token.clear();
            afterComma = false;
            return QString();
        };
        while (static_cast<int>(items.size()) < count && device_.getChar(&c)) {
            if (c == ',' || c == '\n') {
                if (c == ',' && token.isEmpty() && afterComma)
                    return where(static_cast<int>(items.size()) + 1, line_) +
                           MaterialFileText::tr(": an empty item between two commas");
                if (c == '\n' && token.isEmpty() && afterComma)
                    return where(static_cast<int>(items.size()) + 1, line_) +
                           MaterialFileText::tr(
                               ": the line ends with a comma and no item after it");
                if (QString error = finish(); !error.isEmpty())
                    return error;
                afterComma = c == ',';
                if (c == '\n')
                    ++line_;
            } else if (c == ' ' || c == '\t' || c == '\r') {
                if (QString error = finish(); !error.isEmpty())
                    return error;
            } else {
                if (token.isEmpty())
                    tokenLine = line_;
                if (token.size() >= MaxItemLength)
                    return where(static_cast<int>(items.size()) + 1, tokenLine) +
                           MaterialFileText::tr(
                               ": an item of more than %1 characters is not a number")
                               .arg(MaxItemLength);
                token.append(c);
            }
        }
        if (auto *file = qobject_cast<QFileDevice *>(&device_);
            file && file->error() != QFileDevice::NoError)
            return name_ + MaterialFileText::tr(": reading failed (%1)").arg(file->errorString());
        return finish();
    }

    QString where(int item, int line) const
    {
        return MaterialFileText::tr("%1: item %2 (line %3)").arg(name_).arg(item).arg(line);
    }
    int line() const { return line_; }

private:
    static bool parse(const QByteArray &token, double &value)
    {
        const char *first = token.constData();
        const char *last = first + token.size();
        if (*first == '+')
            ++first;
        // Plain decimal numbers only: no hexadecimal, no "inf" or "nan".
        for (const char *p = first; p != last; ++p)
            if (!((*p >= '0' && *p <= '9') || *p == '.' || *p == '-' || *p == '+' || *p == 'e' ||
                  *p == 'E'))
                return false;
        const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
        return error == std::errc() && end == last && std::isfinite(value);
    }

    QIODevice &device_;
    QString name_;
    int line_ = 1;
    // Kept between calls: the first call stops right after the header's second item.
    QByteArray token_;
    int tokenLine_ = 1;
    bool afterComma_ = false; // a comma with no item since
};

QString plural(int n, const char *one, const char *many)
{
    return QString::number(n) + QLatin1Char(' ') + QLatin1String(n == 1 ? one : many);
}

// What each program relies on in the values; a file that breaks it is refused at
// start-up instead of leading to a failed logarithm or a batch that never ends.
QString checkAttenuation(const MaterialTable &t, const std::vector<Item> &items,
                         const ItemReader &reader)
{
    auto at = [&](int row, int column) {
        const int item = 2 + 4 * (row - 1) + column; // column 1: energy, 2-4: coefficients
        return reader.where(item, items[static_cast<size_t>(item - 1)].line);
    };
    if (t.RowCount < 2)
        return reader.where(1, items[0].line) +
               MaterialFileText::tr(": %1, but at least 2 are needed to interpolate")
                   .arg(plural(t.RowCount, "attenuation row", "attenuation rows"));
    for (int i = 1; i <= t.RowCount; ++i) {
        const auto &row = t.AttenuationTable[static_cast<size_t>(i)];
        if (!(row[4] > 0))
            return at(i, 1) + MaterialFileText::tr(": the energy of row %1 is not positive").arg(i);
        for (int c = 1; c <= 3; ++c)
            if (!(row[static_cast<size_t>(c)] > 0))
                return at(i, c + 1) +
                       MaterialFileText::tr(": coefficient %1 of row %2 is not positive")
                           .arg(c)
                           .arg(i);
        if (i > 1 && !(row[4] > t.AttenuationTable[static_cast<size_t>(i - 1)][4]))
            return at(i, 1) +
                   MaterialFileText::tr(": the energies must rise from row to row, but row %1 "
                                        "(%2 keV) does not lie above row %3 (%4 keV)")
                       .arg(i)
                       .arg(row[4])
                       .arg(i - 1)
                       .arg(t.AttenuationTable[static_cast<size_t>(i - 1)][4]);
    }
    const double last = t.AttenuationTable[static_cast<size_t>(t.RowCount)][4];
    if (last < 1000)
        return at(t.RowCount, 1) +
               MaterialFileText::tr(": the last row is at %1 keV, but the rows must reach 1000 keV "
                                    "(1 in the file) to cover every energy the program accepts")
                   .arg(last);
    return QString();
}

QString checkGrid(const MaterialTable &t, const std::vector<Item> &items, const ItemReader &reader)
{
    const int base = 2 + 4 * t.RowCount;
    auto at = [&](int block, int row, int column) {
        const int item = base + (block == 5 ? ItemsPerGridBlock : 0) + 3 * (row - 1) + column;
        return reader.where(item, items[static_cast<size_t>(item - 1)].line);
    };
    for (int i = 1; i <= GridRows; ++i) {
        const auto u = static_cast<size_t>(i);
        if (!(t.MomentumTransfer[u] > 0))
            return at(4, i, 1) +
                   MaterialFileText::tr(": momentum transfer %1 is not positive").arg(i);
        if (i > 1 && !(t.MomentumTransfer[u] > t.MomentumTransfer[u - 1]))
            return at(4, i, 1) +
                   MaterialFileText::tr(": the momentum transfers must rise from row to row, but "
                                        "row %1 does not lie above row %2")
                       .arg(i)
                       .arg(i - 1);
        if (i > 1 && t.CumulativeWeight[u] < t.CumulativeWeight[u - 1])
            return at(4, i, 2) +
                   MaterialFileText::tr(": the cumulative weights must never decrease, but row %1 "
                                        "lies below row %2")
                       .arg(i)
                       .arg(i - 1);
    }
    if (t.CumulativeWeight[1] != 0)
        return at(4, 1, 2) + MaterialFileText::tr(": the cumulative weight of row 1 must be 0");
    if (!(t.CumulativeWeight[GridRows] > 0))
        return at(4, GridRows, 2) +
               MaterialFileText::tr(": the cumulative weight of row 45 must be positive");
    return QString();
}

QString readMaterial(QIODevice &device, const QString &name, MaterialBlocks blocks,
                     MaterialTable &table)
{
    table = MaterialTable{};
    ItemReader reader(device, name);
    std::vector<Item> items;
    if (QString error = reader.read(2, items); !error.isEmpty())
        return error;
    if (items.empty())
        return name + MaterialFileText::tr(": the file is empty; it must start with the number of "
                                           "attenuation rows");
    const double n = items[0].value;
    if (n != std::floor(n) || n < 0 || n > MaxAttenuationRows)
        return reader.where(1, items[0].line) +
               MaterialFileText::tr(
                   ": the number of attenuation rows is %1, but it must be a whole "
                   "number from 0 to %2")
                   .arg(n)
                   .arg(MaxAttenuationRows);
    const int rows = static_cast<int>(n);
    const int needed = 2 + 4 * rows + (blocks == MaterialBlocks::All ? 2 * ItemsPerGridBlock : 0);
    if (QString error = reader.read(needed, items); !error.isEmpty())
        return error;
    if (static_cast<int>(items.size()) < needed) {
        const int have = static_cast<int>(items.size());
        return name + MaterialFileText::tr(": the file ends after item %1 (line %2), but %3 items "
                                           "are needed (%4)")
                          .arg(have)
                          .arg(have > 0 ? items.back().line : 1)
                          .arg(needed)
                          .arg(blocks == MaterialBlocks::All
                                   ? MaterialFileText::tr("the header, %1 and the two 45-row "
                                                          "form-factor blocks")
                                         .arg(plural(rows, "attenuation row", "attenuation rows"))
                                   : MaterialFileText::tr("the header and %1")
                                         .arg(plural(rows, "attenuation row", "attenuation rows")));
    }

    MaterialTable t;
    t.RowCount = rows;
    size_t k = 2;
    for (int i = 1; i <= rows; ++i) {
        auto &row = t.AttenuationTable[static_cast<size_t>(i)];
        row[4] = 1000 * items[k++].value; // MeV in the file, keV in the programs
        for (int c = 1; c <= 3; ++c)
            row[static_cast<size_t>(c)] = items[k++].value;
    }
    if (blocks == MaterialBlocks::All) {
        for (size_t i = 1; i <= GridRows; ++i) {
            t.MomentumTransfer[i] = items[k++].value;
            t.CumulativeWeight[i] = items[k++].value;
            ++k; // third number: not used
        }
        for (size_t i = 1; i <= GridRows; ++i) {
            ++k; // first number: not used
            t.FormFactor[i] = items[k++].value;
            ++k;
        }
        if (QString error = checkGrid(t, items, reader); !error.isEmpty())
            return error;
    } else if (QString error = checkAttenuation(t, items, reader); !error.isEmpty()) {
        return error;
    }
    table = t;
    return QString();
}

} // namespace

QString readMaterialText(const QByteArray &text, const QString &fileName, MaterialBlocks blocks,
                         MaterialTable &table)
{
    QByteArray copy = text;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return readMaterial(buffer, fileName, blocks, table);
}

QString readMaterialFile(const QString &path, MaterialBlocks blocks, MaterialTable &table)
{
    table = MaterialTable{};
    const QString name = QDir::toNativeSeparators(path);
    if (QFileInfo(path).isDir())
        return name + MaterialFileText::tr(": this is a folder, not the data file");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return name + MaterialFileText::tr(": cannot be opened (%1)").arg(file.errorString());
    return readMaterial(file, name, blocks, table);
}

QStringList materialFileCandidates(const QString &fileName)
{
    return {QDir::current().absoluteFilePath(fileName),
            QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                            QStringLiteral(MCT_DATA_FROM_BINDIR) + QLatin1Char('/') + fileName)};
}

QString loadMaterialFile(MaterialBlocks blocks, MaterialTable &table, const QString &fileName)
{
    const QStringList candidates = materialFileCandidates(fileName);
    for (const QString &path : candidates)
        if (QFileInfo::exists(path))
            return readMaterialFile(path, blocks, table);
    table = MaterialTable{};
    QString report =
        MaterialFileText::tr("The data file %1 was not found. Looked in:").arg(fileName);
    for (const QString &path : candidates)
        report += QStringLiteral("\n  ") + QDir::toNativeSeparators(path);
    return report;
}

MaterialLoader materialFileLoader(MaterialBlocks blocks)
{
    return [blocks](MaterialTable &table) { return loadMaterialFile(blocks, table); };
}

MaterialFileReader materialFileReader(MaterialBlocks blocks)
{
    return [blocks](const QString &fileName, MaterialTable &table) {
        return loadMaterialFile(blocks, table, fileName);
    };
}

} // namespace common
