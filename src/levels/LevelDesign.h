#pragma once

#include "ui/Design.h"

namespace lumora {
struct LevelParams;
}

namespace lumora::ui {

// The level windows' controls and menu entries, named once: the design's rows and the window's code
// use these names.
struct LevelNames
{
    Q_GADGET
public:
    enum class Control {
        cmdStart,
        lblNextSupport,
        lblNext,
        lblPoints,
        lblPointsSupport,
        fraNumbars,
        cmdAgain,
        cmdEnd,
        cdlHelp,
        cmdNumbar
    };
    Q_ENUM(Control)
    enum class Menu {
        menFile,
        menAgain,
        menGrade,
        menFirst,
        menSecond,
        menThird,
        Bar1,
        menHigh,
        Bar2,
        menEnd,
        menHelp,
        menOnlineHelp,
        menAbout
    };
    Q_ENUM(Menu)
};

FormDesign levelDesign(const LevelParams &level);

} // namespace lumora::ui
