#pragma once

#include <cstdint>

namespace ostrel
{

// A seeded random number generator that draws the same numbers on every platform and
// standard library. The algorithm is PCG32 (XSH-RR): a 64-bit linear congruential state
// (multiplier 6364136223846793005, increment 1442695040888963407) whose high bits are
// xor-shifted and rotated into each 32-bit output.
class Random
{
public:
    explicit Random(std::uint64_t seed = 0);

    // Restarts the sequence: the same seed gives the same draws again.
    void seed(std::uint64_t seed);

    // A number in [0, 2^32).
    std::uint32_t next();
    // A number in [0, bound), every value equally likely; 0, and nothing drawn, for bound <= 0.
    int nextInt(int bound);
    // A number in [0, 1) on a grid of 2^-24, from the top 24 bits of one draw.
    float nextFloat();

private:
    std::uint64_t m_state;
};

} // namespace ostrel
