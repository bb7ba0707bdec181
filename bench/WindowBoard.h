#pragma once

#include "levels/RoundServices.h"
#include "levels/SeededRandom.h"
#include "support/RoundDriving.h"

#include <QCoreApplication>

#include <vector>

class QPushButton;

namespace lumora {
class LevelForm;
}

namespace lumora::bench {

// The real advanced window, shown, with the clock stopped and the generator seeded from it, so
// every run plays the same deals. Clicks are real mouse clicks on the board's push buttons.
class WindowBoard
{
public:
    WindowBoard();
    ~WindowBoard();
    WindowBoard(const WindowBoard &) = delete;
    WindowBoard &operator=(const WindowBoard &) = delete;

    void deal();
    void prepareClicks();
    void click(int number);
    // Delivers what the handler left posted, the window's repaint above all: what a player waits for.
    void settle() { QCoreApplication::processEvents(); }

private:
    test::FixedClock m_clock;
    SeededRandom m_random;
    RoundServicesOverride m_services;
    LevelForm &m_form;
    std::vector<QPushButton *> m_buttonFor;
};

} // namespace lumora::bench
