#pragma once

#include "levels/LevelForm.h"
#include "levels/RoundServices.h"
#include "levels/SeededRandom.h"
#include "round/RoundPorts.h"
#include "support/WindowTestSupport.h"

#include <QPushButton>
#include <QTest>

// Plays rounds on a real level window by clicking its board buttons.
namespace lumora::test {

// A clock that reads whatever the test sets.
class FixedClock final : public Clock
{
public:
    float seconds = 0;
    float secondsSinceMidnight() override { return seconds; }
};

// What a test that plays rounds in the level windows puts into their seams while it lives: a
// clock it sets, the seeded random source, and boxes answered from a script.
struct PlayingSeams
{
    FixedClock clock;
    SeededRandom random;
    RoundServicesOverride services{clock, random};
    ScriptedDialogs dialogs;
    ui::DialogsOverride useDialogs{dialogs};
};

// Clicks the board button that carries `number`.
inline void clickNumber(LevelForm &form, int number)
{
    for (int index = 1; index <= form.level().boardSize; ++index) {
        if (QPushButton &button = form.control<"cmdNumbar">(index); button.text() == QString::number(number))
            return QTest::mouseClick(&button, Qt::LeftButton);
    }
    qFatal("no button carries %d", number);
}

// A fresh deal with the start read at `start`; every number in turn, the last one read at `end`.
inline void playPerfectRound(LevelForm &form, FixedClock &clock, float start, float end)
{
    clock.seconds = start;
    form.cmdAgain_Click();
    for (int number = 1; number < form.level().boardSize; ++number)
        clickNumber(form, number);
    clock.seconds = end;
    clickNumber(form, form.level().boardSize);
}

// One right and one wrong click behind it: 5 points, next is 2.
inline void startPlaying(LevelForm &form, FixedClock &clock)
{
    clock.seconds = 100;
    form.cmdAgain_Click();
    clickNumber(form, 1);
    clickNumber(form, 3);
}

} // namespace lumora::test
