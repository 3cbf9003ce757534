// Random sources for tests: a seeded one that ignores the time of day, and a
// scripted one that plays back a fixed list of numbers.
#pragma once

#include "common/random_source.h"

#include <cstddef>
#include <cstdint>
#include <vector>

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

// Plays the script once, then continues from a seeded source so that a walk
// that needs more numbers than scripted still ends.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<double> script, std::uint64_t seedAfter = 1);

    void reseed(double) override;
    double next() override;

    std::size_t used() const { return next_; }

private:
    std::vector<double> script_;
    std::size_t next_ = 0;
    FastRandom after_;
    std::uint64_t seedAfter_;
};
