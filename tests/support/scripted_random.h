// A random source for tests: seeded, it ignores the time of day.
#pragma once

#include "common/random_source.h"

#include <cstdint>

// Reseeding restarts the same sequence, whatever the time of day.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : seed_(seed), source_(seed) {}

    void reseed(double) override { source_.seedWith(seed_); }
    double next() override { return source_.next(); }

    void setSeed(std::uint64_t seed) { seed_ = seed; source_.seedWith(seed); }

private:
    std::uint64_t seed_;
    FastRandom source_;
};
