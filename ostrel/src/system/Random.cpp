#include "ostrel/system/Random.h"

namespace ostrel
{

namespace
{

constexpr std::uint64_t MULTIPLIER = 6364136223846793005u;
// Any odd constant picks a stream; this is the one PCG's reference uses by default.
constexpr std::uint64_t INCREMENT = 1442695040888963407u;

} // namespace

Random::Random(std::uint64_t seed) : m_state(0)
{
    this->seed(seed);
}

void Random::seed(std::uint64_t seed)
{
    // As PCG's reference seeds: one step from zero, add the seed, one more step.
    m_state = 0;
    next();
    m_state += seed;
    next();
}

std::uint32_t Random::next()
{
    const std::uint64_t old = m_state;
    m_state = old * MULTIPLIER + INCREMENT;
    const auto shifted = static_cast<std::uint32_t>(((old >> 18u) ^ old) >> 27u);
    const auto rotation = static_cast<std::uint32_t>(old >> 59u);
    return (shifted >> rotation) | (shifted << ((32u - rotation) & 31u));
}

int Random::nextInt(int bound)
{
    if (bound <= 0)
    {
        return 0;
    }
    // Lemire's multiply-shift: the high word of draw * bound is in [0, bound). The low words
    // below 2^32 mod bound would make some values likelier, so those draws are thrown away.
    const auto range = static_cast<std::uint32_t>(bound);
    std::uint64_t product = static_cast<std::uint64_t>(next()) * range;
    auto low = static_cast<std::uint32_t>(product);
    if (low < range)
    {
        const std::uint32_t threshold = (0u - range) % range;
        while (low < threshold)
        {
            product = static_cast<std::uint64_t>(next()) * range;
            low = static_cast<std::uint32_t>(product);
        }
    }
    return static_cast<int>(product >> 32u);
}

float Random::nextFloat()
{
    return static_cast<float>(next() >> 8u) * 0x1p-24f;
}

} // namespace ostrel
