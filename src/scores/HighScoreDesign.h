#pragma once

#include "ui/Design.h"

namespace lumora::ui {

// The high-score window's controls, named once: the design's rows and the window's code use these
// names.
struct HighScoreNames
{
    Q_GADGET
public:
    enum class Control {
        Label1,
        lblFirstName,
        lblFirstPoint,
        lblSecondName,
        lblSecondPoint,
        lblThirdName,
        lblThirdPoint,
        cmdClear,
        cmdOK
    };
    Q_ENUM(Control)
    enum class Menu {};
    Q_ENUM(Menu)
};

FormDesign highScoreDesign();

} // namespace lumora::ui
