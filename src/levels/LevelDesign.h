#pragma once

#include "ui/Design.h"

namespace lumora {
struct LevelParams;
}

namespace lumora::ui {

FormDesign levelDesign(const LevelParams &level);

} // namespace lumora::ui
