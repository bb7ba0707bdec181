// The level windows' menu commands: restart, switch level, end, and the entries that open the
// high-score, help and About windows.
#include "levels/LevelForm.h"

#include "about/AboutForm.h"
#include "scores/HighScoreForm.h"
#include "ui/Program.h"

namespace lumora {

namespace {

// Enables the three level windows, loading hidden the ones that do not exist. Stops quietly at
// the first step that fails.
void enableLevelWindows() noexcept
{
    try {
        for (const Level level : {Level::Beginner, Level::Intermediate, Level::Advanced})
            levelForm(level).setEnabled(true);
        for (const Level level : {Level::Beginner, Level::Intermediate, Level::Advanced}) {
            if (LevelForm *form = loadedLevelForm(level); form && form->isVisible())
                form->activateWindow();
        }
    } catch (...) {
    }
}

// Until the player leaves it, whichever high-score window stands in for the first one.
void followHighScores(HighScoreForm &form)
{
    QObject::connect(&form, &HighScoreForm::dismissed, enableLevelWindows);
    QObject::connect(&form, &HighScoreForm::reopened, followHighScores);
}

} // namespace

void LevelForm::menAgain_Click()
{
    cmdAgain_Click();
}

// The window's own level entry does nothing; the other two switch.
void LevelForm::menFirst_Click()
{
    if (m_level.level != Level::Beginner)
        switchTo(Level::Beginner);
}

void LevelForm::menSecond_Click()
{
    if (m_level.level != Level::Intermediate)
        switchTo(Level::Intermediate);
}

void LevelForm::menThird_Click()
{
    if (m_level.level != Level::Advanced)
        switchTo(Level::Advanced);
}

void LevelForm::menEnd_Click()
{
    ui::endProgram();
}

void LevelForm::menHigh_Click()
{
    setEnabled(false);
    followHighScores(frmHighScore());
    frmHighScore().showForm(*this);
}

// The level windows' "オンラインヘルプ(&H)" and F1.
void LevelForm::menOnlineHelp_Click()
{
    cdlHelp.HelpCommand = CommonDialog::cdlHelpForceFile;
    cdlHelp.ShowHelp();
}

// The level windows' "バージョン情報(&A)".
void LevelForm::menAbout_Click()
{
    frmAbout().showForm();
}

} // namespace lumora
