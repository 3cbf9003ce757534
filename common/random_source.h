// Everything random in the game goes through this interface, so that a test
// can replay a maze from a seed.
#pragma once

#include <cstdint>

class RandomSource {
public:
    virtual ~RandomSource() = default;

    // Starts a new sequence from the time of day in seconds since midnight.
    virtual void reseed(double secondsSinceMidnight) = 0;

    // A uniform number in [0, 1).
    virtual double next() = 0;
};

// The game's own source: a small, fast generator (xoshiro128+) whose state is
// derived from every bit of the time it is reseeded with.
class FastRandom final : public RandomSource {
public:
    explicit FastRandom(std::uint64_t seed = 0) { seedWith(seed); }

    void reseed(double secondsSinceMidnight) override;
    void seedWith(std::uint64_t seed);

    double next() override
    {
        // (2^32 - 1) / 2^32 is exact in a double, so the result stays below 1.
        return static_cast<double>(nextBits()) * (1.0 / 4294967296.0);
    }

    // The 32 bits next() divides by 2^32.
    std::uint32_t nextBits()
    {
        const std::uint32_t result = state_[0] + state_[3];
        const std::uint32_t t = state_[1] << 9;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= t;
        state_[3] = (state_[3] << 11) | (state_[3] >> 21);
        return result;
    }

private:
    std::uint32_t state_[4] {};
};
