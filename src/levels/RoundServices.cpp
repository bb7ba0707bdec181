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
    : m_previousClock(g_clock)
    , m_previousRandom(g_random)
{
    g_clock = &clock;
    g_random = &random;
}

RoundServicesOverride::~RoundServicesOverride()
{
    g_clock = m_previousClock;
    g_random = m_previousRandom;
}

} // namespace lumora
