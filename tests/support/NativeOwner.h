#pragma once

#include <QString>
#include <QWidget>

#include <variant>

namespace lumora::test {

// The platform keeps no owner of its own to ask for (offscreen, Wayland): Qt's word is all there is.
struct NoNativeOwners
{
};

// The window system keeps owners but could not be asked, and why: never to be read as "no owner".
struct OwnerNotAsked
{
    QString reason;
};

// The window that the window system itself holds as `window`'s owner (X11's WM_TRANSIENT_FOR,
// Windows' owner window; 0 for none).
using NativeOwner = std::variant<WId, NoNativeOwners, OwnerNotAsked>;
NativeOwner nativeOwner(QWidget &window);

} // namespace lumora::test
