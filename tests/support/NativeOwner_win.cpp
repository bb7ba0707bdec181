#include "support/NativeOwner.h"

#include <QGuiApplication>

#include <windows.h>

namespace lumora::test {

NativeOwner nativeOwner(QWidget &window)
{
    if (QGuiApplication::platformName() != QLatin1String("windows"))
        return NoNativeOwners{};
    // GetWindow answers no owner and failure alike with a null handle; only the last error tells them apart.
    SetLastError(ERROR_SUCCESS);
    const HWND owner = GetWindow(reinterpret_cast<HWND>(window.winId()), GW_OWNER);
    if (!owner && GetLastError() != ERROR_SUCCESS)
        return OwnerNotAsked{QStringLiteral("GetWindow failed (error %1)").arg(GetLastError())};
    return WId(owner);
}

} // namespace lumora::test
