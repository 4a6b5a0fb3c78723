// SPDX-License-Identifier: MIT
#include "common/core/randomgenerator.h"

namespace common {

void RandomGenerator::RandomInit()
{
    RandomModulus = 16384;
    if (divisor_ == Divisor::Tenth)
        RandomDivisor = 16384.1;
    RandomTable[1] = Seed;
    // Doubling an odd seed modulo 2^14 leaves entries 15..55 at 0; the warm-up
    // below fills the ring with mixed values.
    for (int i = 2; i <= TableSize; ++i)
        RandomTable[i] = (RandomTable[i - 1] * 2) % RandomModulus;
    ShortLagIndex = 24;
    LongLagIndex = 55;
    for (int n = 0; n < WarmUpDraws; ++n)
        RandomValues[1] = RandomNext(ShortLagIndex, LongLagIndex);
}

double RandomGenerator::RandomNext(int &shortLag, int &longLag)
{
    RandomTable[longLag] = (RandomTable[shortLag] + RandomTable[longLag]) % RandomModulus;
    const double divisor =
        divisor_ == Divisor::Tenth ? RandomDivisor : static_cast<double>(RandomModulus);
    const double result = RandomTable[longLag] / divisor;
    if (--shortLag == 0)
        shortLag = TableSize;
    if (--longLag == 0)
        longLag = TableSize;
    return result;
}

} // namespace common
