// Uniform random numbers for the scramble.
#pragma once

class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // Seeds the generator from the clock; called once per run.
    virtual void randomize() = 0;
    // Returns the next value in [0, 1).
    virtual float next() = 0;
};
