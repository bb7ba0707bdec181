#pragma once

#include "ui/Design.h"

#include <QIcon>
#include <QPixmap>

namespace lumora::ui {

// The program's clock face, in its 32 and 16 pixel images.
QIcon programIcon();
QPixmap picture(Picture picture);

} // namespace lumora::ui
