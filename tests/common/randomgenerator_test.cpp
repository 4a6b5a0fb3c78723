// SPDX-License-Identifier: MIT
#include "common/core/randomgenerator.h"

#include <gtest/gtest.h>

#include <vector>

using common::RandomGenerator;

namespace {

struct DivisorCase {
    const char *name;
    RandomGenerator::Divisor divisor;
    double divisorValue;
};

class RandomGeneratorTest : public ::testing::TestWithParam<DivisorCase> {
protected:
    RandomGenerator gen{GetParam().divisor};
    double scaled(int raw) const { return raw / GetParam().divisorValue; }
};

// The table right after seeding: the seed doubled modulo 2^14 reaches 0 at entry 15.
TEST_P(RandomGeneratorTest, SeedingFillsTheRingBeforeWarmUp)
{
    // Replay seeding steps 1 to 5 by hand through the public state, then compare.
    gen.RandomInit();
    RandomGenerator fresh{GetParam().divisor};
    fresh.RandomModulus = 16384;
    fresh.RandomDivisor = 16384.1;
    fresh.RandomTable[1] = 3783;
    for (int i = 2; i <= 55; ++i)
        fresh.RandomTable[i] = (fresh.RandomTable[i - 1] * 2) % 16384;
    const std::vector<int> expected = {3783, 7566, 15132, 13880, 11376, 6368,  12736,
                                       9088, 1792, 3584,  7168,  14336, 12288, 8192};
    for (int i = 1; i <= 14; ++i)
        EXPECT_EQ(fresh.RandomTable[i], expected[i - 1]) << "entry " << i;
    for (int i = 15; i <= 55; ++i)
        EXPECT_EQ(fresh.RandomTable[i], 0) << "entry " << i;

    // The first ten warm-up draws are 0 and the eleventh is 8192.
    fresh.ShortLagIndex = 24;
    fresh.LongLagIndex = 55;
    for (int n = 1; n <= 10; ++n)
        EXPECT_EQ(fresh.Next(), 0.0) << "warm-up draw " << n;
    EXPECT_EQ(fresh.Next(), scaled(8192));
}

TEST_P(RandomGeneratorTest, IndicesAfterInitAndTheFirstDraws)
{
    gen.RandomInit();
    EXPECT_EQ(gen.ShortLagIndex, 14);
    EXPECT_EQ(gen.LongLagIndex, 45);
    EXPECT_EQ(gen.RandomTable[0], 0);
    EXPECT_EQ(gen.RandomModulus, 16384);
    const int raw[] = {4160, 2080, 1460, 5248, 2624, 2634, 410, 6583};
    for (int n = 0; n < 8; ++n)
        EXPECT_EQ(gen.Next(), scaled(raw[n])) << "draw " << n + 1;
}

TEST_P(RandomGeneratorTest, Draw14248IsExactlyZeroAndEveryDrawStaysInRange)
{
    gen.RandomInit();
    double draw = -1;
    for (int n = 1; n <= 14248; ++n) {
        draw = gen.Next();
        ASSERT_GE(draw, 0.0);
        ASSERT_LE(draw, scaled(16383));
        ASSERT_GE(gen.ShortLagIndex, 1);
        ASSERT_LE(gen.ShortLagIndex, 55);
        ASSERT_EQ((gen.LongLagIndex - gen.ShortLagIndex + 55) % 55, 31);
    }
    EXPECT_EQ(draw, 0.0);
}

TEST_P(RandomGeneratorTest, IndicesWrapFromOneTo55)
{
    gen.RandomInit();
    int shortLag = 1, longLag = 32;
    gen.RandomNext(shortLag, longLag);
    EXPECT_EQ(shortLag, 55);
    EXPECT_EQ(longLag, 31);
    shortLag = 25;
    longLag = 1;
    gen.RandomNext(shortLag, longLag);
    EXPECT_EQ(shortLag, 24);
    EXPECT_EQ(longLag, 55);
}

TEST_P(RandomGeneratorTest, ReseedingRepeatsTheSequence)
{
    gen.RandomInit();
    std::vector<double> first;
    for (int n = 0; n < 100; ++n)
        first.push_back(gen.Next());
    for (int n = 0; n < 12345; ++n)
        gen.Next();
    gen.RandomInit();
    for (int n = 0; n < 100; ++n)
        EXPECT_EQ(gen.Next(), first[n]) << "draw " << n + 1;
}

INSTANTIATE_TEST_SUITE_P(
    Divisors, RandomGeneratorTest,
    ::testing::Values(DivisorCase{"Modulus", RandomGenerator::Divisor::Modulus, 16384.0},
                      DivisorCase{"Tenth", RandomGenerator::Divisor::Tenth, 16384.1}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(RandomGenerator, DartleyValuesAreExactBinaryFractions)
{
    RandomGenerator gen{RandomGenerator::Divisor::Modulus};
    gen.RandomInit();
    const double expected[] = {0.25390625, 0.126953125,     0.089111328125,  0.3203125,
                               0.16015625, 0.1607666015625, 0.0250244140625, 0.40179443359375};
    for (double e : expected)
        EXPECT_EQ(gen.Next(), e);
}

TEST(RandomGenerator, TenthDivisorFirstDraw)
{
    RandomGenerator gen{RandomGenerator::Divisor::Tenth};
    gen.RandomInit();
    EXPECT_EQ(gen.RandomDivisor, 16384.1);
    EXPECT_NEAR(gen.Next(), 0.2539047003, 1e-10);
}

} // namespace
