#include "WindowBoard.h"

#include "RoundBenchmarks.h"
#include "levels/LevelForm.h"

#include <QPushButton>
#include <QTest>

namespace lumora::bench {

WindowBoard::WindowBoard()
    : m_services(m_clock, m_random)
    , m_form(frmThird())
    , m_buttonFor(kBoardSize + 1)
{
    m_form.showForm();
    settle();
}

WindowBoard::~WindowBoard()
{
    test::discardAllWindows();
}

void WindowBoard::deal()
{
    m_form.cmdAgain_Click();
}

void WindowBoard::prepareClicks()
{
    settle();
    for (int index = 1; index <= kBoardSize; ++index) {
        QPushButton &button = m_form.control<"cmdNumbar">(index);
        m_buttonFor.at(button.text().toUInt()) = &button;
    }
}

void WindowBoard::click(int number)
{
    QTest::mouseClick(m_buttonFor[number], Qt::LeftButton);
}

} // namespace lumora::bench
