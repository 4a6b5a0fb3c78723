// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

namespace common {

// Results as a spreadsheet opens them: UTF-8, comma-separated, a point as the decimal
// mark; first "# name = value" comment lines, then one header line, then the rows.
struct CsvTable {
    std::vector<std::pair<QString, QString>> comments;
    QStringList header;
    std::vector<QStringList> rows;

    QByteArray toUtf8() const;
};

// A number as the CSV writes it: the shortest text that reads back to the same double,
// with a point whatever the locale; "" for a value that is not finite.
QString csvNumber(double value);

} // namespace common
