#include "support/NativeOwner.h"

#include <QGuiApplication>

#include <windows.h>

namespace lumora::test {

std::optional<WId> nativeOwner(QWidget &window)
{
    if (QGuiApplication::platformName() != QLatin1String("windows"))
        return std::nullopt;
    return WId(GetWindow(reinterpret_cast<HWND>(window.winId()), GW_OWNER));
}

} // namespace lumora::test
