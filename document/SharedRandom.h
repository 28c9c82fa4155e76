#pragma once
// The one random generator every object draws from, so that the order of draws decides what
// each object does. A linear congruential generator: seed := seed × 214013 + 2531011 (mod
// 2^32), value := (seed >> 16) & 0x7FFF. It starts from seed 1.
#include <cstdint>

class SharedRandom {
public:
    static constexpr int kMaxValue = 0x7FFF;
    static constexpr uint32_t kInitialSeed = 1;
    static constexpr uint32_t kMultiplier = 214013u;
    static constexpr uint32_t kIncrement = 2531011u;

    // Only objects that store a seed of their own re-seed it.
    static void Seed(uint32_t seed) { seed_ = seed; }
    static uint32_t CurrentSeed() { return seed_; }

    // The next value, 0 to 32767.
    static int Next() {
        seed_ = seed_ * kMultiplier + kIncrement;
        return int((seed_ >> 16) & 0x7FFFu);
    }
    // Where `steps` calls of Next would leave the generator, in as many rounds as the count
    // has bits: the step composed with itself by squaring.
    static void Skip(uint32_t steps) {
        uint32_t multiplier = 1, increment = 0;
        for (uint32_t a = kMultiplier, c = kIncrement; steps != 0; steps >>= 1, c *= a + 1, a *= a)
            if (steps & 1) multiplier *= a, increment = increment * a + c;
        seed_ = seed_ * multiplier + increment;
    }
    // The next value over 32767 in single precision: 0 to 1, both included.
    static float NextUnit() { return float(Next()) / float(kMaxValue); }

private:
    static inline uint32_t seed_ = kInitialSeed;
};

// a + (r / 32767) × (b − a) for the next value r: the quotient in extended precision, the
// product and the sum rounded to float.
float RandomRange(float a, float b);

// The sprite systems' name for the same rule.
inline float RandomInRange(float min, float max) { return RandomRange(min, max); }
