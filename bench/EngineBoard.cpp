#include "EngineBoard.h"

#include "RoundBenchmarks.h"
#include "round/NumberText.h"

namespace lumora::bench {

EngineBoard::EngineBoard()
    : m_view(kBoardSize)
    , m_engine(kBoardSize, m_view, m_clock, m_random, m_handoffs)
    , m_indexOf(kBoardSize + 1)
{
    m_random.seed(0);
}

void EngineBoard::deal()
{
    m_engine.cmdAgain_Click();
}

void EngineBoard::prepareClicks()
{
    for (int index = 1; index <= kBoardSize; ++index)
        m_indexOf.at(static_cast<std::size_t>(numberValue(m_view.numbarCaption(index)))) =
            static_cast<std::int16_t>(index);
}

void EngineBoard::click(int number)
{
    m_engine.cmdNumbar_Click(m_indexOf[number]);
}

} // namespace lumora::bench
