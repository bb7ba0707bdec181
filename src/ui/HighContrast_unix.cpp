#include "ui/HighContrast.h"

namespace lumora::ui {

// Linux desktops hand a Qt 6.4 program no high-contrast switch, only a palette: a high-contrast
// colour scheme is drawn as any other desktop palette is.
bool platformHighContrast()
{
    return false;
}

} // namespace lumora::ui
