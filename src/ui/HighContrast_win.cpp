#include "ui/HighContrast.h"

#include <windows.h>

namespace lumora::ui {

// The switch Windows' own controls follow; Qt 6.4 reads the theme's colours (GetSysColor) into
// the application's palette but has no word of its own for the switch.
bool platformHighContrast()
{
    HIGHCONTRASTW state{};
    state.cbSize = sizeof(state);
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, state.cbSize, &state, 0) != FALSE
        && (state.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

} // namespace lumora::ui
