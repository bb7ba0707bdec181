#pragma once

#include <QCoreApplication>
#include <QWidget>

#include <random>
#include <vector>

class QLabel;
class QPushButton;

namespace lumora::bench {

// The floor for the round: the advanced board written by hand in plain Qt, with the same fonts,
// places and texts. A click on the next number disables its button and sets the two labels.
class PlainGrid
{
public:
    PlainGrid();

    void deal();
    void prepareClicks();
    void click(int number);
    void settle() { QCoreApplication::processEvents(); }

private:
    void numberClicked(QPushButton *button);
    void showProgress();

    QWidget m_window;
    std::vector<QPushButton *> m_buttons;
    std::vector<QPushButton *> m_buttonFor;
    QLabel *m_next = nullptr;
    QLabel *m_points = nullptr;
    int m_nextNumber = 1;
    double m_pointCount = 0;
    std::mt19937 m_random;
};

} // namespace lumora::bench
