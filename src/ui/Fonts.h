#pragma once

#include "ui/Design.h"

#include <QFont>

namespace lumora::ui {

// Maps the Windows face names the designs ask for onto faces installed here, once at start-up.
void installFontSubstitutes();

QFont toQFont(const FontDesign &font);

} // namespace lumora::ui
