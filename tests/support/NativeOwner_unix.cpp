#include "support/NativeOwner.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace lumora::test {

// Asks the X server, as a window manager would, on Qt's own connection: the request follows
// every request Qt made for the window, so the answer holds what Qt set.
NativeOwner nativeOwner(QWidget &window)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return NoNativeOwners{};
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return OwnerNotAsked{QStringLiteral("Qt's xcb platform gave no X connection")};
    xcb_generic_error_t *error = nullptr;
    const auto cookie =
        xcb_get_property(connection, 0, xcb_window_t(window.winId()), XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 0, 1);
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(connection, cookie, &error), &std::free);
    if (!reply) {
        const int code = error ? error->error_code : 0;
        std::free(error);
        return OwnerNotAsked{QStringLiteral("the X server refused GetProperty (error %1)").arg(code)};
    }
    if (reply->type == XCB_ATOM_NONE)
        return WId(0);
    if (reply->type != XCB_ATOM_WINDOW || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 4)
        return OwnerNotAsked{QStringLiteral("WM_TRANSIENT_FOR holds no window (type %1, format %2)")
                                 .arg(reply->type)
                                 .arg(reply->format)};
    return WId(*static_cast<const xcb_window_t *>(xcb_get_property_value(reply.get())));
}

} // namespace lumora::test
