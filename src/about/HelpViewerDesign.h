#pragma once

#include "ui/Design.h"

namespace lumora::ui {

FormDesign helpViewerDesign();

} // namespace lumora::ui
