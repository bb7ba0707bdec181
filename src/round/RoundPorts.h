#pragma once

#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>

// The narrow seams through which the round engine reaches the level window, the clock,
// the random source and record keeping. None of them involves widgets.
namespace lumora {

// The level window's controls that the round drives, by their names in the window's design, and
// which are labels, whose captions it sets. The level window is compiled against this set: its
// design must have a row for each, and a label where the set says so.
struct RoundControlName
{
    std::string_view name;
    bool label = false;
};
inline constexpr RoundControlName kRoundControls[] = {
    {"cmdStart"},        {"lblNextSupport", true}, {"lblNext", true}, {"lblPointsSupport", true},
    {"lblPoints", true}, {"fraNumbars"},           {"cmdAgain"},      {"cmdEnd"},
};

// One of the set, by its name; a name outside it does not compile.
class RoundControl
{
public:
    consteval RoundControl(const char *name)
        : RoundControl(name, false)
    {
    }

    std::size_t index() const { return m_index; }
    std::string_view name() const { return kRoundControls[m_index].name; }

protected:
    consteval RoundControl(std::string_view name, bool label)
        : m_index(find(name, label))
    {
    }

private:
    static consteval std::size_t find(std::string_view name, bool label)
    {
        for (std::size_t i = 0; i < std::size(kRoundControls); ++i) {
            if (kRoundControls[i].name == name && (kRoundControls[i].label || !label))
                return i;
        }
        throw "the round has no control of this name (no label, where it sets a caption)";
    }

    std::size_t m_index;
};

// One of the labels of the set.
class RoundLabel : public RoundControl
{
public:
    consteval RoundLabel(const char *name)
        : RoundControl(name, true)
    {
    }
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
    virtual void setCaption(RoundLabel label, const std::string &caption) = 0;
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
