#pragma once

#include <QWidget>

#include <optional>

namespace lumora::test {

// The window that the window system itself holds as `window`'s owner (X11's WM_TRANSIENT_FOR,
// Windows' owner window), or nothing where the platform does not show it (offscreen, Wayland).
std::optional<WId> nativeOwner(QWidget &window);

} // namespace lumora::test
