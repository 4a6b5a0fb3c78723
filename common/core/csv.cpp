// SPDX-License-Identifier: MIT
#include "common/core/csv.h"

#include <charconv>
#include <cmath>

namespace common {

namespace {
// A field with a comma, quote or line end is quoted, quotes doubled.
QString field(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}
} // namespace

QByteArray CsvTable::toUtf8() const
{
    QString out;
    // A comment is one line: a line end in a value would start a row.
    auto oneLine = [](QString text) {
        return text.replace(QLatin1Char('\r'), QLatin1Char(' '))
            .replace(QLatin1Char('\n'), QLatin1Char(' '));
    };
    for (const auto &[name, value] : comments)
        out += QStringLiteral("# %1 = %2\n").arg(oneLine(name), oneLine(value));
    auto line = [&out](const QStringList &cells) {
        QStringList quoted;
        for (const QString &c : cells)
            quoted << field(c);
        out += quoted.join(QLatin1Char(',')) + QLatin1Char('\n');
    };
    line(header);
    for (const QStringList &row : rows)
        line(row);
    return out.toUtf8();
}

QString csvNumber(double value)
{
    if (!std::isfinite(value))
        return {};
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return QString::fromLatin1(text, int(result.ptr - text));
}

} // namespace common
