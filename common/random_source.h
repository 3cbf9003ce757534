// Everything random in the game goes through this interface, so that a test
// can replay a maze from a seed or feed the generator a scripted sequence.
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
    double next() override;

    void seedWith(std::uint64_t seed);

private:
    std::uint32_t state_[4] {};
};
