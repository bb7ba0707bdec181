#pragma once

#include "ui/Design.h"

#include <QColor>

#include <optional>

class QWidget;

namespace lumora::ui {

// A design's colours on a control, decided here for every window. The designs were drawn on
// Windows' classic light system colours: a stated text colour comes with the classic background
// of its control's kind, and a stated background with the classic text colour, so the pair keeps
// its contrast on any desktop, and so do the controls on a window's or frame's stated background;
// a control that states neither follows the desktop's palette.
// Under a high-contrast theme every stated colour gives way to the system's.
//
// `onStatedBackground`: what lies behind a transparent control is a background its design
// states (the window's or its frame's), which it was drawn against, so it stays transparent.
void setDesignColours(QWidget &widget, ControlKind kind, const std::optional<Rgb> &foreColor,
                      const std::optional<Rgb> &backColor, bool onStatedBackground);

QColor toQColor(const Rgb &rgb);

} // namespace lumora::ui
