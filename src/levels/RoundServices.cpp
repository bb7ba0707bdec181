#include "levels/RoundServices.h"

#include "levels/SeededRandom.h"
#include "levels/SystemClock.h"

namespace lumora {

namespace {
SystemClock g_systemClock;
SeededRandom g_seededRandom;
RoundServices g_services{&g_systemClock, &g_seededRandom};
} // namespace

Clock &gameClock()
{
    return *g_services.clock;
}

RandomSource &gameRandom()
{
    return *g_services.random;
}

RoundServicesOverride::RoundServicesOverride(Clock &clock, RandomSource &random)
    : Override(g_services, {&clock, &random})
{
}

} // namespace lumora
