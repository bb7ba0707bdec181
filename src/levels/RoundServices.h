#pragma once

#include "core/Override.h"
#include "round/RoundPorts.h"

namespace lumora {

// The program's one clock and one random generator; every level window draws from them.
Clock &gameClock();
RandomSource &gameRandom();

// Replaces both until the guard goes away (tests fix time and the deal).
class RoundServicesOverride
{
public:
    RoundServicesOverride(Clock &clock, RandomSource &random);

private:
    Override<Clock *> m_clock;
    Override<RandomSource *> m_random;
};

} // namespace lumora
