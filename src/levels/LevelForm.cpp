#include "levels/LevelForm.h"

#include "levels/RoundServices.h"
#include "scores/RecordKeeper.h"
#include "ui/Dialogs.h"
#include "ui/FormRegistry.h"
#include "ui/Program.h"
#include "core/VersionText.h"

#include <algorithm>

namespace lumora {

// The window's code is checked against the beginner's design; the other two have the same rows.
static_assert(ui::sameRows(ui::levelDesign(kLevels[1]), ui::levelRows())
                  && ui::sameRows(ui::levelDesign(kLevels[2]), ui::levelRows()),
              "every level's design has the rows of the others");
// The level table names the entry its window checks: a name the design has no entry for would
// leave the submenu without its mark.
static_assert(std::ranges::all_of(kLevels,
                                  [](const LevelParams &level) {
                                      return std::ranges::count_if(ui::levelDesign(level).menus,
                                                                   &ui::MenuDesign::checked)
                                          == 1;
                                  }),
              "a level's check mark names no entry of its design");

LevelForm::LevelForm(const LevelParams &level)
    : FormOf(ui::levelDesign(level))
    , m_level(level)
    , m_view(*this, level.boardSize)
    , m_engine(level.boardSize, m_view, gameClock(), gameRandom(), *this)
{
    onClick<"cmdStart">([this] { cmdStart_Click(); });
    onClick<"cmdAgain">([this] { cmdAgain_Click(); });
    onClick<"cmdEnd">([this] { cmdEnd_Click(); });
    for (int index = 1; index <= level.boardSize; ++index)
        onClick<"cmdNumbar">(index, [this, index] { cmdNumbar_Click(static_cast<std::int16_t>(index)); });

    onMenu<"menAgain">([this] { menAgain_Click(); });
    onMenu<"menFirst">([this] { menFirst_Click(); });
    onMenu<"menSecond">([this] { menSecond_Click(); });
    onMenu<"menThird">([this] { menThird_Click(); });
    onMenu<"menHigh">([this] { menHigh_Click(); });
    onMenu<"menEnd">([this] { menEnd_Click(); });
    onMenu<"menOnlineHelp">([this] { menOnlineHelp_Click(); });
    onMenu<"menAbout">([this] { menAbout_Click(); });
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
