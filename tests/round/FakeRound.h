#pragma once

#include "round/NumberText.h"
#include "round/RoundEngine.h"
#include "ui/RuntimeError.h"

#include <QStringList>

#include <cmath>
#include <deque>
#include <map>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace lumora::test {

// What the engine did, in order: control operations, clock readings and hand-offs.
using EventLog = QStringList;

inline QString controlName(RoundControl control)
{
    static const char *const names[] = {"cmdStart", "lblNextSupport", "lblNext", "lblPointsSupport",
                                        "lblPoints", "fraNumbars", "cmdAgain", "cmdEnd"};
    return names[static_cast<int>(control)];
}

// A level window in its design state. Board writes of one kind in a row are logged once, so a
// whole deal reads as a single "deal" entry and the clearing loop as "clear board".
class FakeRoundView : public RoundView
{
public:
    FakeRoundView(int boardSize, EventLog &log)
        : m_log(log), m_captions(boardSize + 1), m_enabled(boardSize + 1, true)
    {
    }

    std::string numbarCaption(int index) const override { return m_captions[element(index)]; }
    void setNumbarCaption(int index, const std::string &caption) override
    {
        m_captions[element(index)] = caption;
        const QString entry = caption.empty() ? "clear board" : "deal";
        if (m_log.empty() || m_log.back() != entry)
            m_log.push_back(entry);
    }
    void enableNumbar(int index) override { m_enabled[element(index)] = true; }
    void disableNumbar(int index) override
    {
        m_enabled[element(index)] = false;
        m_log.push_back("disable " + QString::number(index));
    }
    void setCaption(RoundControl control, const std::string &caption) override
    {
        m_controlCaptions[control] = caption;
        m_log.push_back(controlName(control) + "=" + QString::fromStdString(caption));
    }
    void show(RoundControl control) override { setVisible(control, true); }
    void hide(RoundControl control) override { setVisible(control, false); }

    bool isNumbarEnabled(int index) const { return m_enabled[element(index)]; }
    bool isVisible(RoundControl control) const { return m_visible.at(control); }
    QString caption(RoundControl control) const
    {
        return QString::fromStdString(m_controlCaptions.at(control));
    }
    QString numbar(int index) const { return QString::fromStdString(numbarCaption(index)); }
    int boardSize() const { return int(m_captions.size()) - 1; }

    int indexOf(int number) const
    {
        for (int index = 1; index <= boardSize(); ++index) {
            if (m_captions[index] == numberText(number))
                return index;
        }
        throw std::logic_error("number not dealt: " + std::to_string(number));
    }

private:
    // A missing element fails as the real control array does.
    int element(int index) const
    {
        if (index < 1 || index > boardSize())
            raise(ErrorCode::ControlArrayElementMissing);
        return index;
    }
    void setVisible(RoundControl control, bool visible)
    {
        m_visible[control] = visible;
        m_log.push_back((visible ? "show " : "hide ") + controlName(control));
    }

    EventLog &m_log;
    std::vector<std::string> m_captions;
    std::vector<bool> m_enabled;
    std::map<RoundControl, bool> m_visible{
        {RoundControl::cmdStart, true},          {RoundControl::lblNextSupport, false},
        {RoundControl::lblNext, false},          {RoundControl::lblPointsSupport, false},
        {RoundControl::lblPoints, false},        {RoundControl::fraNumbars, false},
        {RoundControl::cmdAgain, false},         {RoundControl::cmdEnd, false}};
    std::map<RoundControl, std::string> m_controlCaptions{
        {RoundControl::lblNextSupport, "次は"}, {RoundControl::lblNext, "0"},
        {RoundControl::lblPointsSupport, "点"}, {RoundControl::lblPoints, "0"}};
};

// Scripted readings; once they run out the clock stands still.
class FakeClock : public Clock
{
public:
    explicit FakeClock(EventLog &log) : m_log(log) {}
    void willRead(std::initializer_list<float> readings) { m_readings.assign(readings); }
    float secondsSinceMidnight() override
    {
        m_log.push_back("clock");
        if (!m_readings.empty()) {
            m_now = m_readings.front();
            m_readings.pop_front();
        }
        return m_now;
    }

private:
    EventLog &m_log;
    std::deque<float> m_readings;
    float m_now = 1000;
};

// Scripted fractions first, then a fixed pseudo-random sequence. Gives up after many draws so
// that a deal that can never finish fails the test instead of hanging it.
class FakeRandom : public RandomSource
{
public:
    void willDraw(std::vector<float> fractions) { m_script.assign(fractions.begin(), fractions.end()); }
    // The fraction that lands on board button `index` of a board of `boardSize`.
    static float hitting(int index, int boardSize) { return (index - 0.5f) / boardSize; }
    std::size_t scriptLeft() const { return m_script.size(); }
    int draws() const { return m_draws; }

    void seed(float) override {}
    float next() override
    {
        if (++m_draws > 100000)
            throw std::logic_error("the deal does not finish");
        if (m_script.empty())
            return std::ldexp(float(m_engine() % (1 << 24)), -24);
        const float fraction = m_script.front();
        m_script.pop_front();
        return fraction;
    }

private:
    std::deque<float> m_script;
    std::minstd_rand m_engine;
    int m_draws = 0;
};

class FakeHandoffs : public RoundHandoffs
{
public:
    explicit FakeHandoffs(EventLog &log) : m_log(log) {}
    void roundStarted() override { m_log.push_back("roundStarted"); }
    void roundFinished(double score) override
    {
        m_log.push_back("roundFinished " + QString::fromStdString(numberText(score)));
    }

private:
    EventLog &m_log;
};

// An engine wired to fakes that share one event log.
struct RoundFixture
{
    explicit RoundFixture(int boardSize)
        : view(boardSize, log), clock(log), handoffs(log),
          engine(boardSize, view, clock, random, handoffs)
    {
    }

    void click(int number) { engine.cmdNumbar_Click(std::int16_t(view.indexOf(number))); }
    void clickAllInTurn()
    {
        for (int number = 1; number <= view.boardSize(); ++number)
            click(number);
    }

    EventLog log;
    FakeRoundView view;
    FakeClock clock;
    FakeRandom random;
    FakeHandoffs handoffs;
    RoundEngine engine;
};

} // namespace lumora::test
