#include "levels/RoundServices.h"

#include "levels/SeededRandom.h"
#include "levels/SystemClock.h"

namespace lumora {

namespace {
SystemClock g_systemClock;
SeededRandom g_seededRandom;
Clock *g_clock = &g_systemClock;
RandomSource *g_random = &g_seededRandom;
} // namespace

Clock &gameClock()
{
    return *g_clock;
}

RandomSource &gameRandom()
{
    return *g_random;
}

RoundServicesOverride::RoundServicesOverride(Clock &clock, RandomSource &random)
    : m_clock(g_clock, &clock)
    , m_random(g_random, &random)
{
}

} // namespace lumora
