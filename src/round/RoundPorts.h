#pragma once

#include <string>

// The narrow seams through which the round engine reaches the level window, the clock,
// the random source and record keeping. None of them involves widgets.
namespace lumora {

enum class RoundControl {
    cmdStart,
    lblNextSupport,
    lblNext,
    lblPointsSupport,
    lblPoints,
    fraNumbars,
    cmdAgain,
    cmdEnd,
};

class RoundView
{
public:
    virtual ~RoundView() = default;
    // Board buttons are indexed 1..N. Captions are UTF-8.
    virtual std::string numbarCaption(int index) const = 0;
    virtual void setNumbarCaption(int index, const std::string &caption) = 0;
    virtual void enableNumbar(int index) = 0;
    virtual void disableNumbar(int index) = 0;
    virtual void setCaption(RoundControl control, const std::string &caption) = 0;
    virtual void show(RoundControl control) = 0;
    virtual void hide(RoundControl control) = 0;
};

class Clock
{
public:
    virtual ~Clock() = default;
    // Seconds since local midnight, with a fractional part.
    virtual float secondsSinceMidnight() = 0;
};

class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void seed(float secondsSinceMidnight) = 0;
    // Uniform in [0, 1): never 1, whatever the standard library does.
    virtual float next() = 0;
};

class RoundHandoffs
{
public:
    virtual ~RoundHandoffs() = default;
    // Last step of a start; record keeping reloads the table here.
    virtual void roundStarted() = 0;
    // Last step of a finish; `score` is a whole number held as a double.
    virtual void roundFinished(double score) = 0;
};

} // namespace lumora
