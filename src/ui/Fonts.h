#pragma once

#include "ui/Design.h"

#include <QFont>

#include <span>

namespace lumora::ui {

struct FontSubstitute { const char *requested; const char *installed; };

inline constexpr FontSubstitute kWindowsFaces[] = {
    {"ＭＳ 明朝", "IPAMincho"},
    {"ＭＳ Ｐ明朝", "IPAPMincho"},
    {"ＭＳ Ｐゴシック", "IPAPGothic"},
    {"Times New Roman", "Liberation Serif"},
};

// Maps the Windows face names the designs ask for onto faces installed here, once at start-up.
void installFontSubstitutes(std::span<const FontSubstitute> substitutes = kWindowsFaces);

QFont toQFont(const FontDesign &font);

} // namespace lumora::ui
