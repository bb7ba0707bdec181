#include "app/LevelSelectionForm.h"

#include "levels/LevelForm.h"
#include "ui/FormRegistry.h"

namespace lumora {

LevelSelectionForm::LevelSelectionForm()
{
    onClick<"cmdFirst">([this] { cmdFirst_Click(); });
    onClick<"cmdSecond">([this] { cmdSecond_Click(); });
    onClick<"cmdThird">([this] { cmdThird_Click(); });
}

// The level window is on screen before this window goes, so the program never runs out of windows.
void LevelSelectionForm::cmdFirst_Click()
{
    frmFirst().showForm();
    unload();
}

void LevelSelectionForm::cmdSecond_Click()
{
    frmSecond().showForm();
    unload();
}

void LevelSelectionForm::cmdThird_Click()
{
    frmThird().showForm();
    unload();
}

LevelSelectionForm &frmMain()
{
    return ui::FormRegistry::reference<LevelSelectionForm>("frmMain", [] { return new LevelSelectionForm; });
}

} // namespace lumora
