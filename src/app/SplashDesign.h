#pragma once

#include "ui/Design.h"

namespace lumora::ui {

FormDesign splashDesign();

} // namespace lumora::ui
