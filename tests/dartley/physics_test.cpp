// SPDX-License-Identifier: MIT
#include "dartley/physics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

// The first four points after seeding, worked out by hand from the generator's
// first draws: all inside the circle.
TEST(DartleyPoints, FirstPointsAfterSeedingAreHits)
{
    common::RandomGenerator random{common::RandomGenerator::Divisor::Modulus};
    random.RandomInit();
    const dartley::DartPoint expected[] = {{246.09375, 373.046875, true},
                                           {410.888671875, 179.6875, true},
                                           {339.84375, 339.2333984375, true},
                                           {474.9755859375, 98.20556640625, true}};
    for (const dartley::DartPoint &e : expected) {
        const dartley::DartPoint p = dartley::nextPoint(random);
        EXPECT_EQ(p.x, e.x);
        EXPECT_EQ(p.y, e.y);
        EXPECT_EQ(p.hit, e.hit);
    }
}

// The circle's edge counts as inside; the draws are multiples of 1/16384.
TEST(DartleyPoints, HitTestAtTheEdges)
{
    struct Case {
        double r1, r2;
        double x, y;
        bool hit;
    };
    const Case cases[] = {
        {0.0, 0.5, 500, 0, true},                          // on the circle: x^2 + y^2 = 250000
        {0.5, 0.0, 0, 500, true},                          // on the circle, the other axis
        {0.0, 0.0, 500, 500, false},                       // the square's corner
        {0.5, 0.5, 0, 0, true},                            // the centre
        {16383.0 / 16384, 0.5, -499.93896484375, 0, true}, // the largest draw
        {0.0, 8191.0 / 16384, 500, 0.06103515625, false},  // just past the circle
    };
    for (const Case &c : cases) {
        const dartley::DartPoint p = dartley::pointFromDraws(c.r1, c.r2);
        EXPECT_EQ(p.x, c.x) << c.r1 << ", " << c.r2;
        EXPECT_EQ(p.y, c.y) << c.r1 << ", " << c.r2;
        EXPECT_EQ(p.hit, c.hit) << c.r1 << ", " << c.r2;
    }
}

TEST(DartleyEstimate, FourTimesHitsOverPoints)
{
    EXPECT_DOUBLE_EQ(dartley::piEstimate(755, 1), 3.02);
    EXPECT_DOUBLE_EQ(dartley::piEstimate(2337, 3), 3.116);
    EXPECT_DOUBLE_EQ(dartley::piEstimate(7780, 10), 3.112);
    // Counts past 32 bits still divide correctly.
    EXPECT_DOUBLE_EQ(dartley::piEstimate(3'000'000'000LL, 4'000'000), 3.0);
}

} // namespace

#include <random>

namespace {

// 755 hits of 1000 (the first batch): p = 0.755, σ = 4 √(0.755 · 0.245 / 1000).
TEST(DartleyStatistics, SigmaOfTheFirstBatchWorkedByHand)
{
    const dartley::PiStatistics s = dartley::piStatistics(755, 1000);
    EXPECT_DOUBLE_EQ(s.estimate, 3.02);
    EXPECT_NEAR(s.sigma, 0.05440220583763126, 1e-15);
    EXPECT_NEAR(s.sigmasFromPi, -2.2350684447005396, 1e-12);
    EXPECT_TRUE(std::isnan(dartley::piStatistics(0, 0).sigmasFromPi));
}

// The ±2σ interval, from independent runs with a standard generator, covers π in
// about 95.4 % of them (a normal ±2σ); 2000 runs put the observed share within ±1.5 %
// of that with overwhelming probability (its own σ is 0.47 %).
TEST(DartleyStatistics, TwoSigmaIntervalCoversPiInNinetyFivePercentOfRuns)
{
    std::mt19937_64 engine(20261210);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    constexpr int Runs = 2000, Points = 1000;
    int covered = 0;
    for (int run = 0; run < Runs; ++run) {
        std::int64_t hits = 0;
        for (int n = 0; n < Points; ++n)
            hits += dartley::pointFromDraws(uniform(engine), uniform(engine)).hit;
        const dartley::PiStatistics s = dartley::piStatistics(hits, Points);
        covered += std::abs(s.estimate - std::numbers::pi) <= 2 * s.sigma;
    }
    EXPECT_NEAR(100.0 * covered / Runs, 95.0, 1.5);
}

} // namespace
