#include "support/NativeOwner.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>

namespace lumora::test {

// Asks the X server, as a window manager would, through xprop (x11-utils).
std::optional<WId> nativeOwner(QWidget &window)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return std::nullopt;
    QCoreApplication::processEvents(); // Qt sends its requests to the X server from the event loop
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window.winId()), "WM_TRANSIENT_FOR"});
    xprop.waitForFinished();
    const auto match = QRegularExpression(QStringLiteral("# (0x[0-9a-f]+)")).match(xprop.readAllStandardOutput());
    return match.hasMatch() ? match.captured(1).toULongLong(nullptr, 16) : 0;
}

} // namespace lumora::test
