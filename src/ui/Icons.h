#pragma once

#include "ui/Design.h"

#include <QIcon>
#include <QPixmap>

namespace lumora::ui {

// The program's clock face at every size it is drawn in, and the windows' pictures.
QIcon programIcon();
QPixmap picture(Picture picture);

} // namespace lumora::ui
