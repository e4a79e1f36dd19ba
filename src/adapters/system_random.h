// The real random source: a Mersenne Twister seeded from the clock.
#pragma once

#include "core/platform/random_source.h"

#include <random>

class SystemRandom : public RandomSource
{
public:
    void randomize() override;
    float next() override;

private:
    std::mt19937 m_engine{1u};
};
