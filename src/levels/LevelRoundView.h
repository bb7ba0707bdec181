#pragma once

#include "round/RoundPorts.h"

#include <vector>

class QAbstractButton;

namespace lumora::ui {
class Form;
}

namespace lumora {

// Lets the round engine drive a level window's controls by name, through the window's designs.
class LevelRoundView final : public RoundView
{
public:
    LevelRoundView(ui::Form &form, int boardSize);

    std::string numbarCaption(int index) const override;
    void setNumbarCaption(int index, const std::string &caption) override;
    void enableNumbar(int index) override;
    void disableNumbar(int index) override;
    void setCaption(RoundControl control, const std::string &caption) override;
    void show(RoundControl control) override;
    void hide(RoundControl control) override;

private:
    QAbstractButton &numbar(int index) const;

    ui::Form &m_form;
    // The board's buttons by index, found once: a deal reads and writes them some 800 times.
    std::vector<QAbstractButton *> m_numbars;
};

} // namespace lumora
