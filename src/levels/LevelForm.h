#pragma once

#include "about/CommonDialog.h"
#include "levels/LevelDesign.h"
#include "levels/LevelParams.h"
#include "levels/LevelRoundView.h"
#include "round/RoundEngine.h"
#include "ui/Form.h"

#include <cstdint>

namespace lumora {

// frmFirst, frmSecond and frmThird: one class, told apart only by their row of level parameters.
class LevelForm : public ui::FormOf<ui::levelRows>, private RoundHandoffs
{
    Q_OBJECT
public:
    explicit LevelForm(const LevelParams &level);

    const LevelParams &level() const { return m_level; }
    const RoundState &roundState() const { return m_engine.state(); }

    void cmdStart_Click();
    void cmdNumbar_Click(std::int16_t Index);
    void cmdAgain_Click();
    void cmdEnd_Click();

    void menAgain_Click();
    void menFirst_Click();
    void menSecond_Click();
    void menThird_Click();
    void menHigh_Click();
    void menEnd_Click();
    void menOnlineHelp_Click();
    void menAbout_Click();

protected:
    void Form_Load() override;
    void Form_Unload(bool &cancel) override;

private:
    void switchTo(Level target);

    // RoundHandoffs
    void roundStarted() override;
    void roundFinished(double score) override;

    const LevelParams &m_level;
    LevelRoundView m_view;
    RoundEngine m_engine;
    CommonDialog cdlHelp{this, kLumoraHelpFile};
    bool m_closingForSwitch = false;
};

LevelForm &levelForm(Level level);
// The level's window if it exists, without creating it.
LevelForm *loadedLevelForm(Level level);
LevelForm &frmFirst();
LevelForm &frmSecond();
LevelForm &frmThird();

} // namespace lumora
