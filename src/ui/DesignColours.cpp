#include "ui/DesignColours.h"

#include "ui/HighContrast.h"

#include <QPalette>
#include <QWidget>

namespace lumora::ui {

namespace {

// The colours GetSysColor gives on a light Windows desktop.
constexpr Rgb kButtonFace{240, 240, 240};
constexpr Rgb kWindow{255, 255, 255};
constexpr Rgb kText{0, 0, 0};

// Which palette roles a kind draws its text and its background with, and the classic
// background behind it.
struct Surface
{
    QPalette::ColorRole text;
    QPalette::ColorRole background;
    Rgb classicBackground;
    bool transparent; // draws no background of its own unless it fills one
};

Surface surfaceOf(ControlKind kind)
{
    switch (kind) {
    case ControlKind::CommandButton: return {QPalette::ButtonText, QPalette::Button, kButtonFace, false};
    case ControlKind::TextBox: return {QPalette::Text, QPalette::Base, kWindow, false};
    default: return {QPalette::WindowText, QPalette::Window, kButtonFace, true};
    }
}

} // namespace

QColor toQColor(const Rgb &rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

void setDesignColours(QWidget &widget, ControlKind kind, const std::optional<Rgb> &foreColor,
                      const std::optional<Rgb> &backColor, bool onStatedBackground)
{
    if ((!foreColor && !backColor) || highContrast())
        return;
    const Surface surface = surfaceOf(kind);
    QPalette palette = widget.palette();
    // The controls a window or frame holds on its stated background were drawn on the classic
    // colours too (the desktop's button face would be blended with that background).
    if (backColor && kind == ControlKind::Frame) {
        for (const ControlKind inside : {ControlKind::CommandButton, ControlKind::TextBox}) {
            palette.setColor(surfaceOf(inside).text, toQColor(kText));
            palette.setColor(surfaceOf(inside).background, toQColor(surfaceOf(inside).classicBackground));
        }
    }
    palette.setColor(surface.text, toQColor(foreColor.value_or(kText)));
    palette.setColor(surface.background, toQColor(backColor.value_or(surface.classicBackground)));
    widget.setPalette(palette);
    // A transparent control shows what lies behind it: a desktop's background there would take
    // the stated colour's contrast away, so it draws the classic one itself.
    if (surface.transparent && (backColor || !onStatedBackground))
        widget.setAutoFillBackground(true);
}

} // namespace lumora::ui
