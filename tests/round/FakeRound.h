#pragma once

// RoundEngine.h first: moc cannot parse <concepts>, which NumberText.h includes, before <string>.
#include "levels/SeededRandom.h"
#include "round/NumberText.h"
#include "round/RoundEngine.h"

#include <QStringList>

#include <algorithm>
#include <deque>
#include <stdexcept>
#include <vector>

namespace lumora::test {

// Every seam of the engine in one: the level window's controls, a scripted clock and random
// source, and the hand-offs. It logs what the engine does, in order; board writes of one kind in
// a row are logged once, so a whole deal reads "deal" and the clearing loop "clear board".
class FakeRound : public RoundView, public Clock, public RandomSource, public RoundHandoffs
{
public:
    explicit FakeRound(int boardSize)
        : engine(boardSize, *this, *this, *this, *this), m_captions(boardSize), m_enabled(boardSize, true)
    {
    }

    QStringList log;
    std::deque<float> readings{1000};  // clock readings; the last one stands
    std::deque<float> fractions;       // draws to make before pseudo-random ones
    RoundEngine engine;

    int indexOf(int number) const
    {
        const auto found = std::ranges::find(m_captions, numberText(number));
        if (found == m_captions.end())
            throw std::logic_error("number not dealt");
        return int(found - m_captions.begin()) + 1;
    }
    void click(int number) { engine.cmdNumbar_Click(std::int16_t(indexOf(number))); }
    QString numbar(int index) const { return QString::fromStdString(numbarCaption(index)); }
    bool isEnabled(int index) const { return m_enabled.at(index - 1); }

    // A missing board button throws, as the real control array fails.
    std::string numbarCaption(int index) const override { return m_captions.at(index - 1); }
    void setNumbarCaption(int index, const std::string &caption) override
    {
        m_captions.at(index - 1) = caption;
        const QString entry = caption.empty() ? "clear board" : "deal";
        if (log.isEmpty() || log.last() != entry)
            log << entry;
    }
    void enableNumbar(int index) override { m_enabled.at(index - 1) = true; }
    void disableNumbar(int index) override
    {
        m_enabled.at(index - 1) = false;
        log << "disable " + QString::number(index);
    }
    void setCaption(RoundControl control, const std::string &caption) override
    {
        log << name(control) + '=' + QString::fromStdString(caption);
    }
    void show(RoundControl control) override { log << "show " + name(control); }
    void hide(RoundControl control) override { log << "hide " + name(control); }

    float secondsSinceMidnight() override
    {
        log << "clock";
        const float now = readings.front();
        if (readings.size() > 1)
            readings.pop_front();
        return now;
    }

    void seed(float) override {}
    float next() override
    {
        // A deal that can never finish fails instead of hanging.
        if (++m_draws > 100000)
            throw std::logic_error("the deal does not finish");
        if (fractions.empty())
            return m_random.next();
        const float fraction = fractions.front();
        fractions.pop_front();
        return fraction;
    }

    void roundStarted() override { log << "roundStarted"; }
    void roundFinished(double score) override
    {
        log << "roundFinished " + QString::fromStdString(numberText(score));
    }

private:
    static QString name(RoundControl control)
    {
        static const char *const names[] = {"cmdStart", "lblNextSupport", "lblNext", "lblPointsSupport",
                                            "lblPoints", "fraNumbars", "cmdAgain", "cmdEnd"};
        return names[int(control)];
    }

    std::vector<std::string> m_captions;
    std::vector<bool> m_enabled;
    SeededRandom m_random;
    int m_draws = 0;
};

} // namespace lumora::test
