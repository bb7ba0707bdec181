#pragma once

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
    ~RoundServicesOverride();
    RoundServicesOverride(const RoundServicesOverride &) = delete;
    RoundServicesOverride &operator=(const RoundServicesOverride &) = delete;

private:
    Clock *m_previousClock;
    RandomSource *m_previousRandom;
};

} // namespace lumora
