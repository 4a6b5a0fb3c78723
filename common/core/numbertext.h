// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace common {

// The numeric value of a typed text: the number formed by its leading characters.
// Blanks, tabs and line ends are skipped wherever they stand; a full stop is the
// decimal point; an exponent (E or e, optional sign, digits) is accepted; reading
// stops at the first character that cannot continue the number. Full-width digits,
// point and signs (as a Japanese input method types them) count as their ASCII
// forms. A text with no leading number gives 0; a number too large for a double
// gives an infinity of its sign.
double leadingNumber(const QString &text);

// "0.00000": five decimals.
QString formatFixed5(double value);
// "0.00E+00": mantissa with two decimals, signed exponent of at least two digits.
QString formatScientific2(double value);
// "##0.000": at least one digit before the point, three after.
QString formatFixed3(double value);

} // namespace common
