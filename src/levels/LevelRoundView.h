#pragma once

#include "round/RoundPorts.h"

namespace lumora::ui {
class Form;
}

namespace lumora {

// Lets the round engine drive a level window's controls by name, through the window's designs.
class LevelRoundView final : public RoundView
{
public:
    explicit LevelRoundView(ui::Form &form);

    std::string numbarCaption(int index) const override;
    void setNumbarCaption(int index, const std::string &caption) override;
    void enableNumbar(int index) override;
    void disableNumbar(int index) override;
    void setCaption(RoundControl control, const std::string &caption) override;
    void show(RoundControl control) override;
    void hide(RoundControl control) override;

private:
    ui::Form &m_form;
};

} // namespace lumora
