#pragma once

#include "round/RoundPorts.h"

#include <random>

namespace lumora {

// The program's pseudo-random generator, seeded from the clock when a level window loads.
class SeededRandom : public RandomSource
{
public:
    void seed(float secondsSinceMidnight) override;
    float next() override;

private:
    std::mt19937 m_engine;
};

} // namespace lumora
