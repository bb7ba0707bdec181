// The level windows' menu commands: restart, switch level, end. The entries that open other
// windows live with those windows.
#include "round/LevelForm.h"
#include "ui/Program.h"

namespace lumora {

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

} // namespace lumora
