#pragma once

namespace lumora::ui {

// Makes the fonts that come with the program known to Qt, before the Windows faces are mapped
// onto stand-ins: on Windows the program carries the stand-ins itself, elsewhere the system's
// package manager installs them.
void loadProgramFonts();

} // namespace lumora::ui
