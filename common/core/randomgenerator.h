// SPDX-License-Identifier: MIT
#pragma once

#include <array>

namespace common {

// Additive lagged-Fibonacci generator, lags 24 and 55, modulo 2^14, seeded from a
// fixed value so that every run of a program repeats the same samples.
// The member names are those the teaching material uses, so a student can follow
// the algorithm line by line.
class RandomGenerator {
public:
    // What the raw value is divided by: the modulus itself (results are exact
    // multiples of 1/16384) or 16384.1 (results stay strictly below 1).
    enum class Divisor { Modulus, Tenth };

    explicit RandomGenerator(Divisor divisor) : divisor_(divisor) {}

    void RandomInit();
    // Steps both indices (in/out), as every caller passes this generator's own.
    double RandomNext(int &shortLag, int &longLag);
    double Next() { return RandomNext(ShortLagIndex, LongLagIndex); }

    static constexpr int TableSize = 55;
    static constexpr int Seed = 3783;
    static constexpr int WarmUpDraws = 1000;

    std::array<int, TableSize + 1> RandomTable{}; // entries 1..55; 0 stays idle
    int RandomModulus = 0;
    double RandomDivisor = 0.0;
    int ShortLagIndex = 0;
    int LongLagIndex = 0;
    std::array<double, 4> RandomValues{}; // element 1 receives the draws

private:
    Divisor divisor_;
};

} // namespace common
