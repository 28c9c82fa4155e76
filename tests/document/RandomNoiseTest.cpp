#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "document/SharedRandom.h"
#include "player/ValueNoise.h"

namespace {

TEST(SharedRandom, SequenceFromEachSeed) {
    struct Case {
        uint32_t seed;
        int values[5];
    };
    const Case cases[] = {
        {1, {41, 18467, 6334, 26500, 19169}},
        {0, {38, 7719, 21238, 2437, 8855}},
        {0xFFFFFFFFu, {35, 29739, 3374, 11141, 31308}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seed);
        SharedRandom::Seed(c.seed);
        uint32_t seed = c.seed;
        for (int expected : c.values) {
            seed = seed * 214013u + 2531011u;
            EXPECT_EQ(int((seed >> 16) & 0x7FFF), expected);
            EXPECT_EQ(SharedRandom::Next(), expected);
            EXPECT_EQ(SharedRandom::CurrentSeed(), seed);
        }
    }
}

TEST(SharedRandom, ValuesStayWithinZeroTo32767) {
    SharedRandom::Seed(12345);
    int low = SharedRandom::kMaxValue, high = 0;
    for (int i = 0; i < 100000; ++i) {
        int value = SharedRandom::Next();
        low = std::min(low, value);
        high = std::max(high, value);
    }
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 32767);
}

TEST(SharedRandom, SkippingLeavesTheGeneratorWhereAsManyDrawsWould) {
    for (uint32_t steps : {0u, 1u, 2u, 3u, 1000u, 65537u, 1u << 20}) {
        SCOPED_TRACE(steps);
        SharedRandom::Seed(99);
        for (uint32_t i = 0; i < steps; ++i) SharedRandom::Next();
        const uint32_t drawn = SharedRandom::CurrentSeed();
        SharedRandom::Seed(99);
        SharedRandom::Skip(steps);
        EXPECT_EQ(SharedRandom::CurrentSeed(), drawn);
    }
    // The sequence repeats after 2^32 draws: skipping all but one is one step back.
    SharedRandom::Seed(5);
    SharedRandom::Skip(0xFFFFFFFFu);
    SharedRandom::Next();
    EXPECT_EQ(SharedRandom::CurrentSeed(), 5u);
}

// Seeds whose next value is known, found by stepping the generator.
uint32_t SeedBefore(int wanted) {
    for (uint32_t seed = 0;; ++seed) {
        uint32_t next = seed * 214013u + 2531011u;
        if (int((next >> 16) & 0x7FFF) == wanted) return seed;
    }
}

TEST(RandomRange, EndsAndExtendedPrecisionQuotient) {
    struct Case {
        float a, b;
        int r;
        float expected;
    };
    const Case cases[] = {
        {0.0f, 1.0f, 32767, 1.0f},
        {0.0f, 1.0f, 0, 0.0f},
        {2.5f, 2.5f, 12345, 2.5f},
        {-1.0f, 1.0f, 32767, 1.0f},
        {10.0f, 0.0f, 32767, 0.0f},
        {0.0f, 3.0f, 10922,
         float(0.0f + float(static_cast<long double>(10922) / 32767 * 3.0f))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.a << ".." << c.b << " r " << c.r);
        SharedRandom::Seed(SeedBefore(c.r));
        EXPECT_EQ(RandomRange(c.a, c.b), c.expected);
    }
}

TEST(RandomRange, AdvancesTheGeneratorByOneStep) {
    SharedRandom::Seed(1);
    RandomRange(0.0f, 5.0f);
    EXPECT_EQ(SharedRandom::Next(), 18467);
}

// The lattice value, written out independently in 64-bit arithmetic reduced to 32 bits.
double Lattice(int64_t n) {
    int64_t m = (n ^ (n << 13)) & 0xFFFFFFFF;
    int64_t inner = (m * m % (int64_t(1) << 32) * 15731 + 789221) % (int64_t(1) << 32);
    int64_t hash = (m * inner - 771171059) % (int64_t(1) << 32);
    if (hash < 0) hash += int64_t(1) << 32;
    return 1.0 - double(hash & 0x7FFFFFFF) / 1073741824.0;
}

TEST(ValueNoise1D, MatchesTheLatticeAtIntegersAndTheMeanHalfway) {
    EXPECT_NEAR(ValueNoise1D(0.0), -0.2818, 1e-4);
    for (int x : {0, 1, 2, 7, 100, 1000, 65535, 123456}) {
        SCOPED_TRACE(x);
        EXPECT_EQ(ValueNoise1D(double(x)), NoiseLattice(x));
        EXPECT_EQ(NoiseLattice(x), Lattice(x));
        double mean = (NoiseLattice(x) + NoiseLattice(x + 1)) / 2.0;
        EXPECT_NEAR(ValueNoise1D(x + 0.5), mean, 1e-7);
        // A quarter of the way the next value weighs (1 - cos(pi / 4)) / 2: the interpolation
        // is a cosine, not a straight line.
        const double quarter = 0.14644660940672624;
        EXPECT_NEAR(ValueNoise1D(x + 0.25), NoiseLattice(x) * (1.0 - quarter) + NoiseLattice(x + 1) * quarter, 1e-7);
        double v = ValueNoise1D(x + 0.3);
        EXPECT_GE(v, -1.0);
        EXPECT_LE(v, 1.0);
    }
    // The wrapping hash at the top of the int range, and out of range without a fault.
    EXPECT_EQ(NoiseLattice(INT32_MAX), Lattice(INT32_MAX));
    EXPECT_EQ(NoiseLattice(-5), Lattice(-5 & 0xFFFFFFFFll));
    double far = ValueNoise1D(1e12);
    EXPECT_GE(far, -1.0);
    EXPECT_LE(far, 1.0);
}

TEST(FractalNoise1D, SumsOctavesOfHalvingWeight) {
    for (double x : {0.0, 10.0, 37.5, 1000.0}) {
        SCOPED_TRACE(x);
        EXPECT_EQ(FractalNoise1D(x, 75.0, 0.5, 1), ValueNoise1D(x / 75.0));
        double expected = ValueNoise1D(x / 75.0) + 0.5 * ValueNoise1D(2 * x / 75.0) +
                          0.25 * ValueNoise1D(4 * x / 75.0) + 0.125 * ValueNoise1D(8 * x / 75.0);
        EXPECT_DOUBLE_EQ(FractalNoise1D(x, 75.0, 0.5, 4), expected);
        EXPECT_EQ(FractalNoise1D(x, 75.0, 0.5, 0), 0.0);
        EXPECT_EQ(FractalNoise1D(x, 75.0, 0.5, -3), 0.0);
    }
}

}  // namespace
