#pragma once

#include "ui/Design.h"

namespace lumora::ui {

FormDesign highScoreDesign();

} // namespace lumora::ui
