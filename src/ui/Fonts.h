#pragma once

#include "ui/Design.h"

#include <QFont>
#include <QStringList>

#include <span>

namespace lumora::ui {

// `english`: the face's name where Windows lists it in English (an English or other non-Japanese
// Windows with the Japanese fonts installed); Qt lists a face by the name Windows gives it.
struct FontSubstitute
{
    const char *requested;
    const char *installed;
    const char *english = nullptr;
};

inline constexpr FontSubstitute kWindowsFaces[] = {
    {"ＭＳ 明朝", "IPAMincho", "MS Mincho"},
    {"ＭＳ Ｐ明朝", "IPAPMincho", "MS PMincho"},
    {"ＭＳ Ｐゴシック", "IPAPGothic", "MS PGothic"},
    {"Times New Roman", "Liberation Serif"},
};

// Maps the Windows face names the designs ask for onto faces installed here, once at start-up:
// the real face by either of its names wins, a stand-in draws where neither is installed.
void installFontSubstitutes(std::span<const FontSubstitute> substitutes = kWindowsFaces);

// The same, given the families installed.
void installFontSubstitutes(std::span<const FontSubstitute> substitutes, const QStringList &installed);

QFont toQFont(const FontDesign &font);

} // namespace lumora::ui
