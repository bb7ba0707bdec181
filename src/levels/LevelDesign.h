#pragma once

#include "ui/Design.h"

namespace lumora {
struct LevelParams;
}

// Every window's design, one function per window, each in its own file under designs/.
namespace lumora::ui {

FormDesign splashDesign();
FormDesign levelSelectionDesign();
FormDesign levelDesign(const LevelParams &level);
FormDesign aboutDesign();
FormDesign helpViewerDesign();
FormDesign highScoreDesign();

} // namespace lumora::ui
