#include "round/RoundEngine.h"

#include "core/Messages.h"
#include "round/Checked.h"
#include "round/NumberText.h"

#include <cmath>

namespace lumora {

namespace {

constexpr double kRightClickPoints = 10;
constexpr double kWrongClickPoints = 5;
constexpr double kScoreScale = 1000;
// A finish not later than the start is taken to have crossed midnight, when the clock restarts.
constexpr std::int32_t kSecondsPerDay = 86400;

constexpr RoundControl kLabels[] = {"lblNextSupport", "lblNext", "lblPointsSupport", "lblPoints"};

// Steps the window's own byte counter from 1 to last; stepping past 255 overflows.
template <typename Body>
void countFromOne(std::uint8_t &counter, int last, Body body)
{
    for (counter = 1; counter <= last; counter = checked::add<std::uint8_t>(counter, 1))
        body();
}

// Int(r × N) + 1 in single precision, stored as a byte.
std::uint8_t drawButton(RandomSource &random, int boardSize)
{
    const float scaled = checked::multiply(random.next(), static_cast<float>(boardSize));
    return checked::roundTo<std::uint8_t>(checked::add(std::floor(scaled), 1.0f));
}

} // namespace

std::int32_t clockReading(float secondsSinceMidnight)
{
    return checked::roundTo<std::int32_t>(secondsSinceMidnight);
}

RoundEngine::RoundEngine(int boardSize, RoundView &view, Clock &clock, RandomSource &random, RoundHandoffs &handoffs)
    : m_boardSize(boardSize)
    , m_view(view)
    , m_clock(clock)
    , m_random(random)
    , m_handoffs(handoffs)
{
}

void RoundEngine::cmdStart_Click()
{
    m_state.Points = 0;
    for (RoundControl label : kLabels)
        m_view.show(label);
    m_view.hide("cmdStart");
    ShuffleNumbers();
    m_view.show("fraNumbars");
    // Read after the deal, so dealing does not count into the round's time.
    m_state.StartTime = clockReading(m_clock.secondsSinceMidnight());
    m_state.NextNumber = 1;
    ShowProgress();
    m_handoffs.roundStarted();
}

void RoundEngine::ShuffleNumbers()
{
    countFromOne(m_state.Counter, m_boardSize, [this] {
        // An empty caption is the only sign of a button still without a number.
        do {
            m_state.DrawnButton = drawButton(m_random, m_boardSize);
        } while (!m_view.numbarCaption(m_state.DrawnButton).empty());
        m_view.setNumbarCaption(m_state.DrawnButton, numberText(m_state.Counter));
    });
}

void RoundEngine::cmdNumbar_Click(std::int16_t Index)
{
    if (numberValue(m_view.numbarCaption(Index)) != m_state.NextNumber) {
        m_state.Points = checked::subtract(m_state.Points, kWrongClickPoints);
        ShowProgress();
        return;
    }
    m_view.disableNumbar(Index);
    m_state.NextNumber = checked::narrow<std::uint8_t>(checked::add<std::int16_t>(m_state.NextNumber, 1));
    m_state.Points = checked::add(m_state.Points, kRightClickPoints);
    if (m_state.NextNumber == m_boardSize + 1)
        FinishRound();
    else
        ShowProgress();
}

void RoundEngine::ShowProgress()
{
    m_view.setCaption("lblPoints", numberText(m_state.Points));
    m_view.setCaption("lblNext", numberText(m_state.NextNumber));
}

void RoundEngine::FinishRound()
{
    m_state.EndTime = clockReading(m_clock.secondsSinceMidnight());
    if (m_state.StartTime < m_state.EndTime) {
        m_state.ElapsedSeconds = checked::subtract(m_state.EndTime, m_state.StartTime);
    } else {
        m_state.ElapsedSeconds = checked::add(checked::subtract(kSecondsPerDay, m_state.StartTime), m_state.EndTime);
        // A start read as 86400 (the last half second of the day) and a finish read as 0 are
        // the same instant: count it as equal readings rather than divide by zero.
        if (m_state.ElapsedSeconds == 0)
            m_state.ElapsedSeconds = kSecondsPerDay;
    }
    // Multiply first, divide second; only the quotient is checked.
    m_state.Points =
        std::floor(checked::divide(m_state.Points * kScoreScale, static_cast<double>(m_state.ElapsedSeconds)));
    m_view.setCaption("lblNextSupport", messages::kTimeCaption);
    m_view.setCaption("lblNext", numberText(m_state.ElapsedSeconds));
    m_view.setCaption("lblPoints", numberText(m_state.Points));
    m_view.hide("fraNumbars");
    m_view.show("cmdAgain");
    m_view.show("cmdEnd");
    m_handoffs.roundFinished(m_state.Points);
}

void RoundEngine::cmdAgain_Click()
{
    countFromOne(m_state.Counter, m_boardSize, [this] {
        m_view.setNumbarCaption(m_state.Counter, "");
        m_view.enableNumbar(m_state.Counter);
    });
    cmdStart_Click();
    m_view.hide("cmdAgain");
    m_view.hide("cmdEnd");
    m_view.setCaption("lblNextSupport", messages::kNextCaption);
}

} // namespace lumora
