#pragma once

#include "scores/HighScoreDesign.h"
#include "ui/Form.h"

#include <system_error>

namespace lumora {

// frmHighScore: the best score and holder of each level and a reset. The level window that opens
// it stays disabled until it is dismissed.
class HighScoreForm : public ui::FormOf<ui::highScoreDesign>
{
    Q_OBJECT
public:
    HighScoreForm();

    void cmdClear_Click();
    void cmdOK_Click();

signals:
    // The player left it, by OK or by the title bar's close: the level windows may be used again.
    void dismissed();
    // Clear unloaded it and loaded `again` in its place, which is the one to follow now.
    void reopened(lumora::HighScoreForm &again);

protected:
    void Form_Load() override;
    void Form_Unload(bool &cancel) override;
    void showEvent(QShowEvent *event) override;

private:
    enum class Closing { ByTitleBar, ByOK, ByClear };
    Closing m_closing = Closing::ByTitleBar;
    std::error_code m_unreadable; // why the file the load found could not be read, until told
};

HighScoreForm &frmHighScore();

} // namespace lumora
