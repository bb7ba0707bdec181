#pragma once

#include "ui/Form.h"

namespace lumora {

// frmHighScore: the best score and holder of each level, a reset, and the way back to the
// level windows, which stay disabled while it is open.
class HighScoreForm : public ui::Form
{
    Q_OBJECT
public:
    HighScoreForm();

    void cmdClear_Click();
    void cmdOK_Click();

protected:
    void Form_Load() override;
    void Form_Unload(bool &cancel) override;

private:
    enum class Closing { ByTitleBar, ByOK, ByClear };
    Closing m_closing = Closing::ByTitleBar;
};

HighScoreForm &frmHighScore();
// What OK, or closing the window from its title bar, goes back to: set by whoever opens it.
void setHighScoreReturn(void (*returnToOpener)() noexcept);

} // namespace lumora
