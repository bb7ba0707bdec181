#pragma once

#include "ui/Design.h"

namespace lumora::ui {

// The About window's controls, named once: the design's rows and the window's code use these names.
struct AboutNames
{
    Q_GADGET
public:
    enum class Control {
        picIcon,
        lblTitle,
        Label1,
        lblVersion,
        lblDescription,
        txtComent,
        Line1,
        lblDisclaimer,
        cmdOK,
        cmdSysInfo,
        Timer1
    };
    Q_ENUM(Control)
    enum class Menu {};
    Q_ENUM(Menu)
};

FormDesign aboutDesign();

} // namespace lumora::ui
