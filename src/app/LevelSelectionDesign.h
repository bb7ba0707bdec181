#pragma once

#include "ui/Design.h"

namespace lumora::ui {

FormDesign levelSelectionDesign();

} // namespace lumora::ui
