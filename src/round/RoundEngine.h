#pragma once

#include "round/RoundPorts.h"

#include <cstdint>

namespace lumora {

// Per-window record of a round; all zero when the window is created.
struct RoundState
{
    std::uint8_t Counter = 0;
    std::uint8_t DrawnButton = 0;
    std::int32_t StartTime = 0;
    std::int32_t EndTime = 0;
    std::uint8_t NextNumber = 0;
    double Points = 0;
    std::int32_t ElapsedSeconds = 0;
};

// A clock reading: seconds since midnight rounded to a signed 32-bit integer, halves to even.
std::int32_t clockReading(float secondsSinceMidnight);

// The round as a level window plays it. Steps run in the exact order of the game's rules;
// arithmetic is range-checked and raises RuntimeError like the rest of the program.
class RoundEngine
{
public:
    RoundEngine(int boardSize, RoundView &view, Clock &clock, RandomSource &random, RoundHandoffs &handoffs);

    void cmdStart_Click();
    void cmdNumbar_Click(std::int16_t Index);
    void cmdAgain_Click();

    const RoundState &state() const { return m_state; }

private:
    void ShuffleNumbers();
    void ShowProgress();
    void FinishRound();

    int m_boardSize;
    RoundView &m_view;
    Clock &m_clock;
    RandomSource &m_random;
    RoundHandoffs &m_handoffs;
    RoundState m_state;
};

} // namespace lumora
