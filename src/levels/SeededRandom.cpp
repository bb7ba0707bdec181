#include "levels/SeededRandom.h"

#include <bit>
#include <cstdint>

namespace lumora {

void SeededRandom::seed(float secondsSinceMidnight)
{
    m_engine.seed(std::bit_cast<std::uint32_t>(secondsSinceMidnight));
}

float SeededRandom::next()
{
    // 24 random bits fit a float's significand exactly, so the product is never rounded up to 1
    // (std::generate_canonical<float> can return 1 in some libraries, and a draw of Int(r × N) + 1
    // would then land past the board).
    return static_cast<float>(m_engine() >> 8) * 0x1p-24f;
}

} // namespace lumora
