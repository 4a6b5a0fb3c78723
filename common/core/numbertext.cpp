// SPDX-License-Identifier: MIT
#include "common/core/numbertext.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace common {

namespace {

bool skipped(char32_t c) { return c == U' ' || c == U'\t' || c == U'\n' || c == U'\r'; }

// Full-width forms (U+FF01..U+FF5E) map onto ASCII by a fixed offset.
char32_t narrow(char32_t c)
{
    if (c >= 0xFF01 && c <= 0xFF5E)
        return c - 0xFF01 + 0x21;
    if (c == 0x3000) // ideographic space
        return U' ';
    if (c == 0x2212) // minus sign
        return U'-';
    return c;
}

bool isDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

} // namespace

double leadingNumber(const QString &text)
{
    // Collect the leading characters that can form a number, without the blanks.
    std::string chars;
    for (char32_t raw : text.toStdU32String()) {
        const char32_t c = narrow(raw);
        if (skipped(c))
            continue;
        if (c > 0x7F)
            break;
        chars.push_back(static_cast<char>(c));
    }

    size_t i = 0;
    std::string number;
    if (i < chars.size() && (chars[i] == '+' || chars[i] == '-'))
        number.push_back(chars[i++]);
    size_t mantissaDigits = 0;
    while (i < chars.size() && isDigit(static_cast<unsigned char>(chars[i]))) {
        number.push_back(chars[i++]);
        ++mantissaDigits;
    }
    if (i < chars.size() && chars[i] == '.') {
        number.push_back(chars[i++]);
        while (i < chars.size() && isDigit(static_cast<unsigned char>(chars[i]))) {
            number.push_back(chars[i++]);
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return 0.0;
    if (i < chars.size() && (chars[i] == 'E' || chars[i] == 'e')) {
        size_t j = i + 1;
        std::string exponent = "e";
        if (j < chars.size() && (chars[j] == '+' || chars[j] == '-'))
            exponent.push_back(chars[j++]);
        size_t exponentDigits = 0;
        while (j < chars.size() && isDigit(static_cast<unsigned char>(chars[j]))) {
            exponent.push_back(chars[j++]);
            ++exponentDigits;
        }
        if (exponentDigits > 0)
            number += exponent;
    }

    const char *first = number.data();
    if (*first == '+')
        ++first;
    double value = 0.0;
    const auto [end, error] = std::from_chars(first, number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // Either too large (an infinity) or too small (zero); the exponent's sign tells.
        const bool negativeExponent = number.find("e-") != std::string::npos;
        const double magnitude = negativeExponent ? 0.0 : std::numeric_limits<double>::infinity();
        return number[0] == '-' ? -magnitude : magnitude;
    }
    return value;
}

QString formatFixed5(double value) { return QString::number(value, 'f', 5); }

QString formatScientific2(double value)
{
    if (value == 0.0)
        return QStringLiteral("0.00E+00");
    return QString::number(value, 'E', 2);
}

QString formatFixed3(double value) { return QString::number(value, 'f', 3); }

} // namespace common
