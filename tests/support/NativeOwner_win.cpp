#include "support/NativeOwner.h"

#include <QGuiApplication>

#include <windows.h>

namespace lumora::test {

// GetWindow fails only for a handle that is no window, which winId() never gives.
NativeOwner nativeOwner(QWidget &window)
{
    if (QGuiApplication::platformName() != QLatin1String("windows"))
        return {};
    return WId(GetWindow(reinterpret_cast<HWND>(window.winId()), GW_OWNER));
}

} // namespace lumora::test
