#pragma once

#include <QWidget>

#include <variant>

namespace lumora::test {

// What the window system itself holds as `window`'s owner (X11's WM_TRANSIENT_FOR, Windows' owner
// window): nothing where the platform keeps none (offscreen, Wayland); the owner, 0 for none; or,
// where it keeps one but could not be asked, why not, which must never read as "no owner".
using NativeOwner = std::variant<std::monostate, WId, QString>;
NativeOwner nativeOwner(QWidget &window);

} // namespace lumora::test
