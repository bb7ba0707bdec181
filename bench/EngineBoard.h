#pragma once

#include "levels/SeededRandom.h"
#include "round/RoundEngine.h"

#include <string>
#include <vector>

namespace lumora::bench {

// The advanced round on the engine alone: the board is a list of captions, with no widgets and
// no Qt, so the difference to the window is what the widgets cost.
class EngineBoard
{
public:
    EngineBoard();

    void deal();
    void prepareClicks();
    void click(int number);
    void settle() {}

private:
    // Keeps only what the engine reads back: the board's captions.
    class Captions final : public RoundView
    {
    public:
        explicit Captions(int boardSize)
            : m_captions(boardSize + 1)
        {
        }
        std::string numbarCaption(int index) const override { return m_captions.at(index); }
        void setNumbarCaption(int index, const std::string &caption) override { m_captions.at(index) = caption; }
        void enableNumbar(int) override {}
        void disableNumbar(int) override {}
        void setCaption(RoundLabel, const std::string &) override {}
        void show(RoundControl) override {}
        void hide(RoundControl) override {}

    private:
        std::vector<std::string> m_captions;
    };

    class StoppedClock final : public Clock
    {
    public:
        float secondsSinceMidnight() override { return 0; }
    };

    class NoHandoffs final : public RoundHandoffs
    {
    public:
        void roundStarted() override {}
        void roundFinished(double) override {}
    };

    Captions m_view;
    StoppedClock m_clock;
    SeededRandom m_random;
    NoHandoffs m_handoffs;
    RoundEngine m_engine;
    std::vector<std::int16_t> m_indexOf;
};

} // namespace lumora::bench
