// Clock-seeded uniform random numbers.
#include "adapters/system_random.h"

#include <chrono>

void SystemRandom::randomize()
{
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count()
                       ^ std::chrono::system_clock::now().time_since_epoch().count();
    m_engine.seed(static_cast<std::mt19937::result_type>(ticks ^ (ticks >> 32)));
}

float SystemRandom::next()
{
    // 24 random bits give every float in [0, 1) on an even grid, never 1 itself.
    return static_cast<float>(m_engine() >> 8) / 16777216.0f;
}
