#pragma once

#include "ui/Design.h"

namespace lumora::ui {

// The level selection's controls, named once: the design's rows and the window's code use these
// names.
struct LevelSelectionNames
{
    Q_GADGET
public:
    enum class Control { cmdFirst, cmdSecond, cmdThird };
    Q_ENUM(Control)
    enum class Menu {};
    Q_ENUM(Menu)
};

FormDesign levelSelectionDesign();

} // namespace lumora::ui
