#pragma once

#include "ui/Design.h"

namespace lumora::ui {

// The splash's controls, named once: the design's rows and the window's code use these names.
struct SplashNames
{
    Q_GADGET
public:
    enum class Control { Frame1, lblCompanyProduct, lblProductName, imgLogo, lblVersion, lblCompany, lblWarning };
    Q_ENUM(Control)
    enum class Menu {};
    Q_ENUM(Menu)
};

FormDesign splashDesign();

} // namespace lumora::ui
