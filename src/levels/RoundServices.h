#pragma once

#include "core/Override.h"
#include "round/RoundPorts.h"

namespace lumora {

// The program's one clock and one random generator; every level window draws from them.
Clock &gameClock();
RandomSource &gameRandom();

// What the level windows draw on: one clock and one random generator.
struct RoundServices
{
    Clock *clock;
    RandomSource *random;
};

// Replaces both until the guard goes away (tests fix time and the deal).
class RoundServicesOverride : public Override<RoundServices>
{
public:
    RoundServicesOverride(Clock &clock, RandomSource &random);
};

} // namespace lumora
