#include "support/NativeOwner.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace lumora::test {

// Asks the X server, as a window manager would, on Qt's own connection: the request follows every
// request Qt made for the window, so the answer holds what Qt set. An error reaches Qt's log.
NativeOwner nativeOwner(QWidget &window)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return {};
    xcb_connection_t *x = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    const auto asked = xcb_get_property(x, 0, window.winId(), XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 0, 1);
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(x, asked, nullptr), &std::free);
    if (!reply)
        return QStringLiteral("the X server did not answer GetProperty");
    if (xcb_get_property_value_length(reply.get()) == sizeof(xcb_window_t))
        return WId(*static_cast<const xcb_window_t *>(xcb_get_property_value(reply.get())));
    if (reply->type == XCB_ATOM_NONE)
        return WId(0);
    return QStringLiteral("WM_TRANSIENT_FOR holds no window");
}

} // namespace lumora::test
