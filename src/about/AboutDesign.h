#pragma once

#include "ui/Design.h"

namespace lumora::ui {

FormDesign aboutDesign();

} // namespace lumora::ui
