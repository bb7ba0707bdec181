#pragma once

#include "app/LevelSelectionDesign.h"
#include "ui/Form.h"

namespace lumora {

// 級選択: opens the chosen level's window, then closes for good.
class LevelSelectionForm : public ui::FormOf<ui::levelSelectionDesign>
{
    Q_OBJECT
public:
    LevelSelectionForm();

    void cmdFirst_Click();
    void cmdSecond_Click();
    void cmdThird_Click();
};

LevelSelectionForm &frmMain();

} // namespace lumora
