#include "common/random_source.h"

#include <bit>

namespace {

std::uint64_t splitMix(std::uint64_t& x)
{
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

}  // namespace

void FastRandom::reseed(double secondsSinceMidnight)
{
    seedWith(std::bit_cast<std::uint64_t>(secondsSinceMidnight));
}

void FastRandom::seedWith(std::uint64_t seed)
{
    std::uint64_t x = seed;
    const std::uint64_t a = splitMix(x);
    const std::uint64_t b = splitMix(x);
    state_[0] = static_cast<std::uint32_t>(a);
    state_[1] = static_cast<std::uint32_t>(a >> 32);
    state_[2] = static_cast<std::uint32_t>(b);
    state_[3] = static_cast<std::uint32_t>(b >> 32);
    if ((state_[0] | state_[1] | state_[2] | state_[3]) == 0)
        state_[0] = 1;
}
