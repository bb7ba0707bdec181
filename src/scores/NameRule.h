#pragma once

#include <QString>

#include <optional>

namespace lumora {

// The longest name the prompt takes: a line edit's own limit, and short enough that three
// such names always fit in what a load reads.
inline constexpr qsizetype kMaxNameLength = 32767;

// Why `name` cannot be stored so that it reads back exactly as typed, as a Japanese sentence for
// the name prompt; nothing when it can. The file has no escapes, so a double quote would end the
// name early; a line break would split it in the Windows game's reading; other control characters
// (tab, DEL, ESC, C1) cannot be shown as typed; a character that code page 932 cannot hold has no
// bytes in the file at all. The empty name is always fine: it is what Cancel gives.
std::optional<QString> nameProblem(const QString &name);

} // namespace lumora
