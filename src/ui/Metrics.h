#pragma once

#include <cmath>

namespace lumora::ui {

// Designs are in twips; at 96 dpi 15 twips make one pixel. Sizes stay in logical pixels, so a
// high-DPI screen scales the whole window rather than reflowing it.
inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return twips / kTwipsPerPixel;
}

// Fonts are given in points; sizing them in pixels at 96 dpi keeps the layout independent of the
// screen's DPI setting.
inline int pointsToPixels(double points)
{
    return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

} // namespace lumora::ui
