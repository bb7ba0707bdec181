#pragma once

#include "levels/LevelDesign.h"
#include "round/RoundPorts.h"
#include "ui/Form.h"

#include <vector>

class QAbstractButton;

namespace lumora {

// Lets the round engine drive a level window's controls, by the names of the window's design.
class LevelRoundView final : public RoundView
{
public:
    using LevelWindow = ui::FormOf<ui::LevelNames>;

    LevelRoundView(LevelWindow &form, int boardSize);

    std::string numbarCaption(int index) const override;
    void setNumbarCaption(int index, const std::string &caption) override;
    void enableNumbar(int index) override;
    void disableNumbar(int index) override;
    void setCaption(RoundControl control, const std::string &caption) override;
    void show(RoundControl control) override;
    void hide(RoundControl control) override;

private:
    QAbstractButton &numbar(int index) const;

    LevelWindow &m_form;
    // The board's buttons by index, found once: a deal reads and writes them some 800 times.
    std::vector<QAbstractButton *> m_numbars;
};

} // namespace lumora
