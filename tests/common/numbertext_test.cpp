// SPDX-License-Identifier: MIT
#include "common/core/numbertext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct ParseCase {
    const char *name;
    QString text;
    double value;
};

class LeadingNumber : public ::testing::TestWithParam<ParseCase> {};

TEST_P(LeadingNumber, ReadsTheLeadingNumber)
{
    const double got = common::leadingNumber(GetParam().text);
    if (std::isinf(GetParam().value))
        EXPECT_EQ(got, GetParam().value);
    else
        EXPECT_DOUBLE_EQ(got, GetParam().value);
}

const double inf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumber,
    ::testing::Values(
        ParseCase{"Plain", "100", 100}, ParseCase{"Unit", "30keV", 30},
        ParseCase{"BlankBetweenDigits", "2 5", 25}, ParseCase{"LeadingBlanks", "  \t42", 42},
        ParseCase{"LineFeedInside", "1\n2", 12}, ParseCase{"Decimal", "999.5", 999.5},
        ParseCase{"LeadingPoint", ".5", 0.5}, ParseCase{"Exponent", "1.5E2", 150},
        ParseCase{"LowerExponent", "2e3", 2000}, ParseCase{"NegativeExponent", "5E-1", 0.5},
        ParseCase{"ExponentWithoutDigits", "7E", 7}, ParseCase{"ExponentThenLetter", "7Ex", 7},
        ParseCase{"Negative", "-5", -5}, ParseCase{"Plus", "+8", 8}, ParseCase{"Empty", "", 0},
        ParseCase{"BlanksOnly", "   ", 0}, ParseCase{"NoNumber", "abc", 0},
        ParseCase{"PointOnly", ".", 0}, ParseCase{"SecondPointStops", "1.2.3", 1.2},
        ParseCase{"FullWidthDigits", QStringLiteral("１００"), 100},
        ParseCase{"FullWidthPointAndMinus", QStringLiteral("－１．５"), -1.5},
        ParseCase{"IdeographicSpace", QStringLiteral("2\u30005"), 25},
        ParseCase{"FullWidthLetterStops", QStringLiteral("3ｘ"), 3},
        ParseCase{"Overflow", "1e400", inf}, ParseCase{"NegativeOverflow", "-1e400", -inf},
        ParseCase{"Underflow", "1e-400", 0},
        ParseCase{"TenThousandDigits", QString(10000, QLatin1Char('9')), inf},
        ParseCase{"ControlCharacterStops", QStringLiteral("12\u000134"), 12}),
    [](const auto &info) { return std::string(info.param.name); });

struct FormatCase {
    const char *name;
    double value;
    const char *fixed5;
    const char *scientific2;
    const char *fixed3;
};

class Formats : public ::testing::TestWithParam<FormatCase> {};

TEST_P(Formats, MatchThePatterns)
{
    const FormatCase &c = GetParam();
    EXPECT_EQ(common::formatFixed5(c.value), QString::fromLatin1(c.fixed5));
    EXPECT_EQ(common::formatScientific2(c.value), QString::fromLatin1(c.scientific2));
    EXPECT_EQ(common::formatFixed3(c.value), QString::fromLatin1(c.fixed3));
}

INSTANTIATE_TEST_SUITE_P(
    Values, Formats,
    ::testing::Values(FormatCase{"PiEstimate", 3.02, "3.02000", "3.02E+00", "3.020"},
                      FormatCase{"Mu", 0.1706, "0.17060", "1.71E-01", "0.171"},
                      FormatCase{"Zero", 0.0, "0.00000", "0.00E+00", "0.000"},
                      FormatCase{"Large", 4123.4567, "4123.45670", "4.12E+03", "4123.457"},
                      FormatCase{"Small", 0.00012, "0.00012", "1.20E-04", "0.000"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
