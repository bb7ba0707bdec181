#include "levels/LevelForm.h"

#include "levels/RoundServices.h"
#include "scores/RecordKeeper.h"
#include "ui/Dialogs.h"
#include "ui/FormRegistry.h"
#include "ui/Program.h"
#include "core/VersionText.h"

namespace lumora {

LevelForm::LevelForm(const LevelParams &level)
    : FormOf(ui::levelDesign(level))
    , m_level(level)
    , m_view(*this, level.boardSize)
    , m_engine(level.boardSize, m_view, gameClock(), gameRandom(), *this)
{
    onClick(Control::cmdStart, [this] { cmdStart_Click(); });
    onClick(Control::cmdAgain, [this] { cmdAgain_Click(); });
    onClick(Control::cmdEnd, [this] { cmdEnd_Click(); });
    for (int index = 1; index <= level.boardSize; ++index)
        onClick(Control::cmdNumbar, index, [this, index] { cmdNumbar_Click(static_cast<std::int16_t>(index)); });

    onMenu(Menu::menAgain, [this] { menAgain_Click(); });
    onMenu(Menu::menFirst, [this] { menFirst_Click(); });
    onMenu(Menu::menSecond, [this] { menSecond_Click(); });
    onMenu(Menu::menThird, [this] { menThird_Click(); });
    onMenu(Menu::menHigh, [this] { menHigh_Click(); });
    onMenu(Menu::menEnd, [this] { menEnd_Click(); });
    onMenu(Menu::menOnlineHelp, [this] { menOnlineHelp_Click(); });
    onMenu(Menu::menAbout, [this] { menAbout_Click(); });
}

void LevelForm::Form_Load()
{
    gameRandom().seed(gameClock().secondsSinceMidnight());
    setWindowTitle(levelTitle(m_level, versionText()));
}

void LevelForm::Form_Unload(bool &cancel)
{
    Q_UNUSED(cancel);
    // The player closed the window: that ends the game, whatever other windows exist.
    if (!m_closingForSwitch)
        ui::endProgram();
}

void LevelForm::cmdStart_Click()
{
    m_engine.cmdStart_Click();
}

void LevelForm::cmdNumbar_Click(std::int16_t Index)
{
    m_engine.cmdNumbar_Click(Index);
}

void LevelForm::cmdAgain_Click()
{
    m_engine.cmdAgain_Click();
}

void LevelForm::cmdEnd_Click()
{
    ui::endProgram();
}

void LevelForm::switchTo(Level target)
{
    levelForm(target).showForm();
    m_closingForSwitch = true;
    unload();
}

void LevelForm::roundStarted()
{
    TryLoadHighScores();
}

void LevelForm::roundFinished(double score)
{
    CheckHighScore(m_level.highScoreSlot, score, ui::dialogs(), this);
}

LevelForm &levelForm(Level level)
{
    const LevelParams &params = levelParams(level);
    return ui::FormRegistry::reference<LevelForm>(params.formName, [&params] { return new LevelForm(params); });
}

LevelForm *loadedLevelForm(Level level)
{
    return dynamic_cast<LevelForm *>(ui::FormRegistry::find(levelParams(level).formName));
}

LevelForm &frmFirst()
{
    return levelForm(Level::Beginner);
}

LevelForm &frmSecond()
{
    return levelForm(Level::Intermediate);
}

LevelForm &frmThird()
{
    return levelForm(Level::Advanced);
}

} // namespace lumora
