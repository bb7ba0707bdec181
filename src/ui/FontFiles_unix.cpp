#include "ui/FontFiles.h"

namespace lumora::ui {

// The stand-ins are the system's (the package depends on them); fontconfig already knows them.
void loadProgramFonts() {}

} // namespace lumora::ui
