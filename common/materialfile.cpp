// SPDX-License-Identifier: MIT
#include "materialfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <charconv>
#include <cmath>
#include <optional>
#include <vector>

namespace common {

namespace {

constexpr int maxRowCount = 37;
constexpr int gridRows = 45;
constexpr int itemsPerGridBlock = 3 * gridRows;
constexpr double keVPerMeV = 1000.0;
// Stelmo admits energies below 1000 keV; some row must lie at or above each of them.
constexpr double highestRunEnergyKeV = 1000.0;

struct Item {
    double value = 0.0;
    int line = 0;
};

// Separators. A blank or tab alone also separates two numbers on one line: a number
// never contains a blank, so tables written in aligned columns read as they look,
// where taking "1.0 2.0" as one item would only turn a legible file into an error.
// A carriage return counts as a blank, so Windows line endings read like Unix ones.
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}
bool isSeparator(char c) {
    return isBlank(c) || c == '\n' || c == ',';
}

// Strict: the whole token must be a finite decimal number (from_chars alone would take
// "inf" and "nan", and stop quietly at a trailing letter).
std::optional<double> parseNumber(const QByteArray &token) {
    if (token.isEmpty())
        return std::nullopt;
    const char *first = token.constData();
    const char *last = first + token.size();
    if (*first == '+')
        ++first;
    for (const char *p = first; p != last; ++p) {
        const char c = *p;
        const bool allowed =
            (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E';
        if (!allowed)
            return std::nullopt;
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// What item n (counted from 1) of the file stands for, for the report.
QString describeItem(qsizetype n, int rowCount) {
    if (n == 1)
        return QStringLiteral("the row count N");
    if (n == 2)
        return QStringLiteral("the second header number");
    qsizetype k = n - 3;
    if (k < 4 * qsizetype(rowCount)) {
        const qsizetype row = k / 4 + 1;
        if (k % 4 == 0)
            return QStringLiteral("the energy of attenuation row %1").arg(row);
        return QStringLiteral("coefficient %1 of attenuation row %2").arg(k % 4).arg(row);
    }
    k -= 4 * qsizetype(rowCount);
    if (k < itemsPerGridBlock) {
        static const char *names[] = {"the momentum transfer x", "the cumulative weight W",
                                      "the third number"};
        return QStringLiteral("%1 of sampling-grid row %2")
            .arg(QLatin1String(names[k % 3]))
            .arg(k / 3 + 1);
    }
    k -= itemsPerGridBlock;
    static const char *names[] = {"the first number", "the form factor F", "the third number"};
    return QStringLiteral("%1 of form-factor row %2")
        .arg(QLatin1String(names[k % 3]))
        .arg(k / 3 + 1);
}

QString fileReport(const QString &fileName, const QString &detail) {
    return QStringLiteral("The material file \"%1\" cannot be used.\n\n%2")
        .arg(QDir::toNativeSeparators(fileName), detail);
}

QString where(qsizetype itemNumber, int line, int rowCount) {
    return QStringLiteral("Item %1 (line %2), %3")
        .arg(itemNumber)
        .arg(line)
        .arg(describeItem(itemNumber, rowCount));
}

// Splits the text into items, one at a time, keeping the line each starts on.
class ItemReader {
public:
    explicit ItemReader(const QByteArray &text) : text_(text) {
        if (text_.startsWith("\xEF\xBB\xBF")) // a UTF-8 byte-order mark, as some editors write
            pos_ = 3;
    }

    enum class Outcome { Number, End, NotANumber, Empty };

    // Reads the next item. A comma ends the item before it; a second comma with only
    // blanks or line ends since the last item (or a comma before the first item) stands
    // for an empty item, which is reported rather than read as 0.
    Outcome next(Item &item, QByteArray &token) {
        bool commaSeen = false;
        while (pos_ < text_.size() && isSeparator(text_[pos_])) {
            const char c = text_[pos_];
            if (c == '\n') {
                ++line_;
            } else if (c == ',') {
                if (commaSeen || count_ == 0) {
                    item.line = line_;
                    ++count_;
                    ++pos_;
                    return Outcome::Empty;
                }
                commaSeen = true;
            }
            ++pos_;
        }
        if (pos_ >= text_.size()) {
            item.line = line_;
            return Outcome::End;
        }
        const qsizetype start = pos_;
        while (pos_ < text_.size() && !isSeparator(text_[pos_]))
            ++pos_;
        token = text_.mid(start, pos_ - start);
        item.line = line_;
        ++count_;
        const std::optional<double> value = parseNumber(token);
        if (!value)
            return Outcome::NotANumber;
        item.value = *value;
        return Outcome::Number;
    }

    qsizetype count() const { return count_; }
    int line() const { return line_; }

private:
    const QByteArray &text_;
    qsizetype pos_ = 0;
    qsizetype count_ = 0;
    int line_ = 1;
};

QString shownToken(const QByteArray &token) {
    constexpr qsizetype shownLength = 24;
    QString text = QString::fromUtf8(token.left(shownLength));
    if (token.size() > shownLength)
        text += QStringLiteral("...");
    return text;
}

// Reads all the items a program needs, or says why it cannot.
QString readItems(const QByteArray &text, MaterialBlocks blocks, std::vector<Item> &items,
                  int &rowCount) {
    ItemReader reader(text);
    qsizetype needed = 2;
    rowCount = 0;
    while (qsizetype(items.size()) < needed) {
        Item item;
        QByteArray token;
        const qsizetype number = reader.count() + 1;
        switch (reader.next(item, token)) {
        case ItemReader::Outcome::End:
            if (items.empty())
                return QStringLiteral("The file holds no numbers at all (%1 line(s) read); "
                                      "the row count N was expected first.")
                    .arg(reader.line());
            return QStringLiteral("The file ends early, after item %1 on line %2: %3 was "
                                  "expected as item %4, and %5 items in all.")
                .arg(number - 1)
                .arg(items.back().line)
                .arg(describeItem(number, rowCount))
                .arg(number)
                .arg(needed);
        case ItemReader::Outcome::Empty:
            return where(number, item.line, rowCount) +
                   QStringLiteral(" is empty: two commas with no number between them.");
        case ItemReader::Outcome::NotANumber:
            return where(number, item.line, rowCount) +
                   QStringLiteral(" is \"%1\", which is not a finite decimal number.")
                       .arg(shownToken(token));
        case ItemReader::Outcome::Number:
            break;
        }
        items.push_back(item);
        if (items.size() == 1) {
            const double n = item.value;
            if (n != std::floor(n) || n < 0 || n > maxRowCount)
                return where(1, item.line, 0) +
                       QStringLiteral(" is %1; it must be a whole number from 0 to %2.")
                           .arg(n)
                           .arg(maxRowCount);
            rowCount = int(n);
            needed = 2 + 4 * qsizetype(rowCount);
            if (blocks == MaterialBlocks::All)
                needed += 2 * itemsPerGridBlock;
        }
    }
    return {};
}

// Stelmo's needs: at least two rows, energies rising strictly to at least 1000 keV,
// every value positive (its interpolation takes logarithms).
QString checkAttenuation(const std::vector<Item> &items, int rowCount) {
    if (rowCount < 2)
        return where(1, items[0].line, rowCount) +
               QStringLiteral(" is %1; the attenuation lookup needs at least 2 rows.")
                   .arg(rowCount);
    for (int row = 1; row <= rowCount; ++row) {
        const qsizetype first = 3 + 4 * qsizetype(row - 1);
        for (qsizetype k = first; k < first + 4; ++k) {
            const Item &item = items[k - 1];
            if (item.value <= 0)
                return where(k, item.line, rowCount) +
                       QStringLiteral(" is %1; it must be positive, since its logarithm is "
                                      "taken.")
                           .arg(item.value);
        }
        const Item &energy = items[first - 1];
        if (row > 1 && energy.value <= items[first - 5].value)
            return where(first, energy.line, rowCount) +
                   QStringLiteral(" is %1 MeV, not above the %2 MeV of row %3; the energies "
                                  "must rise strictly.")
                       .arg(energy.value)
                       .arg(items[first - 5].value)
                       .arg(row - 1);
    }
    const qsizetype lastEnergy = 3 + 4 * qsizetype(rowCount - 1);
    const Item &energy = items[lastEnergy - 1];
    if (energy.value * keVPerMeV < highestRunEnergyKeV)
        return where(lastEnergy, energy.line, rowCount) +
               QStringLiteral(" is %1 MeV; the last row must reach at least 1 MeV, so that "
                              "every energy the program runs lies inside the table.")
                   .arg(energy.value);
    return {};
}

// Rhunel's needs: x positive and rising strictly (it takes logarithms of x and divides by
// their differences); W a cumulative weight from 0 that ends positive.
QString checkGrid(const std::vector<Item> &items, int rowCount) {
    const qsizetype grid = 3 + 4 * qsizetype(rowCount);
    for (int row = 1; row <= gridRows; ++row) {
        const qsizetype xAt = grid + 3 * (row - 1);
        const Item &x = items[xAt - 1];
        if (x.value <= 0)
            return where(xAt, x.line, rowCount) +
                   QStringLiteral(" is %1; it must be positive.").arg(x.value);
        if (row > 1 && x.value <= items[xAt - 4].value)
            return where(xAt, x.line, rowCount) +
                   QStringLiteral(" is %1, not above the %2 of row %3; x must rise strictly.")
                       .arg(x.value)
                       .arg(items[xAt - 4].value)
                       .arg(row - 1);
        const Item &w = items[xAt];
        if (row == 1 && w.value != 0)
            return where(xAt + 1, w.line, rowCount) +
                   QStringLiteral(" is %1; the cumulative weight must start at 0.").arg(w.value);
        if (row > 1 && w.value < items[xAt - 3].value)
            return where(xAt + 1, w.line, rowCount) +
                   QStringLiteral(" is %1, below the %2 of row %3; the cumulative weight must "
                                  "never decrease.")
                       .arg(w.value)
                       .arg(items[xAt - 3].value)
                       .arg(row - 1);
    }
    const qsizetype lastW = grid + 3 * (gridRows - 1) + 1;
    if (items[lastW - 1].value <= 0)
        return where(lastW, items[lastW - 1].line, rowCount) +
               QStringLiteral(" is 0; the total weight must be positive, or no momentum "
                              "transfer can be sampled.");
    return {};
}

} // namespace

QString readMaterialText(const QByteArray &text, const QString &fileName, MaterialBlocks blocks,
                         MaterialTable &table) {
    table = MaterialTable{};
    std::vector<Item> items;
    int rowCount = 0;
    QString problem = readItems(text, blocks, items, rowCount);
    if (problem.isEmpty())
        problem = blocks == MaterialBlocks::Attenuation ? checkAttenuation(items, rowCount)
                                                        : checkGrid(items, rowCount);
    if (!problem.isEmpty())
        return fileReport(fileName, problem);

    MaterialTable read;
    read.RowCount = rowCount;
    for (int row = 1; row <= rowCount; ++row) {
        const std::size_t first = 2 + 4 * std::size_t(row - 1);
        read.AttenuationTable[row][4] = items[first].value * keVPerMeV;
        for (int c = 1; c <= 3; ++c)
            read.AttenuationTable[row][c] = items[first + c].value;
    }
    if (blocks == MaterialBlocks::All) {
        const std::size_t grid = 2 + 4 * std::size_t(rowCount);
        const std::size_t formFactors = grid + itemsPerGridBlock;
        for (int i = 1; i <= gridRows; ++i) {
            read.MomentumTransfer[i] = items[grid + 3 * (i - 1)].value;
            read.CumulativeWeight[i] = items[grid + 3 * (i - 1) + 1].value;
            read.FormFactor[i] = items[formFactors + 3 * (i - 1) + 1].value;
        }
    }
    table = read;
    return {};
}

QString readMaterialFile(const QString &path, MaterialBlocks blocks, MaterialTable &table) {
    table = MaterialTable{};
    const QFileInfo info(path);
    if (!info.exists())
        return fileReport(path, QStringLiteral("The file does not exist."));
    if (info.isDir())
        return fileReport(path, QStringLiteral("It is a folder, not a file."));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fileReport(path,
                          QStringLiteral("The file cannot be opened: %1.").arg(file.errorString()));
    const QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fileReport(path,
                          QStringLiteral("The file cannot be read: %1.").arg(file.errorString()));
    return readMaterialText(text, path, blocks, table);
}

QStringList materialFileCandidates() {
    const QString name = QString::fromLatin1(MaterialFileName);
    QStringList candidates{QDir::current().absoluteFilePath(name)};
    if (QCoreApplication::instance()) {
        const QString installed =
            QDir::cleanPath(QCoreApplication::applicationDirPath() +
                            QStringLiteral("/../share/monte-carlo-teaching/") + name);
        if (!candidates.contains(installed))
            candidates << installed;
    }
    return candidates;
}

QString loadMaterialFile(MaterialBlocks blocks, MaterialTable &table) {
    table = MaterialTable{};
    const QStringList candidates = materialFileCandidates();
    for (const QString &path : candidates) {
        if (QFileInfo::exists(path))
            return readMaterialFile(path, blocks, table);
    }
    QString report = QStringLiteral("The material file %1 was not found. Looked in:\n")
                         .arg(QString::fromLatin1(MaterialFileName));
    for (const QString &path : candidates)
        report += QStringLiteral("\n  %1").arg(QDir::toNativeSeparators(path));
    return report;
}

} // namespace common
