#pragma once

#include "levels/LevelDesign.h"
#include "round/RoundPorts.h"
#include "ui/Form.h"

#include <array>
#include <iterator>
#include <vector>

namespace lumora {

// Lets the round engine drive a level window's controls, by the names of the window's design.
class LevelRoundView final : public RoundView
{
public:
    using LevelWindow = ui::FormOf<ui::levelRows>;

    LevelRoundView(LevelWindow &form, int boardSize);

    std::string numbarCaption(int index) const override;
    void setNumbarCaption(int index, const std::string &caption) override;
    void enableNumbar(int index) override;
    void disableNumbar(int index) override;
    void setCaption(RoundLabel label, const std::string &caption) override;
    void show(RoundControl control) override;
    void hide(RoundControl control) override;

private:
    QPushButton &numbar(int index) const;

    LevelWindow &m_form;
    // The round's controls in the order of its set, and the board's buttons by index, found once:
    // a deal reads and writes the board some 800 times.
    std::array<QWidget *, std::size(kRoundControls)> m_controls;
    std::vector<QPushButton *> m_numbars;
};

} // namespace lumora
